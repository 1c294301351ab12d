#include "platform/qt/desktop_calendar_accounts.h"

#include "ui/dialogs/remote_list_dialog.h"

#include <QApplication>
#include <QEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QShortcut>
#include <QWindow>

namespace tkm {

namespace {

// While the server answers, the program takes no keyboard or mouse input but
// the progress dialog's: the table must not change under a save.
class TInputBlocker final : public QObject {
public:
    explicit TInputBlocker(QWidget* allowed) : allowed_(allowed) { qApp->installEventFilter(this); }
    ~TInputBlocker() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* target, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close: break;
        default: return false;
        }
        // Input reaches the dialog's window before its widgets.
        if (auto* window = qobject_cast<QWindow*>(target)) return window != allowed_->windowHandle();
        // The dialog's Escape is a shortcut of its own.
        if (auto* shortcut = qobject_cast<QShortcut*>(target)) target = shortcut->parent();
        auto* widget = qobject_cast<QWidget*>(target);
        return !(widget && (widget == allowed_ || allowed_->isAncestorOf(widget)));
    }

private:
    QWidget* allowed_;
};

}  // namespace

TDesktopCalendarAccounts::TDesktopCalendarAccounts(PasswordStore& passwords) : passwords_(passwords) {}
TDesktopCalendarAccounts::~TDesktopCalendarAccounts() = default;

void TDesktopCalendarAccounts::Disconnect() {
    inputBlocker_.reset();
    progress_.reset();
}

std::unique_ptr<TCaldavClient> TDesktopCalendarAccounts::Client(const TCalendarAccount& account) {
    auto client = std::make_unique<TCaldavClient>(account);
    client->SetRedirectQuestion([this](const QUrl& from, const QUrl& to) {
        const QString text =
            tr("The server %1 sends Taskmere on to %2, another server. Send the user name and password there?")
                .arg(from.host(), to.host());
        // The question takes input of its own; the wait goes on blocking after it.
        const bool blocking = inputBlocker_ != nullptr;
        inputBlocker_.reset();
        const bool yes =
            QMessageBox::question(progress_ ? progress_.get() : parent_, tr("Confirm"), text) == QMessageBox::Yes;
        if (blocking) inputBlocker_ = std::make_unique<TInputBlocker>(progress_.get());
        return yes;
    });
    return client;
}

std::optional<TRemoteAddress> TDesktopCalendarAccounts::ChooseList() {
    TfrmRemoteList dialog([this](const TCalendarAccount& account) -> std::unique_ptr<CalendarServer> {
        return Client(account);
    }, parent_);
    if (dialog.exec() != QDialog::Accepted || !dialog.Chosen()) return std::nullopt;
    const TCalendarAccount account = dialog.Account();
    const TRemoteAddress address{dialog.Chosen()->Url, account.User};
    if (const auto failure = passwords_.Write(PasswordAccount(address.User, address.Url), account.Password))
        QMessageBox::warning(parent_, QStringLiteral("Taskmere"),
                             tr("The keyring did not keep the password (%1); Taskmere asks for it again next time.")
                                 .arg(QString::fromStdString(*failure)));
    remembered_[PasswordAccount(address.User, address.Url)] = account.Password;
    return address;
}

CalendarServer* TDesktopCalendarAccounts::Connect(const TRemoteAddress& address, bool refused) {
    // The password question takes input of its own.
    Disconnect();
    const std::string key = PasswordAccount(address.User, address.Url);
    std::optional<std::string> password;
    if (!refused) {
        // This run's own first, so a desktop without a keyring asks once.
        if (const auto it = remembered_.find(key); it != remembered_.end()) password = it->second;
        else password = passwords_.Read(key);
    }
    if (!password) {
        const QString question = refused ? tr("The server refused the password of %1. Password:")
                                         : tr("Password of %1:");
        bool ok = false;
        const QString typed = QInputDialog::getText(parent_, tr("Password"),
                                                    question.arg(QString::fromStdString(address.Name())),
                                                    QLineEdit::Password, {}, &ok);
        if (!ok) {
            // Kept, the refused password would be sent again at every open.
            if (refused) {
                passwords_.Forget(key);
                remembered_.erase(key);
            }
            return nullptr;
        }
        password = typed.toStdString();
        passwords_.Write(key, *password);
        remembered_[key] = *password;
    }
    client_ = Client({address.Url, address.User, *password});
    client_->AllowUserInput(true);
    progress_ = std::make_unique<QProgressDialog>(
        tr("Waiting for the server %1...").arg(QUrl(QString::fromStdString(address.Url)).host()),
        tr("Cancel"), 0, 0, parent_);
    progress_->setWindowTitle(QStringLiteral("Taskmere"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(500);
    // Counts the half second from now: the dialog's own count, begun when it
    // was made, is of its default four seconds.
    progress_->setValue(0);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    QObject::connect(progress_.get(), &QProgressDialog::canceled, [client = client_.get()] { client->Cancel(); });
    inputBlocker_ = std::make_unique<TInputBlocker>(progress_.get());
    return client_.get();
}

}  // namespace tkm
