#pragma once

#include "platform/instance_channel.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <string>

namespace tkm {

// The per-user folder for sockets: $XDG_RUNTIME_DIR, or Qt's private
// fallback for it; empty when neither can be had.
QString UserRuntimeFolder();

// Serves the channel on a local socket that only this user may open.
class TLocalInstanceChannel final : public QObject, public InstanceChannel {
    Q_OBJECT
public:
    enum class TListen { Serving, AnotherInstance, Failed };

    // socketPath: the socket's full path; its folder must already exist.
    explicit TLocalInstanceChannel(QString socketPath, QObject* parent = nullptr);

    // Starts serving. A socket left by a program that ended without removing
    // it is replaced; one a running program still answers on is left alone.
    TListen Listen();
    QString ErrorText() const { return server_.errorString(); }
    const QString& SocketPath() const { return socketPath_; }

private:
    void AcceptConnections();
    void Deliver(const std::string& macro);

    QString socketPath_;
    QLocalServer server_;
    int served_ = 0;  // connections taken from the server and not yet closed
};

// NoAnswer: the program took the connection but did not answer in time (busy
// with a long step); it may still carry the transaction out when it is free.
enum class TSendResult { Accepted, NoInstance, Refused, NoAnswer };

// A window opening or sorting ten million entries answers only when that is done.
inline constexpr int SendAnswerTimeoutMs = 30000;

// Sends one transaction and waits (at most timeoutMs at each step) for its answer.
TSendResult SendTransaction(const QString& socketPath, const std::string& macro,
                            int timeoutMs = SendAnswerTimeoutMs);

}  // namespace tkm
