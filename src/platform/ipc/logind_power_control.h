#pragma once

#include "platform/power_control.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QVariantList>

namespace tkm {

// Power and log-off through systemd-logind. The program hands in the system
// bus; tests a private bus with a mock logind on it.
class TLogindPowerControl final : public QObject, public PowerControl {
    Q_OBJECT
public:
    explicit TLogindPowerControl(const QDBusConnection& bus, QObject* parent = nullptr);

    std::string Can(TPowerRequest request) override;
    bool Request(TPowerRequest request, bool interactive) override;
    void ReleaseShutdownDelay() override;

    // The system waits for the program before it goes down.
    bool HoldsShutdownDelay() const { return delay_.isValid(); }

private slots:
    void PrepareForShutdown(bool starting);

private:
    void TakeShutdownDelay();
    QVariant CallManager(const QString& method, const QVariantList& arguments = {});
    bool TerminateOwnSession();

    QDBusConnection bus_;
    QDBusUnixFileDescriptor delay_;
};

}  // namespace tkm
