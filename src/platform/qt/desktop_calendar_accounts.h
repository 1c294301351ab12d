#pragma once

#include "platform/calendar_accounts.h"
#include "platform/net/caldav_client.h"
#include "platform/password_store.h"

#include <QCoreApplication>

#include <map>
#include <memory>
#include <string>

class QProgressDialog;
class QWidget;

namespace tkm {

// The desktop's side of remote lists: the Open Remote List dialog, the
// password question, the keyring, and a CalDAV client per account.
class TDesktopCalendarAccounts final : public CalendarAccounts {
    Q_DECLARE_TR_FUNCTIONS(TDesktopCalendarAccounts)

public:
    explicit TDesktopCalendarAccounts(PasswordStore& passwords);
    ~TDesktopCalendarAccounts() override;
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<TRemoteAddress> ChooseList() override;
    CalendarServer* Connect(const TRemoteAddress& address, bool refused) override;
    void Disconnect() override;

private:
    std::unique_ptr<TCaldavClient> Client(const TCalendarAccount& account);

    PasswordStore& passwords_;
    QWidget* parent_ = nullptr;
    std::unique_ptr<TCaldavClient> client_;
    // Shown when the server takes longer than half a second; its Cancel stops the request.
    std::unique_ptr<QProgressDialog> progress_;
    std::unique_ptr<QObject> inputBlocker_;
    std::map<std::string, std::string> remembered_;  // this run's passwords, by account
};

}  // namespace tkm
