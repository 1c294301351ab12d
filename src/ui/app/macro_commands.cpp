#include "ui/app/macro_commands.h"

#include "ui/app/document_commands.h"

#include <QApplication>
#include <QTimer>

namespace tkm {

namespace {

// How soon a transaction that waits for a dialog of the user's looks again.
constexpr int RetryMs = 250;

}  // namespace

TMacroCommands::TMacroCommands(TDocumentCommands& documents, std::function<void()> showWindow, QObject* parent)
    : QObject(parent), documents_(documents), showWindow_(std::move(showWindow)) {}

void TMacroCommands::Execute(const std::string& macro) {
    pending_.push_back(macro);
    RunPending();
}

void TMacroCommands::RunPending() {
    // A transaction that comes while one runs (its save question is open) waits its turn.
    if (running_ || pending_.empty()) return;
    if (QApplication::activeModalWidget()) {
        if (!retryQueued_) {
            retryQueued_ = true;
            QTimer::singleShot(RetryMs, this, [this] {
                retryQueued_ = false;
                RunPending();
            });
        }
        return;
    }
    running_ = true;
    while (!pending_.empty()) {
        const std::string macro = std::move(pending_.front());
        pending_.pop_front();
        documents_.OpenMacro(macro, showWindow_);
    }
    running_ = false;
}

}  // namespace tkm
