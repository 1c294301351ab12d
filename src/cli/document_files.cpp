#include "cli/document_files.h"

#include "cli/cli_options.h"
#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"
#include "base/errors.h"
#include "tasks/task_table.h"

namespace tkm::cli {

namespace {

template <typename TStep>
void ReportingFileErrors(TStep step) {
    try {
        step();
    } catch (const EGridFileError& e) {
        throw EFileError(e.FullMessage());
    } catch (const EInOutError& e) {
        throw EFileError(e.what());
    }
}

}  // namespace

void LoadDocument(TBaseGrid& grid, const std::string& fileName) {
    TaskTable::SetUpGrid(grid);
    ReportingFileErrors([&] { LoadCsvDocument(grid, fileName); });
}

void SaveDocument(const TBaseGrid& grid, const std::string& fileName) {
    ReportingFileErrors([&] { WriteCsvFile(grid, fileName); });
}

}  // namespace tkm::cli
