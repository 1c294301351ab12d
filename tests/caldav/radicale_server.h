#pragma once

#include "support/temp_folder.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tkm::test {

struct TRadicaleOptions {
    // Where the storage folder goes. In memory (/dev/shm) the disk's flush
    // after every file Radicale writes is left out of what is timed.
    std::filesystem::path Parent = std::filesystem::temp_directory_path();
    // PEM files: the server speaks https with that certificate.
    std::string Certificate;
    std::string Key;
};

// A Radicale of its own on 127.0.0.1: a free port, a storage folder that goes
// with it, and two users, alice ("secret") and bob ("other").
class TRadicaleServer {
public:
    explicit TRadicaleServer(const TRadicaleOptions& options = {}) : folder_(options.Parent), tls_(!options.Certificate.empty()) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("no free port");
        port_ = probe.serverPort();
        probe.close();
        WriteBytes(folder_.File("users"), "alice:secret\nbob:other\n");
        WriteBytes(folder_.File("config"),
                   "[server]\nhosts = 127.0.0.1:" + std::to_string(port_) +
                       (tls_ ? "\nssl = True\ncertificate = " + options.Certificate + "\nkey = " + options.Key : std::string()) +
                       "\n[auth]\ntype = htpasswd\nhtpasswd_filename = " + folder_.File("users") +
                       "\nhtpasswd_encryption = plain\ndelay = 0\n[rights]\ntype = owner_only\n"
                       "[storage]\nfilesystem_folder = " + folder_.File("storage") +
                       "\n[logging]\nlevel = warning\n");
        Start();
    }
    ~TRadicaleServer() { Stop(); }
    TRadicaleServer(const TRadicaleServer&) = delete;
    TRadicaleServer& operator=(const TRadicaleServer&) = delete;

    // The same storage and port again, after Stop.
    void Start() {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--config"),
                        QString::fromStdString(folder_.File("config"))});
        if (!process_.waitForStarted(10000)) throw std::runtime_error("radicale does not start");
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port_);
            if (socket.waitForConnected(200)) return;
            if (process_.state() == QProcess::NotRunning) break;
            QThread::msleep(50);
        }
        throw std::runtime_error("radicale does not listen on port " + std::to_string(port_));
    }
    void Stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(10000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    std::string Url() const { return (tls_ ? "https" : "http") + std::string("://127.0.0.1:") + std::to_string(port_) + "/"; }
    const TTempFolder& Folder() const { return folder_; }

private:
    TTempFolder folder_;
    bool tls_;
    quint16 port_ = 0;
    QProcess process_;
};

}  // namespace tkm::test
