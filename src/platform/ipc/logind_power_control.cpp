#include "platform/ipc/logind_power_control.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

namespace tkm {

namespace {

const QString Service = "org.freedesktop.login1";
const QString ManagerPath = "/org/freedesktop/login1";
const QString ManagerInterface = "org.freedesktop.login1.Manager";
// Questions to logind are quick; a power request may wait for a password and
// is never waited for.
constexpr int QueryTimeoutMs = 5000;

const char* MethodFor(TPowerRequest request) {
    switch (request) {
    case TPowerRequest::PowerOff: return "PowerOff";
    case TPowerRequest::Reboot: return "Reboot";
    case TPowerRequest::Suspend: return "Suspend";
    case TPowerRequest::Hibernate: return "Hibernate";
    case TPowerRequest::EndSession: break;
    }
    return "TerminateSession";
}

}  // namespace

TLogindPowerControl::TLogindPowerControl(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus) {
    bus_.connect(Service, ManagerPath, ManagerInterface, "PrepareForShutdown", this, SLOT(PrepareForShutdown(bool)));
    TakeShutdownDelay();
}

QVariant TLogindPowerControl::CallManager(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus_.call(call, QDBus::Block, QueryTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return reply.arguments().constFirst();
}

std::string TLogindPowerControl::Can(TPowerRequest request) {
    if (request == TPowerRequest::EndSession) return "yes";
    return CallManager(QString("Can") + MethodFor(request)).toString().toStdString();
}

bool TLogindPowerControl::Request(TPowerRequest request, bool interactive) {
    if (request == TPowerRequest::EndSession) return TerminateOwnSession();
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface, MethodFor(request));
    call.setArguments({interactive});
    return bus_.send(call);
}

bool TLogindPowerControl::TerminateOwnSession() {
    // "auto": the session this process runs in, or else the user's display session.
    const QDBusObjectPath session = qvariant_cast<QDBusObjectPath>(CallManager("GetSession", {QString("auto")}));
    if (session.path().isEmpty()) return false;
    QDBusMessage get = QDBusMessage::createMethodCall(Service, session.path(), "org.freedesktop.DBus.Properties", "Get");
    get.setArguments({QString("org.freedesktop.login1.Session"), QString("Id")});
    const QDBusReply<QDBusVariant> id = bus_.call(get, QDBus::Block, QueryTimeoutMs);
    if (!id.isValid()) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface, "TerminateSession");
    call.setArguments({id.value().variant().toString()});
    return bus_.send(call);
}

void TLogindPowerControl::TakeShutdownDelay() {
    delay_ = qvariant_cast<QDBusUnixFileDescriptor>(
        CallManager("Inhibit", {QString("shutdown"), QString("Taskmere"),
                                QString("Unsaved changes are offered for saving first"), QString("delay")}));
}

void TLogindPowerControl::ReleaseShutdownDelay() { delay_ = QDBusUnixFileDescriptor(); }

void TLogindPowerControl::PrepareForShutdown(bool starting) {
    if (!starting) {
        // The shutdown was called off: hold the next one too.
        if (!delay_.isValid()) TakeShutdownDelay();
        return;
    }
    if (OnShutdownPending) OnShutdownPending();
    else ReleaseShutdownDelay();
}

}  // namespace tkm
