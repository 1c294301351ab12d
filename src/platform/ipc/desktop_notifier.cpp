#include "platform/ipc/desktop_notifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace tkm {

namespace {

const QString Service = "org.freedesktop.Notifications";
const QString Path = "/org/freedesktop/Notifications";
const QString Interface = "org.freedesktop.Notifications";
const QString DefaultAction = "default";
// The server's own choice of how long it stays.
constexpr int ServerTimeout = -1;

}  // namespace

TDesktopNotifier::TDesktopNotifier(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus) {
    bus_.connect(Service, Path, Interface, "ActivationToken", this, SLOT(ActivationToken(uint, QString)));
    bus_.connect(Service, Path, Interface, "ActionInvoked", this, SLOT(ActionInvoked(uint, QString)));
    bus_.connect(Service, Path, Interface, "NotificationClosed", this, SLOT(NotificationClosed(uint, uint)));
}

void TDesktopNotifier::Notify(const std::string& title, const std::string& text) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, "Notify");
    // The desktop entry gives the server the program's name and icon.
    const QVariantMap hints{{"desktop-entry", QString("taskmere")}};
    call.setArguments({QString("Taskmere"), shown_, QString("taskmere"), QString::fromStdString(title),
                       QString::fromStdString(text), QStringList{DefaultAction, QString("Show")}, hints,
                       ServerTimeout});
    // Asked without waiting: a server that D-Bus must start first would hold up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, title, text] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            shown_ = 0;
            if (OnUnavailable) OnUnavailable(title, text);
            return;
        }
        shown_ = reply.value();
    });
}

void TDesktopNotifier::ActivationToken(uint id, const QString& token) {
    if (id == shown_) token_ = token;
}

void TDesktopNotifier::ActionInvoked(uint id, const QString& action) {
    if (id != shown_ || id == 0 || action != DefaultAction) return;
    const std::string token = token_.toStdString();
    token_.clear();
    if (OnActivated) OnActivated(token);
}

void TDesktopNotifier::NotificationClosed(uint id, uint) {
    if (id != shown_) return;
    shown_ = 0;
    token_.clear();
}

}  // namespace tkm
