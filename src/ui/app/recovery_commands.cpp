#include "ui/app/recovery_commands.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "tasks/document_session.h"
#include "tasks/task_document.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>

namespace tkm {

TRecoveryCommands::TRecoveryCommands(const std::string& folder, TParts parts, std::chrono::milliseconds idleTime)
    : parts_(parts), folder_(folder) {
    own_ = folder_.ClaimOwn(int(QCoreApplication::applicationPid()));
    idle_.setSingleShot(true);
    idle_.setInterval(idleTime);
    connect(&idle_, &QTimer::timeout, this, [this] { WriteSnapshot(); });
    // Typing into an open cell editor changes nothing yet, but it is not a pause either.
    QCoreApplication::instance()->installEventFilter(this);
}

TRecoveryCommands::~TRecoveryCommands() {
    FinishWriting();
    if (!kept_) RemoveFile();
    if (own_) own_->Lock.Remove();
}

void TRecoveryCommands::ModifiedChanged(bool modified) {
    kept_ = false;
    if (!own_) return;
    if (modified) {
        idle_.start();
        return;
    }
    idle_.stop();
    // A write under way removes the file itself when it is done.
    if (!writer_.joinable()) RemoveFile();
}

bool TRecoveryCommands::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (idle_.isActive() && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress)) idle_.start();
    return QObject::eventFilter(watched, event);
}

void TRecoveryCommands::WriteSnapshot() {
    if (!own_ || !parts_.Session.Modified()) return;
    if (writer_.joinable()) {
        // The next write starts when this one is done.
        idle_.start();
        return;
    }
    // The copy is taken here, on the window's thread, so that the table the
    // worker writes cannot change under it. It shares the texts with the
    // table, and is let go on this thread too, after the worker is done.
    snapshot_.emplace(parts_.Grid);
    writer_ = std::thread([this, &table = *snapshot_, record = Record(), path = own_->Path] {
        WriteFile(path, record, table);
        QMetaObject::invokeMethod(this, [this] { Written(); }, Qt::QueuedConnection);
    });
}

void TRecoveryCommands::KeepForNextStart() {
    idle_.stop();
    FinishWriting();
    if (!own_ || !parts_.Session.Modified()) return;
    WriteFile(own_->Path, Record(), parts_.Grid);
    kept_ = true;
}

TRecoveryRecord TRecoveryCommands::Record() const {
    return {parts_.Session.FileName(), parts_.TimeSource.Today(), parts_.TimeSource.Now()};
}

void TRecoveryCommands::WriteFile(const std::string& path, const TRecoveryRecord& record, const TBaseGrid& table) {
    try {
        WriteRecoveryFile(path, record, table);
    } catch (const std::exception& error) {
        // Nothing the user could act on now; the next pause tries again.
        std::fprintf(stderr, "taskmere: %s\n", error.what());
    }
}

void TRecoveryCommands::Written() {
    FinishWriting();
    // Saved, or started anew, while the file was written: it is out of date.
    if (!parts_.Session.Modified()) RemoveFile();
}

void TRecoveryCommands::FinishWriting() {
    if (writer_.joinable()) writer_.join();
    snapshot_.reset();
}

void TRecoveryCommands::RemoveFile() {
    if (own_) std::remove(own_->Path.c_str());
}

void TRecoveryCommands::OfferOrphans() {
    const TDate today = parts_.TimeSource.Today();
    folder_.DeleteExpired(today);
    for (TOrphan& orphan : folder_.ClaimOrphans(today)) {
        switch (parts_.DialogBoxes.Confirm(RecoveryQuestion(orphan.Record, parts_.Formats), TConfirmButtons::YesNo)) {
        case TConfirmAnswer::Yes: Restore(orphan); return;
        case TConfirmAnswer::No: folder_.SetAside(orphan, today); break;
        default: break;  // closed without an answer: asked again at the next start
        }
    }
}

void TRecoveryCommands::Restore(TOrphan& orphan) {
    TBaseGrid document = TaskDocumentFromText(orphan.Table);
    // The file becomes this run's own, so the changes stay safe until the next write.
    if (own_) folder_.Adopt(orphan, *own_);
    parts_.Session.Restore(orphan.Record.DocumentName, document);
}

}  // namespace tkm
