#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// An address of a list on a server rather than a file: caldav://, http://
// or https://, any case.
bool IsRemoteListAddress(std::string_view address);

// A remote list's name as the reopen list and the command line give it: the
// collection's address with the user name in it ("https://alice@host/list/"),
// never a password.
struct TRemoteAddress {
    std::string Url;   // what HTTP is spoken to: caldav:// stands for https://
    std::string User;  // empty where the address names none

    // None for an address that is not a remote list's.
    static std::optional<TRemoteAddress> Parse(const std::string& address);
    std::string Name() const;
};

}  // namespace tkm
