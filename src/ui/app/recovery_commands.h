#pragma once

#include "base/locale_formats.h"
#include "grid/base_grid.h"
#include "tasks/recovery_folder.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

namespace tkm {

class Clock;
class Dialogs;
class TDocumentSession;

// Keeps unsaved changes in a recovery file, so that a crash or a power loss
// loses at most the last moments of work, and offers the changes that an
// earlier run left behind. The file is written once the user has paused for
// the idle time, from a copy of the table taken at once and written out on a
// worker thread, so that even a long list never holds up the window.
class TRecoveryCommands final : public QObject {
public:
    struct TParts {
        TDocumentSession& Session;
        TBaseGrid& Grid;
        Dialogs& DialogBoxes;
        const Clock& TimeSource;
        const TLocaleFormats& Formats;
    };
    TRecoveryCommands(const std::string& folder, TParts parts, std::chrono::milliseconds idleTime);
    // The program ends as it should: its changes were saved or given up.
    ~TRecoveryCommands() override;

    // Each change starts the idle time again; a document without changes needs no file.
    void ModifiedChanged(bool modified);
    // Asks, newest first, whether to restore the changes of runs that ended
    // without closing, until one is restored.
    void OfferOrphans();
    // This run's file; empty when the folder cannot be written.
    std::string FileName() const { return own_ ? own_->Path : std::string(); }
    // The program is about to end without closing: the changes are written
    // at once, on this thread, and left for the next start however it ends.
    void KeepForNextStart();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WriteSnapshot();
    TRecoveryRecord Record() const;
    static void WriteFile(const std::string& path, const TRecoveryRecord& record, const TBaseGrid& table);
    void Written();
    void FinishWriting();
    void RemoveFile();
    void Restore(TOrphan& orphan);

    TParts parts_;
    TRecoveryFolder folder_;
    std::optional<TOwnRecoveryFile> own_;
    QTimer idle_;
    std::optional<TBaseGrid> snapshot_;  // what the worker writes
    std::thread writer_;
    bool kept_ = false;  // the file outlives even a clean end
};

}  // namespace tkm
