#pragma once

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <stdexcept>
#include <string>

namespace tkm::test {

// An HTTP server on 127.0.0.1 for the answers Radicale never gives: every
// request of a verb gets the same canned answer, a verb without one none at
// all (the request waits until it is given up). It runs on the caller's
// thread, served while the client waits for its answer.
class TScriptedHttpServer {
public:
    // Gives the whole answer to a whole request (head and body); the
    // connection is closed after it, so an answer may be cut short.
    using TResponder = std::function<QByteArray(const QByteArray& request)>;

    explicit TScriptedHttpServer(TResponder respond) : TScriptedHttpServer() { respond_ = std::move(respond); }
    TScriptedHttpServer() {
        if (!server_.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("no free port");
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(*socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                    pending_.remove(socket);
                    socket->deleteLater();
                });
            }
        });
    }

    // `headers`: whole lines, each ending in "\r\n".
    void Answer(const QByteArray& verb, const QByteArray& statusLine, const QByteArray& headers = {},
                const QByteArray& body = {}) {
        answers_[verb] = "HTTP/1.1 " + statusLine + "\r\n" + headers +
                         "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }
    // Requests of that verb wait unanswered from now on.
    void Hold(const QByteArray& verb) { answers_.remove(verb); }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/"; }
    const QList<QByteArray>& Verbs() const { return verbs_; }

private:
    // One request at a time per connection: the head, then as much body as it says.
    void Serve(QTcpSocket& socket) {
        QByteArray& pending = pending_[&socket];
        pending += socket.readAll();
        for (;;) {
            const qsizetype headEnd = pending.indexOf("\r\n\r\n");
            if (headEnd < 0) return;
            const QByteArray head = pending.left(headEnd).toLower();
            qsizetype length = 0;
            if (const qsizetype at = head.indexOf("\r\ncontent-length:"); at >= 0)
                length = head.mid(at + 17, head.indexOf('\r', at + 2) - at - 17).trimmed().toLongLong();
            if (pending.size() < headEnd + 4 + length) return;
            const QByteArray verb = pending.left(pending.indexOf(' '));
            const QByteArray request = pending.left(headEnd + 4 + length);
            pending.remove(0, headEnd + 4 + length);
            verbs_ << verb;
            if (respond_) {
                socket.write(respond_(request));
                socket.flush();
                socket.disconnectFromHost();
                return;
            }
            if (const auto answer = answers_.find(verb); answer != answers_.end()) socket.write(*answer);
        }
    }

    TResponder respond_;
    QMap<QByteArray, QByteArray> answers_;
    QMap<QTcpSocket*, QByteArray> pending_;
    QList<QByteArray> verbs_;
    // Last: its connections close, and say so, while the rest is still there.
    QTcpServer server_;
};

}  // namespace tkm::test
