#include "ui/app/clipboard_commands.h"

#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

namespace tkm {

namespace {

// The text box behind a focused widget: a line edit, or the spin editor's own.
// The list and the pickers are not text boxes.
QLineEdit* TextBoxOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit;
    if (auto* spin = qobject_cast<TGridSpin*>(widget)) return spin->TextBox();
    return nullptr;
}

}  // namespace

TClipboardCommands::TClipboardCommands(QAction* cut, QAction* copy, QAction* paste, QObject* parent)
    : QObject(parent), cut_(cut), copy_(copy), paste_(paste) {
    connect(cut_, &QAction::triggered, this, &TClipboardCommands::Cut);
    connect(copy_, &QAction::triggered, this, &TClipboardCommands::Copy);
    connect(paste_, &QAction::triggered, this, &TClipboardCommands::Paste);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TClipboardCommands::Update);
    FocusChanged(QApplication::focusWidget());
}

void TClipboardCommands::FocusChanged(QWidget* now) {
    // Opening a menu moves the focus to the menu bar for a moment; the commands
    // are for the text box the user was in.
    if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now)) return;
    disconnect(selection_);
    target_ = TextBoxOf(now);
    if (target_) selection_ = connect(target_, &QLineEdit::selectionChanged, this, &TClipboardCommands::Update);
    Update();
}

void TClipboardCommands::Update() {
    const bool box = target_ && target_->isVisible();
    const bool writable = box && !target_->isReadOnly();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    cut_->setEnabled(writable && target_->hasSelectedText());
    copy_->setEnabled(box && target_->hasSelectedText());
    paste_->setEnabled(writable && data && data->hasText());
}

void TClipboardCommands::Cut() {
    if (target_) target_->cut();
    Update();
}

void TClipboardCommands::Copy() {
    if (target_) target_->copy();
}

void TClipboardCommands::Paste() {
    if (auto* editor = qobject_cast<TGridInplaceEdit*>(target_.data())) editor->Paste();
    else if (target_) target_->paste();
    Update();
}

}  // namespace tkm
