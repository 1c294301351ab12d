#include "grid/base_grid.h"

#include "base/split_work.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tkm {

namespace {

// An eighth more than asked: a loaded list of a million rows gains its next
// rows without moving all of them, and the room costs no memory until used.
template <typename TRow>
void ReserveRows(std::vector<TRow>& rows, std::size_t count) {
    if (count > rows.capacity()) rows.reserve(count + count / 8);
}

std::string Address(int col, int row) {
    return "column " + std::to_string(col) + ", row " + std::to_string(row);
}

}  // namespace

TBaseGrid::TBaseGrid(int colCount, int rowCount)
    : rows_(std::size_t(std::max(rowCount, 0))), colCount_(std::max(colCount, 1)),
      colWidths_(std::size_t(colCount_), defaultColWidth_) {
    col_ = std::min(fixedCols_, colCount_ - 1);
    row_ = std::min(fixedRows_, RowCount() - 1);
    topRow_ = fixedRows_;
}

// --- shape ---

void TBaseGrid::SetColCount(int count) {
    reader_.Stop();
    count = std::max(count, 1);
    if (count == colCount_) return;
    colWidths_.resize(std::size_t(count), defaultColWidth_);
    colCount_ = count;
    col_ = std::min(col_, colCount_ - 1);
    NotifyLayout();
}

void TBaseGrid::SetRowCount(int count) {
    reader_.Stop();
    count = std::max(count, 0);
    if (count == RowCount()) return;
    if (count < RowCount()) {
        CommitEditor();
        RecordRemoval(count, RowCount() - count);
    } else {
        RecordInsertion(RowCount(), count - RowCount());
    }
    for (std::size_t r = std::size_t(count); r < rows_.size(); ++r) ReleaseRow(rows_[r]);
    ReserveRows(rows_, std::size_t(count));
    rows_.resize(std::size_t(count));
    RowsMoved();
    row_ = std::min(row_, RowCount() - 1);
    topRow_ = std::max(fixedRows_, std::min(topRow_, RowCount() - 1));
    MaybeCompact();
    NotifyLayout();
}

void TBaseGrid::CheckRow(int row) const {
    if (row < 0 || row >= RowCount())
        throw EGridError("Row " + std::to_string(row) + " is outside the table of " + std::to_string(RowCount()) +
                         " rows");
}

void TBaseGrid::CheckCell(int col, int row) const {
    if (col < 0 || col >= RealColCount() || row < 0 || row >= RowCount())
        throw EGridError("Cell " + Address(col, row) + " is outside the table");
}

// --- texts ---

std::string_view TBaseGrid::CellView(int col, int row) const {
    CheckCell(col, row);
    return arena_.Cell(rows_[std::size_t(row)].Text, std::size_t(col));
}

void TBaseGrid::RowView(int row, std::span<std::string_view> out) const {
    CheckRow(row);
    if (out.size() > std::size_t(RealColCount())) CheckCell(int(out.size()) - 1, row);
    arena_.CellsInto(rows_[std::size_t(row)].Text, out);
}

std::string_view TBaseGrid::RowTextView(int row) const {
    CheckRow(row);
    return arena_.RowText(rows_[std::size_t(row)].Text);
}

TTextArena::TCellPlace TBaseGrid::CellHolding(int row, std::size_t offset) const {
    CheckRow(row);
    return arena_.CellHolding(rows_[std::size_t(row)].Text, offset);
}

void TBaseGrid::ReplaceRowText(TRowRecord& record, std::span<const std::string_view> cells) {
    // Old views stay valid while the new blob is appended: chunks never move.
    const TRowTextRef old = record.Text;
    record.Text = arena_.AppendRow(cells);
    arena_.Release(old);
}

void TBaseGrid::SetCellText(int col, int row, std::string_view text) {
    CheckCell(col, row);
    TRowRecord& record = rows_[std::size_t(row)];
    if (arena_.Cell(record.Text, std::size_t(col)) == text) return;
    reader_.Stop();
    if (TGridChangeSink* sink = sink_.Get())
        sink->Record(TCellTextChange{col, row, std::string(arena_.Cell(record.Text, std::size_t(col)))});
    // Renumbering a long list changes mostly texts of the same length: those
    // go in place instead of copying the whole row.
    if (!arena_.OverwriteCell(record.Text, std::size_t(col), text)) {
        arena_.Cells(record.Text, scratch_);
        if (scratch_.size() <= std::size_t(col)) scratch_.resize(std::size_t(col) + 1);
        scratch_[std::size_t(col)] = text;
        ReplaceRowText(record, scratch_);
        MaybeCompact();
    }
    ++revision_;
    observers_.Notify(&TGridObserver::CellInvalidated, col, row);
}

void TBaseGrid::SetRowCells(int row, int startCol, std::span<const std::string_view> cells) {
    if (cells.empty()) return;
    CheckCell(startCol, row);
    CheckCell(startCol + int(cells.size()) - 1, row);
    reader_.Stop();
    RecordRowChange(row);
    TRowRecord& record = rows_[std::size_t(row)];
    arena_.Cells(record.Text, scratch_);
    if (scratch_.size() < startCol + cells.size()) scratch_.resize(startCol + cells.size());
    std::copy(cells.begin(), cells.end(), scratch_.begin() + startCol);
    ReplaceRowText(record, scratch_);
    MaybeCompact();
    ++revision_;
    observers_.Notify(&TGridObserver::RowInvalidated, row);
}

void TBaseGrid::SetCellInteger(int col, int row, long long value) { SetCellText(col, row, std::to_string(value)); }

long long TBaseGrid::GetCellInteger(int col, int row) const {
    std::string_view text = CellView(col, row);
    if (text.empty()) return 0;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EGridError("Cell does not contain integer value");
    return value;
}

TDate TBaseGrid::GetCellDate(int col, int row, const TLocaleFormats& formats) const {
    return StrToDate(CellView(col, row), formats);
}

// --- cell objects ---

void TBaseGrid::AttachObject(int col, int row, const TCellGraphic& object) {
    CheckCell(col, row);
    reader_.Stop();
    RecordRowChange(row);
    TRowRecord& record = rows_[std::size_t(row)];
    record.Objects = objects_.With(record.Objects, col, object);
    MaybeCompact();
    ++revision_;
    observers_.Notify(&TGridObserver::CellInvalidated, col, row);
}

void TBaseGrid::AddProgressBar(int col, int row, TColor bar, TColor barText, TColor background,
                               TColor backgroundText) {
    AttachObject(col, row, TCellGraphic::ProgressBar(bar, barText, background, backgroundText));
}

void TBaseGrid::AddComment(int col, int row, const std::string& text) {
    AttachObject(col, row, TCellGraphic::Comment(text));
}

const TCellGraphic* TBaseGrid::CellObject(int col, int row) const {
    CheckCell(col, row);
    return objects_.Find(rows_[std::size_t(row)].Objects, col);
}

bool TBaseGrid::GetComment(int col, int row, std::string& text) const {
    const TCellGraphic* object = CellObject(col, row);
    if (!object || object->Kind != TCellGraphicKind::Comment) return false;
    text.clear();
    for (const std::string& line : object->Lines) text += line + "\r\n";
    if (!text.empty()) text.resize(text.size() - 2);
    return true;
}

bool TBaseGrid::RemoveCellObject(int col, int row) {
    CheckCell(col, row);
    TRowRecord& record = rows_[std::size_t(row)];
    if (!objects_.Find(record.Objects, col)) return false;
    reader_.Stop();
    RecordRowChange(row);
    record.Objects = objects_.Without(record.Objects, col);
    MaybeCompact();
    ++revision_;
    observers_.Notify(&TGridObserver::CellInvalidated, col, row);
    return true;
}

// --- rows ---

void TBaseGrid::ReleaseRow(TRowRecord& record) {
    if (record.Hidden) --hiddenRowCount_;
    arena_.Release(record.Text);
    record = {};
}

TSavedRow TBaseGrid::SaveRow(int row) const {
    const TRowRecord& record = rows_[std::size_t(row)];
    TSavedRow saved;
    std::vector<std::string_view> cells;
    arena_.Cells(record.Text, cells);
    saved.Cells.assign(cells.begin(), cells.end());
    saved.Objects = objects_.Objects(record.Objects);
    saved.Key = record.Key;
    saved.Height = record.Height;
    return saved;
}

void TBaseGrid::RecordRowChange(int row) {
    if (TGridChangeSink* sink = sink_.Get()) sink->Record(TRowChange{row, SaveRow(row)});
}

void TBaseGrid::RecordRemoval(int row, int count) {
    TGridChangeSink* sink = sink_.Get();
    if (!sink || count <= 0) return;
    TRowsRemoved removed{row, {}};
    removed.Rows.reserve(std::size_t(count));
    for (int r = row; r < row + count; ++r) removed.Rows.push_back(SaveRow(r));
    sink->Record(std::move(removed));
}

void TBaseGrid::RecordInsertion(int row, int count) {
    if (TGridChangeSink* sink = sink_.Get(); sink && count > 0) sink->Record(TRowsInserted{row, count});
}

void TBaseGrid::RestoreRow(int row, const TSavedRow& saved) {
    CheckRow(row);
    reader_.Stop();
    RecordRowChange(row);
    TRowRecord& record = rows_[std::size_t(row)];
    const std::vector<std::string_view> cells(saved.Cells.begin(), saved.Cells.end());
    ReplaceRowText(record, cells);
    TCellObjectPool::TId objects = TCellObjectPool::None;
    for (const auto& [col, object] : saved.Objects) objects = objects_.With(objects, col, object);
    record.Objects = objects;
    record.Key = saved.Key;
    record.Height = saved.Height;
    MaybeCompact();
    ++revision_;
    observers_.Notify(&TGridObserver::RowInvalidated, row);
}

void TBaseGrid::RestoreRows(int row, const std::vector<TSavedRow>& saved) {
    InsertRows(row, int(saved.size()));
    // The insertion alone is the reverse; the rows' contents need no record of their own.
    TGridChangeSink* sink = sink_.Get();
    sink_.Set(nullptr);
    for (std::size_t i = 0; i < saved.size(); ++i) RestoreRow(row + int(i), saved[i]);
    sink_.Set(sink);
    CellsChanged({0, row, colCount_ - 1, row + int(saved.size()) - 1});
}

std::uint32_t TBaseGrid::RowKey(int row) const {
    CheckRow(row);
    return rows_[std::size_t(row)].Key;
}

void TBaseGrid::SetRowKey(int row, std::uint32_t key) {
    CheckRow(row);
    rows_[std::size_t(row)].Key = key;
}

void TBaseGrid::InsertRows(int row, int count) {
    if (count <= 0) return;
    if (row < 0 || row > RowCount())
        throw EGridError("Cannot insert rows at row " + std::to_string(row) + " of " + std::to_string(RowCount()));
    CommitEditor();
    reader_.Stop();
    RecordInsertion(row, count);
    ReserveRows(rows_, rows_.size() + std::size_t(count));
    rows_.insert(rows_.begin() + row, std::size_t(count), TRowRecord{});
    RowsMoved();
    NotifyLayout();
}

void TBaseGrid::RemoveRows(int row, int count) {
    if (row > RowCount() || count <= 0) return;
    if (row < 0) throw EGridError("Cannot remove rows from row " + std::to_string(row));
    CommitEditor();
    reader_.Stop();
    const int removed = std::min(count, RowCount() - row);
    RecordRemoval(row, removed);
    const int top = topRow_;
    const int current = row_;
    for (int r = row; r < row + removed; ++r) ReleaseRow(rows_[std::size_t(r)]);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + removed);
    RowsMoved();
    if (current < RowCount()) {
        row_ = current;
        topRow_ = top;
    } else if (RowCount() > fixedRows_) {
        row_ = RowCount() - 1;
    } else {
        row_ = -1;
    }
    KeepCurrentOnShownRow();
    MaybeCompact();
    NotifyLayout();
    observers_.Notify(&TGridObserver::CurrentCellChanged);
    CellsChanged({0, row, colCount_ - 1, row + count});
    if (topRow_ >= RowCount() - 1) topRow_ = std::max(fixedRows_, RowCount() - 1);
}

void TBaseGrid::ClearCells(int left, int top, int bottom, int right) {
    CommitEditor();
    reader_.Stop();
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, RealColCount() - 1);
    bottom = std::min(bottom, RowCount() - 1);
    for (int r = top; r <= bottom; ++r) {
        RecordRowChange(r);
        TRowRecord& record = rows_[std::size_t(r)];
        arena_.Cells(record.Text, scratch_);
        for (int c = left; c <= right; ++c) {
            if (std::size_t(c) < scratch_.size()) scratch_[std::size_t(c)] = {};
            record.Objects = objects_.Without(record.Objects, c);
        }
        ReplaceRowText(record, scratch_);
    }
    MaybeCompact();
    ++revision_;
    observers_.Notify(&TGridObserver::GridInvalidated);
    CellsChanged({left, top, right, bottom});
}

void TBaseGrid::PermuteRows(int first, std::span<const std::uint32_t> order) {
    if (order.empty()) return;
    CheckRow(first);
    CheckRow(first + int(order.size()) - 1);
    CommitEditor();
    reader_.Stop();
    std::vector<TRowRecord> moved(order.size());
    // Gathering the rows is a read all over memory: each core takes a part.
    ForEachPart(order.size(), std::size_t(1) << 16, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            if (order[i] >= order.size()) throw EGridError("Row order names a row outside the range");
            moved[i] = rows_[first + order[i]];
        }
    });
    if (TGridChangeSink* sink = sink_.Get()) sink->Record(TRowsPermuted{first, {order.begin(), order.end()}});
    std::copy(moved.begin(), moved.end(), rows_.begin() + first);
    RowsMoved();
    const bool currentMoved = KeepCurrentOnShownRow();
    ++revision_;
    observers_.Notify(&TGridObserver::GridInvalidated);
    if (currentMoved) observers_.Notify(&TGridObserver::CurrentCellChanged);
}

void TBaseGrid::TakeRowsFrom(TBaseGrid& source) {
    if (&source == this) return;
    CommitEditor();
    reader_.Stop();
    rows_ = std::move(source.rows_);
    arena_ = std::move(source.arena_);
    objects_ = std::move(source.objects_);
    hiddenRowCount_ = source.hiddenRowCount_;
    source.hiddenRowCount_ = 0;
    RowsMoved();
    source.rows_.clear();
    source.arena_.Clear();
    source.objects_.Clear();
    if (TGridChangeSink* sink = sink_.Get()) sink->RowsReplaced();
    row_ = std::min(row_, RowCount() - 1);
    topRow_ = std::max(fixedRows_, std::min(topRow_, RowCount() - 1));
    NotifyLayout();
    observers_.Notify(&TGridObserver::GridInvalidated);
    observers_.Notify(&TGridObserver::RowsReplaced);
}

// --- rows a view shows ---

bool TBaseGrid::IsRowShown(int row) const {
    CheckRow(row);
    return row < fixedRows_ || !rows_[std::size_t(row)].Hidden;
}

void TBaseGrid::ShowOnlyRows(const std::vector<std::uint32_t>& rows) {
    CommitEditor();
    reader_.Stop();
    const int fixed = std::min(fixedRows_, RowCount());
    for (int r = fixed; r < RowCount(); ++r) rows_[std::size_t(r)].Hidden = true;
    for (const std::uint32_t r : rows) {
        if (r < std::uint32_t(fixed) || r >= rows_.size()) throw EGridError("Cannot show row " + std::to_string(r));
        rows_[r].Hidden = false;
    }
    std::vector<std::uint32_t> shown;
    shown.reserve(std::size_t(fixed) + rows.size());
    for (int r = 0; r < fixed; ++r) shown.push_back(std::uint32_t(r));
    shown.insert(shown.end(), rows.begin(), rows.end());
    hiddenRowCount_ = RowCount() - int(shown.size());
    shown_.Assign(std::move(shown));
    shownStale_ = false;
    AfterShownRowsChanged();
}

void TBaseGrid::ShowAllRows() {
    if (hiddenRowCount_ == 0) return;
    reader_.Stop();
    for (TRowRecord& record : rows_) record.Hidden = false;
    hiddenRowCount_ = 0;
    AfterShownRowsChanged();
}

void TBaseGrid::AfterShownRowsChanged() {
    const bool moved = KeepCurrentOnShownRow();
    NotifyLayout();
    observers_.Notify(&TGridObserver::GridInvalidated);
    if (moved) observers_.Notify(&TGridObserver::CurrentCellChanged);
}

// The current row and the top row move to shown rows where there are any, so
// that nothing is typed into a row the view hides.
bool TBaseGrid::KeepCurrentOnShownRow() {
    if (hiddenRowCount_ == 0) return false;
    if (topRow_ >= fixedRows_ && topRow_ < RowCount() && !IsRowShown(topRow_)) topRow_ = ShownRowFrom(topRow_, 0);
    if (row_ < fixedRows_ || row_ >= RowCount() || IsRowShown(row_)) return false;
    const int shown = ShownRowFrom(row_, 0);
    if (shown == row_) return false;
    row_ = shown;
    return true;
}

const TShownRows& TBaseGrid::ShownMap() const {
    if (shownStale_) {
        std::vector<std::uint32_t> shown;
        shown.reserve(std::size_t(ShownRowCount()));
        for (std::size_t r = 0; r < rows_.size(); ++r)
            if (int(r) < fixedRows_ || !rows_[r].Hidden) shown.push_back(std::uint32_t(r));
        shown_.Assign(std::move(shown));
        shownStale_ = false;
    }
    return shown_;
}

int TBaseGrid::ShownRow(int index) const {
    if (index < 0 || index >= ShownRowCount())
        throw EGridError("Shown row " + std::to_string(index) + " is outside the " + std::to_string(ShownRowCount()) +
                         " rows shown");
    return hiddenRowCount_ == 0 ? index : ShownMap().RowAt(index);
}

int TBaseGrid::ShownIndex(int row) const {
    return hiddenRowCount_ == 0 ? std::clamp(row, 0, RowCount()) : ShownMap().IndexOf(row);
}

int TBaseGrid::ShownRowFrom(int row, int steps) const {
    const int first = std::min(fixedRows_, RowCount());
    const int count = ShownRowCount();
    if (count <= first) return row;
    int index = ShownIndex(row);
    // A hidden row stands just before the shown row that follows it.
    if (row < RowCount() && !IsRowShown(row) && steps > 0) --index;
    return ShownRow(std::clamp(index + steps, first, count - 1));
}

std::vector<std::uint32_t> TBaseGrid::ShownDataRows() const {
    std::vector<std::uint32_t> rows;
    const int first = std::min(fixedRows_, RowCount());
    rows.reserve(std::size_t(ShownRowCount() - first));
    for (int i = first; i < ShownRowCount(); ++i) rows.push_back(std::uint32_t(ShownRow(i)));
    return rows;
}

TBaseGrid TBaseGrid::ShownRowsCopy() const {
    TBaseGrid copy(colCount_, 0);
    copy.rows_.reserve(std::size_t(ShownRowCount()));
    std::vector<std::string_view> cells;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const TRowRecord& record = rows_[r];
        if (int(r) >= fixedRows_ && record.Hidden) continue;
        arena_.Cells(record.Text, cells);
        TRowRecord& kept = copy.rows_.emplace_back();
        kept.Text = copy.arena_.AppendRow(cells);
        for (const auto& [col, object] : objects_.Objects(record.Objects))
            kept.Objects = copy.objects_.With(kept.Objects, col, object);
        kept.Height = record.Height;
    }
    copy.fixedRows_ = fixedRows_;
    copy.fixedCols_ = fixedCols_;
    copy.defaultRowHeight_ = defaultRowHeight_;
    copy.defaultColWidth_ = defaultColWidth_;
    copy.colWidths_ = colWidths_;
    copy.hidden_ = hidden_;
    copy.hiddenWidths_ = hiddenWidths_;
    copy.hiddenCount_ = hiddenCount_;
    copy.commentMarkerColor_ = commentMarkerColor_;
    copy.col_ = col_;
    const bool currentShown = row_ >= 0 && row_ < RowCount() && IsRowShown(row_);
    copy.row_ = currentShown ? ShownIndex(row_) : std::min(fixedRows_, copy.RowCount() - 1);
    copy.topRow_ = fixedRows_;
    return copy;
}

void TBaseGrid::AppendRows(TTextArena&& texts, std::span<const TRowTextRef> refs) {
    if (refs.size() > std::size_t(std::numeric_limits<int>::max() - RowCount()))
        throw EGridError("the table cannot hold more than " + std::to_string(std::numeric_limits<int>::max()) +
                         " rows");
    reader_.Stop();
    RowsMoved();
    RecordInsertion(RowCount(), int(refs.size()));
    const std::uint32_t firstChunk = arena_.Adopt(std::move(texts));
    if (rows_.size() + refs.size() > rows_.capacity()) rows_.reserve(std::max(rows_.size() + refs.size(), 2 * rows_.size()));
    for (const TRowTextRef ref : refs)
        rows_.push_back({ref.IsEmpty() ? ref : TRowTextRef{ref.Chunk + firstChunk, ref.Offset}});
    NotifyLayout();
}

void TBaseGrid::ReserveRowCapacity(int count) {
    reader_.Stop();
    rows_.reserve(std::size_t(std::max(count, 0)));
}

// --- columns ---

bool TBaseGrid::IsColumnHidden(int col) const {
    return col >= 0 && col < MaxTrackedColumns && hidden_[std::size_t(col)];
}

int TBaseGrid::DisplayToReal(int displayCol) const {
    if (hiddenCount_ == 0 || displayCol >= MaxTrackedColumns || displayCol < 0) return displayCol;
    int shown = -1;
    for (int c = 0; c < MaxTrackedColumns; ++c) {
        if (!hidden_[std::size_t(c)] && ++shown == displayCol) return c;
    }
    return 0;
}

int TBaseGrid::RealToDisplay(int realCol) const {
    if (hiddenCount_ == 0) return realCol;
    int before = 0;
    for (int c = 0; c < std::min(realCol, MaxTrackedColumns); ++c) before += hidden_[std::size_t(c)];
    return realCol - before;
}

void TBaseGrid::HideColumn(int col) {
    CommitEditor();
    reader_.Stop();
    if (col >= 0 && col < MaxTrackedColumns && !hidden_[std::size_t(col)] && col < RealColCount() && colCount_ > 1) {
        const int display = RealToDisplay(col);
        hiddenWidths_[std::size_t(col)] = colWidths_[std::size_t(display)];
        colWidths_.erase(colWidths_.begin() + display);
        ++hiddenCount_;
        hidden_[std::size_t(col)] = true;
        --colCount_;
        col_ = std::min(col_, colCount_ - 1);
    }
    NotifyLayout();
}

void TBaseGrid::UnhideColumn(int col) {
    CommitEditor();
    reader_.Stop();
    if (IsColumnHidden(col)) {
        --hiddenCount_;
        hidden_[std::size_t(col)] = false;
        ++colCount_;
        colWidths_.insert(colWidths_.begin() + RealToDisplay(col), hiddenWidths_[std::size_t(col)]);
    }
    NotifyLayout();
}

// --- geometry ---

void TBaseGrid::SetDefaultRowHeight(int h) {
    defaultRowHeight_ = std::max(h, 1);
    NotifyLayout();
}

int TBaseGrid::ColWidth(int displayCol) const {
    if (displayCol < 0 || displayCol >= colCount_) throw EGridError("Column " + std::to_string(displayCol) +
                                                                    " is not on display");
    return colWidths_[std::size_t(displayCol)];
}

void TBaseGrid::SetColWidth(int displayCol, int width) {
    ColWidth(displayCol);
    colWidths_[std::size_t(displayCol)] = std::max(width, 0);
    NotifyLayout();
}

int TBaseGrid::RowHeight(int row) const {
    CheckRow(row);
    const int h = rows_[std::size_t(row)].Height;
    return h ? h - 1 : defaultRowHeight_;
}

void TBaseGrid::SetRowHeight(int row, int height) {
    CheckRow(row);
    height = std::clamp(height, 0, 0xFFFE);
    rows_[std::size_t(row)].Height = height == defaultRowHeight_ ? 0 : std::uint16_t(height + 1);
    NotifyLayout();
}

// --- current cell ---

void TBaseGrid::SetCurrentCell(int displayCol, int row) {
    if (displayCol < 0 || displayCol >= colCount_ || row < 0 || row >= RowCount())
        throw EGridError("Cell " + Address(displayCol, row) + " is outside the table");
    if (displayCol == col_ && row == row_) return;
    col_ = displayCol;
    row_ = row;
    observers_.Notify(&TGridObserver::CurrentCellChanged);
}

void TBaseGrid::SetTopRow(int row) {
    row = std::max(fixedRows_, std::min(row, RowCount() - 1));
    if (row == topRow_) return;
    topRow_ = row;
    observers_.Notify(&TGridObserver::GridInvalidated);
}

// --- notifications ---

void TBaseGrid::CellsChanged(const TGridRect& rect) {
    observers_.Notify(&TGridObserver::CellsChanged, rect);
}

void TBaseGrid::RepaintRow(int row) {
    observers_.Notify(&TGridObserver::RowInvalidated, row);
}

void TBaseGrid::Invalidate() {
    observers_.Notify(&TGridObserver::GridInvalidated);
}

void TBaseGrid::CommitEditor() {
    observers_.Notify(&TGridObserver::CommitEditorRequested);
}

void TBaseGrid::NotifyLayout() {
    ++revision_;
    observers_.Notify(&TGridObserver::LayoutChanged);
}

void TBaseGrid::MaybeCompact() {
    if (arena_.WantsCompaction()) {
        TTextArena fresh;
        std::vector<std::string_view> cells;
        for (TRowRecord& record : rows_) {
            arena_.Cells(record.Text, cells);
            record.Text = fresh.AppendRow(cells);
        }
        arena_ = std::move(fresh);
    }
    if (objects_.WantsSweep()) {
        std::vector<bool> used(objects_.SetCount(), false);
        for (const TRowRecord& record : rows_) used[record.Objects] = true;
        const auto remap = objects_.Sweep(used);
        for (TRowRecord& record : rows_) record.Objects = remap[record.Objects];
    }
}

}  // namespace tkm
