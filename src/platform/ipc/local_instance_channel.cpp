#include "platform/ipc/local_instance_channel.h"

#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

namespace tkm {

namespace {

// A client that connects and then says nothing is dropped after this long.
constexpr int ConnectionTimeoutMs = 5000;
// Served at once, and as many more taken from the system's queue: further
// clients wait there, so that a flood of them costs no file descriptors.
constexpr int MaxConnections = 16;
// Read in pieces, so a flood is refused on its header without being buffered.
constexpr qint64 ReadPiece = 64 * 1024;

// One client's transaction, read as its bytes arrive; deletes itself with its socket.
class TTransactionConnection final : public QObject {
public:
    TTransactionConnection(QLocalSocket* socket, std::function<void(const std::string&)> deliver)
        : QObject(socket), socket_(socket), deliver_(std::move(deliver)) {
        socket_->setReadBufferSize(ReadPiece);
        connect(socket_, &QLocalSocket::readyRead, this, [this] { Read(); });
        connect(socket_, &QLocalSocket::disconnected, socket_, &QObject::deleteLater);
        // Gone after the time limit whatever its state: it holds a place.
        QTimer::singleShot(ConnectionTimeoutMs, this, [this] {
            socket_->abort();
            socket_->deleteLater();
        });
        Read();
        // A client that left while it waited in the queue was disconnected before anyone listened.
        if (socket_->state() == QLocalSocket::UnconnectedState) socket_->deleteLater();
    }

private:
    void Read() {
        if (answered_) return;
        while (socket_->bytesAvailable() > 0 && reader_.State() == TTransactionReader::TState::Reading) {
            const QByteArray piece = socket_->read(ReadPiece);
            reader_.Feed(std::string_view(piece.constData(), std::size_t(piece.size())));
        }
        if (reader_.State() == TTransactionReader::TState::Reading) return;
        answered_ = true;
        const bool complete = reader_.State() == TTransactionReader::TState::Complete;
        socket_->write(QByteArray(1, complete ? TransactionAccepted : TransactionRefused));
        socket_->disconnectFromServer();
        if (complete) deliver_(reader_.Macro());
    }

    QLocalSocket* socket_;
    std::function<void(const std::string&)> deliver_;
    TTransactionReader reader_;
    bool answered_ = false;
};

}  // namespace

QString UserRuntimeFolder() { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); }

TLocalInstanceChannel::TLocalInstanceChannel(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {
    // Bound in a private folder and moved into place: no other user can
    // connect, not even for an instant.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.setMaxPendingConnections(MaxConnections);
    connect(&server_, &QLocalServer::newConnection, this, [this] { AcceptConnections(); });
}

TLocalInstanceChannel::TListen TLocalInstanceChannel::Listen() {
    // Asked first: the private-folder bind moves its socket over any file of
    // that name, a live program's too.
    QLocalSocket probe;
    probe.connectToServer(socketPath_);
    if (probe.waitForConnected(1000)) return TListen::AnotherInstance;
    // Nobody answers: no socket, or the socket of a program that crashed.
    QLocalServer::removeServer(socketPath_);
    if (!server_.listen(socketPath_)) return TListen::Failed;
    QFile::setPermissions(socketPath_, QFile::ReadOwner | QFile::WriteOwner);
    return TListen::Serving;
}

void TLocalInstanceChannel::AcceptConnections() {
    while (served_ < MaxConnections) {
        QLocalSocket* socket = server_.nextPendingConnection();
        if (!socket) return;
        ++served_;
        // A child of the channel rather than of the server: the channel's
        // connections are gone before its children are deleted.
        socket->setParent(this);
        connect(socket, &QObject::destroyed, this, [this] {
            --served_;
            AcceptConnections();
        });
        new TTransactionConnection(socket, [this](const std::string& macro) { Deliver(macro); });
    }
}

void TLocalInstanceChannel::Deliver(const std::string& macro) {
    // Later, from the event loop: the macro may ask questions, and the
    // client's answer is already on its way.
    QTimer::singleShot(0, this, [this, macro] {
        if (OnExecute) OnExecute(macro);
    });
}

TSendResult SendTransaction(const QString& socketPath, const std::string& macro, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) return TSendResult::NoInstance;
    if (macro.size() > MaxTransactionSize) return TSendResult::Refused;
    socket.write(QByteArray::fromStdString(EncodeTransaction(macro)));
    // A refused transaction is answered before all of it is written.
    while (socket.bytesToWrite() > 0 && socket.bytesAvailable() == 0)
        if (!socket.waitForBytesWritten(timeoutMs)) break;
    while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState)
        if (!socket.waitForReadyRead(timeoutMs)) break;
    char answer = 0;
    if (socket.getChar(&answer)) return answer == TransactionAccepted ? TSendResult::Accepted : TSendResult::Refused;
    // Hung up without a word: it will not run the transaction.
    return socket.state() == QLocalSocket::ConnectedState ? TSendResult::NoAnswer : TSendResult::Refused;
}

}  // namespace tkm
