#pragma once

#include "platform/calendar_server.h"
#include "tasks/remote_address.h"

#include <optional>
#include <string>

namespace tkm {

// The accounts behind remote lists: the desktop asks which list to open and,
// where the keyring has none or the server refused it, for the password.
class CalendarAccounts {
public:
    virtual ~CalendarAccounts() = default;
    // The list the user picks (the Open Remote List dialog); none on Cancel.
    virtual std::optional<TRemoteAddress> ChooseList() = 0;
    // A server for the account. `refused`: the server refused the password it
    // was given, so it is asked for again. None when the user gave none.
    virtual CalendarServer* Connect(const TRemoteAddress& address, bool refused) = 0;
    // The steps against the server Connect gave are over.
    virtual void Disconnect() {}
};

}  // namespace tkm
