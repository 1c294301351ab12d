#pragma once

#include "platform/dialogs.h"
#include "platform/shell.h"

class QWidget;

namespace tkm {

// Message boxes and file choosers of the desktop, parented to the main window.
class QtDialogs final : public Dialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    TConfirmAnswer Confirm(const std::string& text, TConfirmButtons buttons) override;
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& title, const std::string& text) override;
    std::optional<TFileDialogResult> OpenFile(const TFileDialogRequest& request) override;
    std::optional<TFileDialogResult> SaveFile(const TFileDialogRequest& request) override;
    std::optional<TPrintJob> ChoosePrintJob() override;
    std::optional<TPrintFont> ChooseFont(const TPrintFont& font) override;

private:
    QWidget* parent_ = nullptr;
};

class QtShell final : public Shell {
public:
    void Open(const std::string& fileOrUrl) override;
};

}  // namespace tkm
