#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <string>

namespace tkm {

class TDocumentCommands;

// Execute transactions from other programs: run one after the other, and
// never under a dialog the user has open, whose command would go on with
// another document.
class TMacroCommands final : public QObject {
public:
    // showWindow brings the window forward: at once for an "[Activate(" line,
    // with its token, and before each document opens.
    TMacroCommands(TDocumentCommands& documents, std::function<void(const std::string& activationToken)> showWindow,
                   QObject* parent);

    void Execute(const std::string& macro);

private:
    void RunPending();

    TDocumentCommands& documents_;
    std::function<void(const std::string&)> showWindow_;
    std::deque<std::string> pending_;
    bool running_ = false;
    bool retryQueued_ = false;
};

}  // namespace tkm
