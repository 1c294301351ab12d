#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Execute transactions that other starts of the program (or any program of
// the same user) send to the running one: each is a macro text.
class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;
    // Called on the user-interface thread, once per transaction, in arrival order.
    std::function<void(const std::string& macro)> OnExecute;
};

inline constexpr char InstanceTopic[] = "DDEMain";
// A transaction longer than this is refused unread.
inline constexpr std::size_t MaxTransactionSize = 1 << 20;

// The service an executable serves: its file name cut before the first ".".
std::string InstanceServiceName(std::string_view executablePath);
// The channel's name: service and topic, both matched without regard to case.
std::string InstanceChannelName(std::string_view service, std::string_view topic);

// On the wire a transaction is its length (4 bytes, most significant first)
// and the macro text; the server answers one byte.
inline constexpr char TransactionAccepted = 'A';
inline constexpr char TransactionRefused = 'R';
std::string EncodeTransaction(std::string_view macro);

// Reads one transaction from bytes as they arrive.
class TTransactionReader {
public:
    enum class TState { Reading, Complete, TooLarge };

    TState Feed(std::string_view bytes);
    TState State() const { return state_; }
    const std::string& Macro() const { return macro_; }

private:
    std::string header_;
    std::optional<std::size_t> length_;
    std::string macro_;
    TState state_ = TState::Reading;
};

}  // namespace tkm
