#pragma once

#include "platform/notifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace tkm {

// Notifications through org.freedesktop.Notifications. The program hands in
// the session bus; tests a private bus with a mock notification daemon.
class TDesktopNotifier final : public QObject, public Notifier {
    Q_OBJECT
public:
    explicit TDesktopNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    void Notify(const std::string& title, const std::string& text) override;

private slots:
    void ActivationToken(uint id, const QString& token);
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

private:
    QDBusConnection bus_;
    uint shown_ = 0;  // the notification on screen, 0 for none
    QString token_;   // handed over just before its action
};

}  // namespace tkm
