#include "cli/document_files.h"

#include "base/save_record.h"
#include "grid/io/csv_writer.h"
#include "tasks/task_document.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace tkm::cli {

namespace {

void WriteToStandardOutput(const TBaseGrid& grid) {
    const auto fail = [] { throw EFileError("Cannot write to standard output: " + ErrnoText(errno)); };
    WriteCsv(grid, {}, [&](std::string_view bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) fail();
    });
    if (std::fflush(stdout) != 0) fail();
}

}  // namespace

void RefuseToReplace(const std::string& fileName) {
    struct stat st {};
    if (fileName != "-" && lstat(fileName.c_str(), &st) == 0)
        throw EFileError("Cannot Create file " + fileName + ": it exists (--force replaces it)");
}

TCalendarSettings CalendarSettings(const TArguments& args) { return {args.Formats, args.TimeZone}; }

void LoadDocument(TBaseGrid& grid, const std::string& fileName, const TArguments& args, TCalendarOrigin* origin) {
    ReportingFileErrors([&] {
        if (const auto restored = RestoreUnfinishedSave(fileName))
            std::fprintf(stderr, "tkm: %s\n", restored->c_str());
        grid = IsCalendarFileName(fileName) ? ReadCalendarDocument(fileName, CalendarSettings(args), origin)
                                            : ReadTaskDocument(fileName);
    });
}

void SaveDocument(const TBaseGrid& grid, const std::string& fileName, const TArguments& args,
                  TCalendarOrigin* origin) {
    if (fileName == "-") return WriteToStandardOutput(grid);
    ReportingFileErrors([&] {
        if (IsCalendarFileName(fileName)) WriteCalendarFile(grid, fileName, CalendarSettings(args), origin);
        else WriteCsvFile(grid, fileName);
    });
}

}  // namespace tkm::cli
