#pragma once

#include "platform/password_store.h"

namespace tkm {

// The Secret Service of GNOME and KDE through QtKeychain; no fallback to a
// file when there is none.
class TKeychainPasswordStore final : public PasswordStore {
public:
    std::optional<std::string> Read(const std::string& account) override;
    std::optional<std::string> Write(const std::string& account, const std::string& password) override;
    void Forget(const std::string& account) override;
};

}  // namespace tkm
