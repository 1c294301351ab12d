#include "platform/fake/fake_dialogs.h"

#include <stdexcept>

namespace tkm {

namespace {

template <typename T>
T Next(std::deque<T>& script, const std::string& what) {
    if (script.empty()) throw std::logic_error("unscripted " + what);
    T value = std::move(script.front());
    script.pop_front();
    return value;
}

}  // namespace

TConfirmAnswer ScriptedDialogs::Confirm(const std::string& text, TConfirmButtons buttons) {
    Questions.push_back({text, buttons});
    return Next(Answers, "question: " + text);
}

std::optional<TFileDialogResult> ScriptedDialogs::OpenFile(const TFileDialogRequest& request) {
    OpenRequests.push_back(request);
    return Next(OpenChoices, "open dialog");
}

std::optional<TFileDialogResult> ScriptedDialogs::SaveFile(const TFileDialogRequest& request) {
    SaveRequests.push_back(request);
    return Next(SaveChoices, "save dialog");
}

std::optional<TPrintJob> ScriptedDialogs::ChoosePrintJob() { return Next(PrintJobs, "print dialog"); }

std::optional<TPrintFont> ScriptedDialogs::ChooseFont(const TPrintFont& font) {
    FontRequests.push_back(font);
    return Next(Fonts, "font dialog");
}

}  // namespace tkm
