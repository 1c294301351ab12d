#include "platform/keychain/keychain_password_store.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

namespace tkm {

namespace {

const QString Service = QStringLiteral("Taskmere CalDAV");

// Runs a keyring job to its end; the keyring answers on the event loop.
void RunJob(QKeychain::Job& job, const std::string& account) {
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    job.setKey(QString::fromStdString(account));
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

std::optional<std::string> TKeychainPasswordStore::Read(const std::string& account) {
    QKeychain::ReadPasswordJob job(Service);
    RunJob(job, account);
    if (job.error() != QKeychain::NoError) return std::nullopt;
    return job.textData().toStdString();
}

std::optional<std::string> TKeychainPasswordStore::Write(const std::string& account, const std::string& password) {
    QKeychain::WritePasswordJob job(Service);
    job.setTextData(QString::fromStdString(password));
    RunJob(job, account);
    if (job.error() == QKeychain::NoError) return std::nullopt;
    return job.errorString().toStdString();
}

void TKeychainPasswordStore::Forget(const std::string& account) {
    QKeychain::DeletePasswordJob job(Service);
    RunJob(job, account);
}

}  // namespace tkm
