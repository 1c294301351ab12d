#pragma once

#include "grid/background_reader.h"
#include "grid/cell_graphic.h"
#include "grid/cell_object_pool.h"
#include "base/date_text.h"
#include "grid/grid_changes.h"
#include "grid/grid_observer.h"
#include "grid/grid_types.h"
#include "grid/shown_rows.h"
#include "grid/text_arena.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// The cell store: one text per cell, an optional object per cell, addressed by
// real column and row. Rows are small records that move as a unit; the texts
// live in a shared arena and the objects in an interned pool.
class TBaseGrid {
public:
    static constexpr int MaxTrackedColumns = 256;

    TBaseGrid(int colCount = 5, int rowCount = 5);

    // --- shape ---
    int ColCount() const { return colCount_; }  // columns on display
    void SetColCount(int count);
    int RealColCount() const { return colCount_ + hiddenCount_; }
    int RowCount() const { return int(rows_.size()); }
    void SetRowCount(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows) {
        reader_.Stop();
        fixedRows_ = rows;
        ++revision_;
    }
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols) {
        reader_.Stop();
        fixedCols_ = cols;
        ++revision_;
    }

    // --- texts ---
    std::string GetCellText(int col, int row) const { return std::string(CellView(col, row)); }
    // Valid until the next change to the grid.
    std::string_view CellView(int col, int row) const;
    // Asks the processor to fetch what CellView of the row will read: a pass
    // over rows all over memory says which rows it needs some way ahead. The
    // record of a row first, its texts once the record has had time to arrive.
    void PrefetchRowRecord(int row) const { __builtin_prefetch(&rows_[std::size_t(row)]); }
    void PrefetchRowTexts(int row) const { arena_.Prefetch(rows_[std::size_t(row)].Text); }
    // Views of real columns 0 to out.size() - 1 of a row, read in one go. Valid as CellView's.
    void RowView(int row, std::span<std::string_view> out) const;
    // The bytes of all a row's cells one after the other, as RowView's views
    // cut them; a look at a whole row at once. Valid as CellView's.
    std::string_view RowTextView(int row) const;
    // The real column whose text holds byte `offset` of RowTextView, and where that text starts and ends in it.
    TTextArena::TCellPlace CellHolding(int row, std::size_t offset) const;
    void SetCellText(int col, int row, std::string_view text);
    // Replaces the cells from startCol on with `cells`; cells beyond keep their texts.
    void SetRowCells(int row, int startCol, std::span<const std::string_view> cells);
    void SetCellInteger(int col, int row, long long value);
    long long GetCellInteger(int col, int row) const;  // EGridError when not a whole number
    TDate GetCellDate(int col, int row, const TLocaleFormats& formats) const;  // EConvertError

    // --- cell objects ---
    void AddProgressBar(int col, int row, TColor bar, TColor barText, TColor background, TColor backgroundText);
    void AddComment(int col, int row, const std::string& text);
    bool GetComment(int col, int row, std::string& text) const;
    bool RemoveCellObject(int col, int row);
    const TCellGraphic* CellObject(int col, int row) const;
    TColor CommentMarkerColor() const { return commentMarkerColor_; }

    // --- rows ---
    // A number the grid's owner gives a row to know it again after sorts,
    // moves, undo and redo; 0 for a row it never named. Not part of the document.
    std::uint32_t RowKey(int row) const;
    void SetRowKey(int row, std::uint32_t key);
    void InsertRows(int row, int count);
    void RemoveRows(int row, int count);
    void ClearCells(int left, int top, int bottom, int right);
    // Reorders rows first..first+order.size()-1: new row first+i is old row first+order[i].
    void PermuteRows(int first, std::span<const std::uint32_t> order);
    // Replaces every row (texts, objects, heights) by the rows of `source`, which is
    // left without rows; a load fills a separate grid and swaps in only on success.
    void TakeRowsFrom(TBaseGrid& source);
    // Appends rows whose texts are in `texts` (taken over without copying a
    // byte), one per ref in order; an empty ref is a row without text.
    void AppendRows(TTextArena&& texts, std::span<const TRowTextRef> refs);
    // Room for `count` rows, so that appending up to them moves no row.
    void ReserveRowCapacity(int count);
    // Puts back rows as they were saved: one in place, or several inserted at `row`.
    void RestoreRow(int row, const TSavedRow& saved);
    void RestoreRows(int row, const std::vector<TSavedRow>& saved);

    // --- rows a view shows ---
    // A filter hides rows from the view; the document keeps them all. Rows
    // inserted or restored are shown, and hidden rows move with their rows.
    // Fixed rows are always shown.
    bool RowsFiltered() const { return hiddenRowCount_ > 0; }
    int HiddenRowCount() const { return hiddenRowCount_; }
    bool IsRowShown(int row) const;
    // Shows exactly the fixed rows and `rows` (ascending data rows).
    void ShowOnlyRows(const std::vector<std::uint32_t>& rows);
    void ShowAllRows();
    int ShownRowCount() const { return RowCount() - hiddenRowCount_; }
    // The table row of the index-th shown row, and how many shown rows come before a row.
    int ShownRow(int index) const;
    int ShownIndex(int row) const;
    // The shown row `steps` shown rows after `row` (before it when negative),
    // kept within the shown data rows; `row` itself when none is shown.
    int ShownRowFrom(int row, int steps) const;
    // The shown data rows, ascending.
    std::vector<std::uint32_t> ShownDataRows() const;
    // A copy with the shown rows only, every row shown, for what prints or
    // exports the view; no observers and no change sink.
    TBaseGrid ShownRowsCopy() const;

    // --- change recording ---
    // The sink hears each change to cells and rows before it is made; none by default.
    void SetChangeSink(TGridChangeSink* sink) { sink_.Set(sink); }
    // Each change to rows, texts or columns first stops the reader; none by default.
    void SetBackgroundReader(TBackgroundReader* reader) { reader_.Set(reader); }

    // --- columns ---
    void HideColumn(int col);
    void UnhideColumn(int col);
    bool IsColumnHidden(int col) const;
    int HiddenCount() const { return hiddenCount_; }
    int DisplayToReal(int displayCol) const;
    int RealToDisplay(int realCol) const;

    // --- geometry ---
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int h);
    void SetDefaultColWidth(int w) {
        defaultColWidth_ = w;
        ++revision_;
    }
    int ColWidth(int displayCol) const;
    void SetColWidth(int displayCol, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);

    // --- current cell (display column, row) and scrolling ---
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCurrentCell(int displayCol, int row);
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);

    // --- notifications ---
    // Observers hear every notification in the order they were added.
    void AddObserver(TGridObserver& observer) { observers_.Add(observer); }
    void RemoveObserver(TGridObserver& observer) { observers_.Remove(observer); }
    void CellsChanged(const TGridRect& rect);
    void RepaintRow(int row);
    void Invalidate();
    // Closes an open editor (through the view) before rows or columns move.
    void CommitEditor();

    // Changes with every change to texts, objects, rows, columns or sizes, so
    // that what was worked out from the grid can tell when it is out of date.
    std::uint64_t Revision() const { return revision_; }

    // Memory held by texts, for the benchmark and its tests.
    std::size_t TextBytes() const { return arena_.LiveBytes(); }

private:
    struct TRowRecord {
        TRowTextRef Text;
        TCellObjectPool::TId Objects = TCellObjectPool::None;
        std::uint32_t Key = 0;
        std::uint16_t Height = 0;  // 0: the default height
        bool Hidden = false;
    };

    void CheckCell(int col, int row) const;
    void CheckRow(int row) const;
    void ReplaceRowText(TRowRecord& record, std::span<const std::string_view> cells);
    void ReleaseRow(TRowRecord& record);
    TSavedRow SaveRow(int row) const;
    void RecordRowChange(int row);
    void RecordRemoval(int row, int count);
    void RecordInsertion(int row, int count);
    void AttachObject(int col, int row, const TCellGraphic& object);
    void MaybeCompact();
    void NotifyLayout();
    // The rows' order or hidden marks changed: the shown-rows map is built again when asked.
    void RowsMoved() { shownStale_ = true; }
    const TShownRows& ShownMap() const;
    void AfterShownRowsChanged();
    // True when the current row moved.
    bool KeepCurrentOnShownRow();

    std::vector<TRowRecord> rows_;
    TTextArena arena_;
    TCellObjectPool objects_;
    std::vector<std::string_view> scratch_;

    int colCount_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int defaultRowHeight_ = 24;
    int defaultColWidth_ = 64;
    std::vector<int> colWidths_;  // per display column
    std::array<bool, MaxTrackedColumns> hidden_{};
    std::array<int, MaxTrackedColumns> hiddenWidths_{};
    int hiddenCount_ = 0;

    int hiddenRowCount_ = 0;
    mutable TShownRows shown_;
    mutable bool shownStale_ = false;

    int col_ = 0;
    int row_ = 0;
    int topRow_ = 0;
    TColor commentMarkerColor_ = clRed;

    TGridObserverList observers_;
    TGridChangeSinkSlot sink_;
    TBackgroundReaderSlot reader_;
    std::uint64_t revision_ = 0;
};

}  // namespace tkm
