#include "tasks/task_document.h"

#include "grid/io/csv_reader.h"
#include "tasks/task_table.h"

#include <algorithm>
#include <utility>

namespace tkm {

namespace {

bool RowIsEmpty(const TBaseGrid& grid, int row) {
    for (int col = 0; col < grid.RealColCount(); ++col)
        if (!grid.CellView(col, row).empty()) return false;
    return true;
}

}  // namespace

// The table always keeps its header and at least one entry. Titles go only
// where the file had none, so a first line of text is never overwritten.
TBaseGrid AsTaskTable(TBaseGrid document) {
    document.SetRowCount(std::max(document.RowCount(), 2));
    if (RowIsEmpty(document, 0)) TaskTable::WriteHeaders(document);
    for (int row = 1; row < document.RowCount(); ++row) TaskTable::AttachCellObjects(document, row);
    return document;
}

TBaseGrid EmptyTaskDocument() {
    TBaseGrid document;
    TaskTable::SetUpGrid(document);
    return document;
}

TBaseGrid ReadTaskDocument(const std::string& fileName, const TCsvSettings& settings) {
    TBaseGrid document = EmptyTaskDocument();
    LoadCsvDocument(document, fileName, settings);
    return AsTaskTable(std::move(document));
}

TBaseGrid TaskDocumentFromText(std::string_view bytes) {
    TBaseGrid document = EmptyTaskDocument();
    document.SetRowCount(0);
    ReadCsv(document, bytes);
    return AsTaskTable(std::move(document));
}

void ReplaceTaskDocument(TBaseGrid& grid, TBaseGrid& document) {
    grid.TakeRowsFrom(document);
    grid.SetColCount(document.ColCount());
    grid.CellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.Invalidate();
}

}  // namespace tkm
