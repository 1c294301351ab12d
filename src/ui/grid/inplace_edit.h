#pragma once

#include "grid/edit_filters.h"

#include <QLineEdit>

#include <string>

namespace tkm {

class TLookupList;
struct TLocaleFormats;

// The grid's normal single-line editor, shown over the current cell. It
// completes typed words from the grid's lookup list and, for number cells,
// filters the characters typed and pasted.
class TGridInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    TGridInplaceEdit(QWidget* grid, const TLookupList& lookup, const TLocaleFormats& formats);

    void SetNumberMode(bool on);
    // Pastes the clipboard's text by the editor's rules.
    void Paste();
    void PasteText(QString clip);

    // How the text reads as a number, and the text the number cell keeps.
    TNumberText NumberReading() const;
    std::string NumberCellText() const;
    // A text that is no number yet is kept but not taken: marked, with a beep.
    void RefuseNumber();
    bool Marked() const { return marked_; }

signals:
    // Keys the grid acts on while the editor is open (Enter, Escape, Tab, Up, Down).
    void GridKey(QKeyEvent* event);
    void FocusLeftWindow();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool AcceptsTyped(const QKeyEvent& event);
    void Complete();
    // Marks a number text that cannot become one; beeps when the user made it so.
    void CheckNumber(bool userEdit);
    void SetMarked(bool marked);

    const TLookupList& lookup_;
    const TLocaleFormats& formats_;
    bool numberMode_ = false;
    bool typedSinceCompletion_ = false;
    bool marked_ = false;
};

}  // namespace tkm
