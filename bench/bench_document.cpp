#include "bench_document.h"

#include "grid/io/csv_reader.h"
#include "tasks/task_table.h"

namespace tkm::bench {

void LoadTaskDocument(TBaseGrid& grid, const std::string& fileName) {
    TaskTable::SetUpGrid(grid);
    LoadCsvDocument(grid, fileName);
    for (int row = 1; row < grid.RowCount(); ++row) TaskTable::AttachCellObjects(grid, row);
}

}  // namespace tkm::bench
