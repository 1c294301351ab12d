#pragma once

#include <QLineEdit>

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

    void SetNumberMode(bool on) { numberMode_ = on; }
    // Pastes the clipboard's text by the editor's rules.
    void Paste();
    void PasteText(QString clip);

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

    const TLookupList& lookup_;
    const TLocaleFormats& formats_;
    bool numberMode_ = false;
    bool typedSinceCompletion_ = false;
};

}  // namespace tkm
