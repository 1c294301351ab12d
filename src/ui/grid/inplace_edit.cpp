#include "ui/grid/inplace_edit.h"

#include "base/date_text.h"
#include "grid/lookup_list.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/undo_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

#include <limits>

namespace tkm {

namespace {

constexpr int MaxCompletionLength = 255;
// The task grid's editor takes text of any length.
constexpr int NoLengthLimit = 0;

bool IsKeypadDecimal(const QKeyEvent& e) {
    return (e.modifiers() & Qt::KeypadModifier) && (e.key() == Qt::Key_Period || e.key() == Qt::Key_Comma);
}

}  // namespace

TGridInplaceEdit::TGridInplaceEdit(QWidget* grid, const TLookupList& lookup, const TLocaleFormats& formats)
    : QLineEdit(grid), lookup_(lookup), formats_(formats) {
    // The text stays where the cell draws it: the line edit's own margins
    // match the cell's, and the top, not the middle, holds the line.
    setFrame(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The window's pop-up menu serves the editor too.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Qt's own limit would stop at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    // Every change, typed, pasted or completed; setText from the grid too.
    connect(this, &QLineEdit::textChanged, this, [this] { CheckNumber(false); });
    hide();
}

void TGridInplaceEdit::SetNumberMode(bool on) {
    numberMode_ = on;
    CheckNumber(false);
}

TNumberText TGridInplaceEdit::NumberReading() const {
    return ReadNumberText(text().toStdU16String(), formats_.DecimalSeparator, formats_.ThousandSeparator);
}

std::string TGridInplaceEdit::NumberCellText() const {
    return DisplayToCell(QString::fromStdU16String(WithoutGrouping(text().toStdU16String(), formats_.ThousandSeparator)));
}

void TGridInplaceEdit::RefuseNumber() {
    SetMarked(true);
    QApplication::beep();
}

void TGridInplaceEdit::CheckNumber(bool userEdit) {
    const bool wrong = numberMode_ && NumberReading() == TNumberText::NotANumber;
    SetMarked(wrong);
    if (wrong && userEdit) QApplication::beep();
}

void TGridInplaceEdit::SetMarked(bool marked) {
    if (marked == marked_) return;
    marked_ = marked;
    if (!marked) {
        setPalette(QPalette());  // the grid's colours again, following the desktop's
        return;
    }
    QPalette wrong = palette();
    wrong.setColor(QPalette::Text, Qt::darkRed);
    wrong.setColor(QPalette::Base, QColor(0xff, 0xe0, 0xe0));
    setPalette(wrong);
}

bool TGridInplaceEdit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        // The window's Shift+Ins and Shift+Del (add and delete an entry) come
        // before the editor's own paste and cut on those keys.
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() == Qt::ShiftModifier &&
            (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete))
            return false;
        if (LeavesUndoKeyToWindow(*key, this)) return false;
    }
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            emit GridKey(key);
            return true;
        }
    }
    return QLineEdit::event(e);
}

bool TGridInplaceEdit::AcceptsTyped(const QKeyEvent& e) {
    if (!numberMode_ || (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || e.text().size() != 1 ||
        !e.text()[0].isPrint())
        return true;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = int(selectedText().size());
    switch (NumberKeyVerdict(text().toStdU16String(), start, length, e.text()[0].unicode(),
                             formats_.ThousandSeparator)) {
    case TKeyVerdict::Accept: return true;
    case TKeyVerdict::Beep: QApplication::beep(); return false;
    case TKeyVerdict::Ignore: return false;
    }
    return false;
}

void TGridInplaceEdit::keyPressEvent(QKeyEvent* e) {
    if (IsKeypadDecimal(*e)) {
        // The keypad's decimal key types the locale's separator.
        QKeyEvent typed(e->type(), e->key(), e->modifiers() & ~Qt::KeypadModifier,
                        QString(QChar(char16_t(static_cast<unsigned char>(formats_.DecimalSeparator)))));
        keyPressEvent(&typed);
        return;
    }
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit GridKey(e);
        return;
    default: break;
    }
    if (e->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    if (!AcceptsTyped(*e)) return;
    const bool character = !e->text().isEmpty() && e->text()[0].isPrint() &&
                           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    QLineEdit::keyPressEvent(e);
    if (character) {
        typedSinceCompletion_ = true;
        CheckNumber(true);
    }
}

void TGridInplaceEdit::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right || !typedSinceCompletion_) return;
    typedSinceCompletion_ = false;
    // A typed number means that number, not a longer one from the list.
    if (!numberMode_ && !hasSelectedText()) Complete();
}

void TGridInplaceEdit::Complete() {
    const QString typed = text().left(cursorPosition());
    const std::string* item = lookup_.Match(DisplayToCell(typed));
    if (!item) return;
    const QString completed = (typed + CellToDisplay(*item).mid(typed.size())).left(MaxCompletionLength);
    if (completed == text()) return;
    setText(completed);
    setSelection(int(typed.size()), int(completed.size() - typed.size()));
    emit textEdited(completed);
}

void TGridInplaceEdit::Paste() { PasteText(QApplication::clipboard()->text()); }

void TGridInplaceEdit::PasteText(QString clip) {
    const qsizetype zero = clip.indexOf(QChar(0));
    if (zero >= 0) clip.truncate(zero);
    if (clip.isEmpty() || isReadOnly()) return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = int(selectedText().size());
    const auto pasted = ComposePaste(text().toStdU16String(), start, length, clip.toStdU16String(), NoLengthLimit);
    if (!pasted) return;
    // A number editor takes a paste only where it leaves a number, or the
    // start of one; the beep says why nothing came in.
    if (numberMode_ && ReadNumberText(pasted->Text, formats_.DecimalSeparator, formats_.ThousandSeparator) ==
                           TNumberText::NotANumber) {
        QApplication::beep();
        return;
    }
    const QString result = QString::fromStdU16String(pasted->Text);
    setText(result);
    if (pasted->SelLength > 0) setSelection(pasted->SelStart, pasted->SelLength);
    else setCursorPosition(pasted->SelStart);
    emit textEdited(result);
}

void TGridInplaceEdit::mouseReleaseEvent(QMouseEvent* e) {
    // The middle button pastes the X selection: by the same rules.
    if (e->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteText(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TGridInplaceEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && isVisible()) emit FocusLeftWindow();
}

}  // namespace tkm
