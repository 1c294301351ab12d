#include "ui/grid/task_grid.h"

#include "ui/grid/cell_text_codec.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"
#include "ui/grid/ui_colors.h"
#include "ui/table_texts.h"
#include "ui/wait_cursor.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

// The task grid's in-place editing: opening, committing and cancelling the
// editors, and the grid keys that change rows.

namespace tkm {

void TTaskGrid::CommitEditorRequested() {
    if (!editing_) return;
    // The normal editor has written the cell as the user typed; a separate one
    // writes it now. Either way the change is reported at once, so that an edit
    // ended by a lost focus still marks the document.
    CommitEdit(SeparateOpen() ? editors_->Text() : NormalEditorText());
    CloseEditor();
}

std::string TTaskGrid::NormalEditorText() const {
    std::string text = store_.GetCellText(editCol_, editRow_);
    // An untouched number stays as its file has it; a typed one loses its grouping.
    if (editKind_ != TEditorType::Number || text == restoreText_ || editor_->NumberReading() != TNumberText::Number)
        return text;
    return editor_->NumberCellText();
}

bool TTaskGrid::HoldsRefusedNumber() const {
    return editing_ && editKind_ == TEditorType::Number && store_.CellView(editCol_, editRow_) != restoreText_ &&
           editor_->NumberReading() != TNumberText::Number;
}

bool TTaskGrid::EditorMayClose() {
    if (!HoldsRefusedNumber()) return true;
    editor_->RefuseNumber();
    return false;
}

// --- editing ---

void TTaskGrid::SetFormats(const TLocaleFormats& formats) {
    formats_ = formats;
    editors_->ApplyFormats();
}

std::vector<std::string>& TTaskGrid::ComboItems() { return editors_->ComboItems(); }

void TTaskGrid::SetSpinBounds(int minimum, int maximum) { editors_->SetSpinBounds(minimum, maximum); }

bool TTaskGrid::SeparateOpen() const { return editing_ && TGridEditors::IsSeparate(editKind_); }

void TTaskGrid::SetEditingEnabled(bool enabled) {
    if (!enabled) CommitEditorRequested();
    editingEnabled_ = enabled;
}

void TTaskGrid::TakeSavedText() {
    const int col = store_.DisplayToReal(store_.Col());
    const int row = store_.Row();
    savedText_ = row >= 0 && row < store_.RowCount() ? store_.GetCellText(col, row) : "";
}

void TTaskGrid::ShowInplaceEditor() { OpenEditor(nullptr, false); }

void TTaskGrid::StartEditing() {
    QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
}

void TTaskGrid::CommitEditor() { CommitEditorRequested(); }

void TTaskGrid::OpenEditor(const QString* typed, bool byClick) {
    const int row = store_.Row();
    if (committing_ || editing_ || !editingEnabled_ || row < store_.FixedRows() || row >= store_.RowCount()) return;
    const int col = store_.DisplayToReal(store_.Col());
    if (store_.Col() < store_.FixedCols()) return;
    // The edit is measured from the cell as it is now: since the current cell
    // last moved, a whole other table may have been put in place.
    TakeSavedText();
    restoreText_ = savedText_;
    // What the edit start changes in the row, and the edit, are one step.
    history_.BeginEdit(tr("Edit %1").arg(QString::fromStdString(ColumnName(col))).toStdString(), ViewState());
    TEditorType kind = TEditorType::Normal;
    if (OnGetEditorType) OnGetEditorType(col, row, kind);
    if (TGridEditors::IsSeparate(kind)) {
        OpenSeparateEditor(kind, col, row, typed);
        return;
    }
    editKind_ = kind;
    editor_->SetNumberMode(kind == TEditorType::Number);
    std::string value = restoreText_;
    if (OnGetEditText) OnGetEditText(col, row, value);
    editCol_ = col;
    editRow_ = row;
    editing_ = true;
    editor_->setText(CellToDisplay(value));
    // A click on a number selects it, so that typing replaces it as after Tab;
    // a text is more often added to.
    if (byClick && kind == TEditorType::Number) editor_->selectAll();
    else editor_->end(false);
    if (typed) {
        // The key that started the edit replaces the text, through the
        // editor's filter and completion like any other key.
        editor_->clear();
        const int key = int(typed->at(0).toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, *typed);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, *typed);
        QCoreApplication::sendEvent(editor_, &press);
        QCoreApplication::sendEvent(editor_, &release);
        if (editor_->text().isEmpty()) {  // refused: the cell's text stays
            editor_->setText(CellToDisplay(value));
            editor_->end(false);
        }
    }
    UpdateEditorGeometry();
    NameEditor(*editor_);
    editor_->show();
    editor_->setFocus();
}

void TTaskGrid::OpenSeparateEditor(TEditorType kind, int col, int row, const QString* typed) {
    TEditorStart start;
    if (kind == TEditorType::SpinEdit) {
        try {
            start.Integer = store_.GetCellInteger(col, row);
        } catch (const EGridError&) {
            QApplication::beep();  // not a whole number: nothing to spin
            history_.EndEdit(ViewState());
            return;
        }
    } else {
        start.Value = restoreText_;
        if (OnGetEditText) OnGetEditText(col, row, start.Value);
    }
    start.Rect = CellRect(store_.Col(), row);
    start.Background = ToQColor(Styler().ScreenStyle(store_.Col(), row).Brush, scheme_);
    editCol_ = col;
    editRow_ = row;
    editKind_ = kind;
    editing_ = true;
    editors_->Open(kind, start, *clock_);
    NameEditor(*editors_->Active());
    // The key that opened a picker is its first digit, as in the spin editor.
    if (typed) editors_->TypeFirstKey(*typed);
}

void TTaskGrid::NameEditor(QWidget& editor) const {
    editor.setAccessibleName(tr("%1, row %2").arg(QString::fromStdString(ColumnName(editCol_))).arg(editRow_));
}

void TTaskGrid::CloseEditor() {
    if (!editing_) return;
    const bool separate = SeparateOpen();
    // The window's focus, not the application's: keys reach an inactive
    // window's focus widget too, and must not go on to a hidden editor.
    const QWidget* control = separate ? editors_->Active() : editor_;
    const QWidget* focus = window()->focusWidget();
    const bool hadFocus = focus && (focus == control || control->isAncestorOf(focus));
    if (!separate) lookupItems_.Add(DisplayToCell(editor_->text()));
    editing_ = false;
    editKind_ = TEditorType::Normal;
    if (hadFocus) setFocus();
    if (separate) editors_->Close();
    else editor_->hide();
    RowInvalidated(editRow_);
    editCol_ = editRow_ = -1;
    history_.EndEdit(ViewState());
}

void TTaskGrid::CommitEdit(const std::string& text) {
    if (committing_ || text == savedText_) return;
    committing_ = true;
    try {
        store_.CellsChanged({editCol_, editRow_, editCol_, editRow_});
        store_.SetCellText(editCol_, editRow_, text);
    } catch (...) {
        committing_ = false;
        throw;
    }
    committing_ = false;
    TakeSavedText();
}

void TTaskGrid::CancelEdit() {
    if (!editing_) return;
    store_.SetCellText(editCol_, editRow_, restoreText_);
    CloseEditor();
}

void TTaskGrid::UpdateEditorGeometry() {
    if (!editing_) return;
    const QRect rect = CellRect(store_.RealToDisplay(editCol_), editRow_);
    if (SeparateOpen()) {
        if (rect.isEmpty() && isVisible()) CommitEditorRequested();
        else editors_->Place(rect);
        return;
    }
    if (rect.isEmpty()) {
        editor_->hide();
        return;
    }
    editor_->setGeometry(rect);
    if (!editor_->isVisible()) editor_->show();
}

void TTaskGrid::OnEditorTextEdited(const QString& text) {
    if (editing_) store_.SetCellText(editCol_, editRow_, DisplayToCell(text));
}

void TTaskGrid::OnEditorKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!EditorMayClose()) return;
        CommitEdit(NormalEditorText());
        CloseEditor();
        break;
    case Qt::Key_Escape: CancelEdit(); break;
    default: keyPressEvent(event);  // Tab, arrows and pages move as on the grid
    }
}

void TTaskGrid::OnSeparateKey(QKeyEvent* event) {
    const int col = store_.Col();
    const int row = store_.Row();
    switch (event->key()) {
    case Qt::Key_Escape:
        // The cell keeps its text, even one no picker can show.
        CancelEdit();
        return;
    case Qt::Key_Tab:
        CommitEditorRequested();
        MoveByTab(false);
        return;
    case Qt::Key_Backtab:
        CommitEditorRequested();
        MoveByTab(true);
        return;
    case Qt::Key_Up: CommitEditorRequested(); MoveRows(-1); return;
    case Qt::Key_Down: CommitEditorRequested(); MoveRows(1); return;
    case Qt::Key_Left: CommitEditorRequested(); MoveCurrent(col - 1, row); return;
    case Qt::Key_Right: CommitEditorRequested(); MoveCurrent(col + 1, row); return;
    default: CommitEditorRequested(); return;  // Enter
    }
}

// --- undo ---

std::string TTaskGrid::SortStepName(int realCol) {
    return tr("Sort by %1").arg(QString::fromStdString(ColumnName(realCol))).toStdString();
}

std::string TTaskGrid::ColumnName(int realCol) {
    const bool known = realCol >= 0 && realCol < TaskColumnCount;
    return (known ? ColumnText(TaskTable::Headers[std::size_t(realCol)]) : tr("Cell")).toStdString();
}

TTaskGrid::TUndoStep::TUndoStep(TTaskGrid& grid, const std::string& name) : grid_(grid) {
    grid_.CommitEditor();
    grid_.history_.Begin(name, grid_.ViewState());
}

TTaskGrid::TUndoStep::~TUndoStep() { grid_.history_.End(grid_.ViewState()); }

void TTaskGrid::Undo() {
    CommitEditor();
    if (history_.CanUndo()) TakeHistoryStep(history_.UndoBytes(), [this] { return history_.Undo(); });
}

void TTaskGrid::Redo() {
    CommitEditor();
    if (history_.CanRedo()) TakeHistoryStep(history_.RedoBytes(), [this] { return history_.Redo(); });
}

void TTaskGrid::TakeHistoryStep(std::size_t bytes, const std::function<TViewState()>& step) {
    // Taking back a long list's sort moves every row and cannot tell how far
    // it has come: the bar is on screen, still, until it is done.
    const TWaitCursor wait;
    TLongStep progress(stepProgress_, false);
    if (bytes >= LongHistoryStepBytes) progress.Show();
    ShowViewState(step());
}

void TTaskGrid::ShowViewState(const TViewState& state) {
    sortSettings_ = state.Sort;
    if (store_.RowCount() > store_.FixedRows())
        store_.SetCurrentCell(std::clamp(state.Col, 0, store_.ColCount() - 1),
                              std::clamp(state.Row, store_.FixedRows(), store_.RowCount() - 1));
    TakeSavedText();
    ScrollToCurrent();
    viewport()->update();
}

// --- row keys ---

// An empty row above the current one, which stays current.
void TTaskGrid::InsertRowKey() {
    if (editing_ || store_.Row() < store_.FixedRows()) return;
    const TUndoStep step(*this, tr("Insert Entry").toStdString());
    store_.InsertRows(store_.Row(), 1);
    TakeSavedText();
    ScrollToCurrent();
    viewport()->update();
}

// No question asked; the last entry is emptied rather than removed.
void TTaskGrid::DeleteRowKey() {
    const int row = store_.Row();
    if (editing_ || row < store_.FixedRows() || store_.RowCount() - store_.FixedRows() < 1) return;
    const TUndoStep step(*this, tr("Delete Entry").toStdString());
    if (store_.RowCount() - store_.FixedRows() == 1) store_.ClearCells(0, row, row, store_.RealColCount() - 1);
    else store_.RemoveRows(row, 1);
    TakeSavedText();
    viewport()->update();
}

}  // namespace tkm
