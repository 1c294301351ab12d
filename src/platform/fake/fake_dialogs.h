#pragma once

#include "platform/dialogs.h"
#include "platform/shell.h"

#include <deque>
#include <string>
#include <vector>

namespace tkm {

// Answers questions and file choosers from a script; records what was asked.
// A question with no scripted answer fails the test loudly instead of blocking.
class ScriptedDialogs final : public Dialogs {
public:
    struct TQuestion {
        std::string Text;
        TConfirmButtons Buttons;
    };

    std::deque<TConfirmAnswer> Answers;
    std::deque<std::optional<TFileDialogResult>> OpenChoices;
    std::deque<std::optional<TFileDialogResult>> SaveChoices;
    std::deque<std::optional<TPrintJob>> PrintJobs;
    std::deque<std::optional<TPrintFont>> Fonts;
    std::vector<TPrintFont> FontRequests;

    std::vector<TQuestion> Questions;
    std::vector<std::string> Errors;
    std::vector<std::string> Informations;
    std::vector<TFileDialogRequest> OpenRequests;
    std::vector<TFileDialogRequest> SaveRequests;

    TConfirmAnswer Confirm(const std::string& text, TConfirmButtons buttons) override;
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    void ShowInformation(const std::string& title, const std::string& text) override {
        Informations.push_back(title + ": " + text);
    }
    std::optional<TFileDialogResult> OpenFile(const TFileDialogRequest& request) override;
    std::optional<TFileDialogResult> SaveFile(const TFileDialogRequest& request) override;
    std::optional<TPrintJob> ChoosePrintJob() override;
    std::optional<TPrintFont> ChooseFont(const TPrintFont& font) override;
};

class RecordingShell final : public Shell {
public:
    std::vector<std::string> Opened;
    void Open(const std::string& fileOrUrl) override { Opened.push_back(fileOrUrl); }
};

}  // namespace tkm
