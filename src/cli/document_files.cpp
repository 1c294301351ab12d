#include "cli/document_files.h"

#include "cli/cli_options.h"
#include "base/errors.h"
#include "grid/io/csv_writer.h"
#include "tasks/task_document.h"

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
    ReportingFileErrors([&] { grid = ReadTaskDocument(fileName); });
}

void SaveDocument(const TBaseGrid& grid, const std::string& fileName) {
    ReportingFileErrors([&] { WriteCsvFile(grid, fileName); });
}

}  // namespace tkm::cli
