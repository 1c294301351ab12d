#pragma once

#include "grid/print/print_settings.h"
#include "platform/print_job.h"

#include <optional>
#include <string>

namespace tkm {

enum class TConfirmButtons { YesNo, YesNoCancel };
// None: the box was closed without an answer.
enum class TConfirmAnswer { Yes, No, Cancel, None };

struct TFileDialogRequest {
    std::string Title;
    // Pairs "description|pattern|description|pattern...".
    std::string Filter;
    int FilterIndex = 1;  // 1-based
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;
};

struct TFileDialogResult {
    std::string FileName;
    int FilterIndex = 1;
};

// The desktop's modal boxes and file choosers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A confirmation box titled "Confirm".
    virtual TConfirmAnswer Confirm(const std::string& text, TConfirmButtons buttons) = 0;
    // The application's standard error box.
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowInformation(const std::string& title, const std::string& text) = 0;
    virtual std::optional<TFileDialogResult> OpenFile(const TFileDialogRequest& request) = 0;
    virtual std::optional<TFileDialogResult> SaveFile(const TFileDialogRequest& request) = 0;
    // The desktop's print dialog: printer, page range and copies. None: cancelled.
    virtual std::optional<TPrintJob> ChoosePrintJob() = 0;
    // The desktop's font dialog, with colour and effects. None: cancelled.
    virtual std::optional<TPrintFont> ChooseFont(const TPrintFont& font) = 0;
};

}  // namespace tkm
