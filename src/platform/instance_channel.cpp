#include "platform/instance_channel.h"

#include <algorithm>
#include <cstdint>

namespace tkm {

namespace {

constexpr std::size_t HeaderSize = 4;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

std::string InstanceServiceName(std::string_view executablePath) {
    const std::size_t slash = executablePath.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    return std::string(name.substr(0, name.find('.')));
}

std::string InstanceChannelName(std::string_view service, std::string_view topic) {
    std::string name = std::string(service) + "." + std::string(topic);
    std::transform(name.begin(), name.end(), name.begin(), AsciiLower);
    return name;
}

std::string EncodeTransaction(std::string_view macro) {
    std::string bytes;
    const auto length = std::uint32_t(macro.size());
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(char((length >> shift) & 0xFF));
    bytes.append(macro);
    return bytes;
}

TTransactionReader::TState TTransactionReader::Feed(std::string_view bytes) {
    if (state_ != TState::Reading) return state_;
    if (!length_) {
        const std::size_t taken = std::min(HeaderSize - header_.size(), bytes.size());
        header_.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        if (header_.size() < HeaderSize) return state_;
        std::size_t length = 0;
        for (const char c : header_) length = (length << 8) | std::uint8_t(c);
        if (length > MaxTransactionSize) return state_ = TState::TooLarge;
        length_ = length;
        macro_.reserve(length);
    }
    const std::size_t wanted = *length_ - macro_.size();
    // Bytes past the announced length are not part of the transaction.
    macro_.append(bytes.substr(0, std::min(wanted, bytes.size())));
    if (macro_.size() == *length_) state_ = TState::Complete;
    return state_;
}

}  // namespace tkm
