#include "ui/app/macro_commands.h"

#include "tasks/open_macro.h"
#include "ui/app/document_commands.h"

#include <QApplication>
#include <QTimer>

namespace tkm {

namespace {

// How soon a transaction that waits for a dialog of the user's looks again.
constexpr int RetryMs = 250;

}  // namespace

TMacroCommands::TMacroCommands(TDocumentCommands& documents,
                               std::function<void(const std::string&)> showWindow, QObject* parent)
    : QObject(parent), documents_(documents), showWindow_(std::move(showWindow)) {}

void TMacroCommands::Execute(const std::string& macro) {
    // Forward even while a dialog of the user's holds the documents back.
    if (const auto token = ActivateMacroToken(macro)) showWindow_(*token);
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
        documents_.OpenMacro(macro, [this] { showWindow_({}); });
    }
    running_ = false;
}

}  // namespace tkm
