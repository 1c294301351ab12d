#pragma once

#include <optional>
#include <string>

namespace tkm {

// The desktop's keyring: where the passwords of CalDAV accounts are kept,
// never in a file of ours.
class PasswordStore {
public:
    virtual ~PasswordStore() = default;
    // None when the keyring has none for that account, or there is no keyring.
    virtual std::optional<std::string> Read(const std::string& account) = 0;
    // The keyring's own words when it could not keep it; none when it did.
    virtual std::optional<std::string> Write(const std::string& account, const std::string& password) = 0;
    virtual void Forget(const std::string& account) = 0;
};

// How an account is named in the keyring: "user@address".
inline std::string PasswordAccount(const std::string& user, const std::string& url) { return user + "@" + url; }

}  // namespace tkm
