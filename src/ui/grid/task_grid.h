#pragma once

#include "grid/base_grid.h"
#include "grid/cell_style.h"
#include "grid/color_scheme.h"
#include "grid/find_options.h"
#include "grid/grid_geometry.h"
#include "grid/long_step.h"
#include "grid/lookup_list.h"
#include "grid/print/print_settings.h"
#include "grid/sort_settings.h"
#include "grid/undo_history.h"
#include "platform/clock.h"
#include "tasks/cell_styling.h"
#include "tasks/task_table.h"
#include "ui/grid/task_grid_accessible.h"

#include <QAbstractScrollArea>
#include <QFont>

#include <functional>
#include <string>

namespace tkm {

class Shell;
class TGridEditors;
class TGridInplaceEdit;

// The task grid: a view of the cell store that draws the cells in the task
// table's colours, scrolls a row at a time and edits cells in place. Only the
// rows on screen are ever visited.
class TTaskGrid : public QAbstractScrollArea, private TGridObserver {
    Q_OBJECT
public:
    TTaskGrid(Shell& shell, QWidget* parent = nullptr);
    ~TTaskGrid() override;

    TBaseGrid& Store() { return store_; }
    const TBaseGrid& Store() const { return store_; }
    // Puts a loaded store in place of the current one; its observers stay.
    void AdoptStore(TBaseGrid&& loaded);
    // Widens the columns whose headings or words, as the user's language
    // shows them, would not fit.
    void FitShownWords();

    // Where today for the colours and dates and times for the pickers come
    // from; the system clock unless set.
    void SetClock(const Clock& clock) { clock_ = &clock; }
    // Date, time and number formats of the editors, and of the due dates the
    // colours read.
    void SetFormats(const TLocaleFormats& formats);

    // Owner's hooks, by real column. OnGetEditorType may fill ComboItems() and
    // call SetSpinBounds() for the editor about to open.
    std::function<void(int col, int row, TEditorType& editor)> OnGetEditorType;
    std::function<void(int col, int row, std::string& value)> OnGetEditText;

    // Every change to the store, to undo and redo; the view state is this grid's.
    TUndoHistory& History() { return history_; }
    TViewState ViewState() const { return {store_.Col(), store_.Row(), sortSettings_}; }
    // Closes the editor, then makes the changes until it is destroyed one step.
    class TUndoStep {
    public:
        TUndoStep(TTaskGrid& grid, const std::string& name);
        ~TUndoStep();
        TUndoStep(const TUndoStep&) = delete;
        TUndoStep& operator=(const TUndoStep&) = delete;

    private:
        TTaskGrid& grid_;
    };
    // Undo and Redo close the editor first and show the step's cell and sort indicator.
    // "Sort by Status": the step a sort by a real column makes.
    static std::string SortStepName(int realCol);
    void Undo();
    void Redo();

    // The column and direction of the next sort; a header click sets them too.
    TSortSettings& SortSettings() { return sortSettings_; }
    // Sorts the data rows by SortSettings(), with the wait cursor on.
    void SortByColumn();
    void ShowInplaceEditor();
    // Queues F2: the editor opens when the event queue delivers it.
    void StartEditing();
    void CommitEditor();
    bool EditorMode() const { return editing_; }
    TGridInplaceEdit* InplaceEditor() const { return editor_; }
    // The spin editor, the list, the date and the time pickers.
    TGridEditors& SeparateEditors() const { return *editors_; }
    std::vector<std::string>& ComboItems();
    void SetSpinBounds(int minimum, int maximum);

    // Words the normal editor completes from; every normal edit adds its text.
    TLookupList& LookupItems() { return lookupItems_; }

    bool EditingEnabled() const { return editingEnabled_; }
    void SetEditingEnabled(bool enabled);

    // In viewport pixels; an empty rectangle for a cell off screen.
    QRect CellRect(int displayCol, int row) const;
    // The cell under a viewport point; none off the cells.
    TGridCoord CellAt(const QPoint& pos) const;
    // Where a long search or sort shows its progress; none unless set.
    void SetStepProgress(TStepProgressView* view) { stepProgress_ = view; }
    // The store's search, closing the editor first; with SelectHit the hit is
    // made current and scrolled into view, even when it was current already.
    // A long one shows its progress, and Cancel there ends it with EAbort.
    TGridCoord FindCell(TGridCoord start, std::string_view text, TFindOptions options);

    // A cell's text as the grid draws it: headings, statuses and priorities
    // in the user's language, the cell's bytes decoded otherwise.
    QString ShownText(int realCol, int row) const;

    // The colours a cell is drawn with, the current cell's highlight included;
    // system colours are still roles.
    TCellStyle CellStyle(int displayCol, int row) const;
    // The desktop palette's values of the system colours.
    const TColorScheme& Scheme() const { return scheme_; }
    const TLocaleFormats& Formats() const { return formats_; }
    // How the task list prints; the print settings dialog edits them.
    TPrintSettings& PrintSettings() { return printSettings_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab and Shift+Tab move between cells, not out of the grid.
    bool focusNextPrevChild(bool) override { return false; }

private:
    // A history step this large (a sort of some million rows) takes a good
    // part of a second to take back.
    static constexpr std::size_t LongHistoryStepBytes = std::size_t(4) << 20;

    // TGridObserver
    void CellInvalidated(int realCol, int row) override;
    void RowInvalidated(int row) override;
    void GridInvalidated() override;
    void LayoutChanged() override;
    void CurrentCellChanged() override;
    void CommitEditorRequested() override;

    TGridGeometry Geometry() const;
    // For one pass over the cells: the grid must not change while it is used.
    TCellStyler Styler() const;
    TCellStyle CellStyle(const TCellStyler& styler, int displayCol, int row) const;
    bool IsSelected(int displayCol, int row) const;
    void PaintCell(QPainter& painter, const TCellStyler& styler, int displayCol, int row, const QRect& rect) const;
    void ScrollToCurrent();
    void UpdateScrollBars();
    void UpdateEditorGeometry();

    // Moves to a shown row only.
    void MoveCurrent(int displayCol, int row);
    // Up or down by shown rows, in the current column.
    void MoveRows(int steps);
    void MoveByTab(bool backward);
    // A click opens number editors with their text selected.
    void OpenEditor(const QString* typed, bool byClick);
    void OpenSeparateEditor(TEditorType kind, int col, int row, const QString* typed);
    void CloseEditor();
    bool SeparateOpen() const;
    void CommitEdit(const std::string& text);
    // The normal editor's text as its cell takes it.
    std::string NormalEditorText() const;
    // A changed number text that reads as no number: the editor stays open on it.
    bool HoldsRefusedNumber() const;
    // False, with the editor marked and a beep, while it holds one.
    bool EditorMayClose();
    void TakeSavedText();
    void OnEditorTextEdited(const QString& text);
    void OnEditorKey(QKeyEvent* event);
    void OnSeparateKey(QKeyEvent* event);
    void CancelEdit();
    // Screen readers name the open editor after its cell: "Due Date, row 3".
    void NameEditor(QWidget& editor) const;
    void ShowViewState(const TViewState& state);
    // Undo or Redo, the step as large as `bytes`, then its view state.
    void TakeHistoryStep(std::size_t bytes, const std::function<TViewState()>& step);
    static std::string ColumnName(int realCol);
    void InsertRowKey();
    void DeleteRowKey();
    bool FollowLink(int displayCol, int row);
    void SelectForMenu(const QPoint& pos);
    // Whether the header shows the indicator and takes sort clicks.
    bool SortIndicatorShown() const;
    bool IsSortClick(const QPoint& pos, int& displayCol) const;

    Shell& shell_;
    SystemClock systemClock_;
    const Clock* clock_ = &systemClock_;
    TLocaleFormats formats_;
    TLookupList lookupItems_;
    TBaseGrid store_;
    TUndoHistory history_{store_};
    TGridInplaceEdit* editor_;
    TGridEditors* editors_;
    TTaskGridAccessEvents accessEvents_{*this};
    QFont gridFont_;
    QFont activeCellFont_;
    // The desktop palette's colours, taken again whenever the palette changes.
    TColorScheme scheme_;
    TPrintSettings printSettings_ = TPrintSettings::TaskGrid();
    TStepProgressView* stepProgress_ = nullptr;

    bool editingEnabled_ = true;
    bool editing_ = false;
    bool committing_ = false;
    TEditorType editKind_ = TEditorType::Normal;
    int editCol_ = -1;  // real column of the open editor's cell
    int editRow_ = -1;
    std::string savedText_;
    std::string restoreText_;

    TSortSettings sortSettings_;
    bool headerPressed_ = false;

    int resizingColumn_ = -1;
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;
};

}  // namespace tkm
