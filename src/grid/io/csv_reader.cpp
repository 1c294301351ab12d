#include "grid/io/csv_reader.h"

#include "grid/io/csv_field_codec.h"
#include "base/file_bytes.h"
#include "base/errors.h"
#include "grid/io/separator_detection.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace tkm {

namespace {

// Lines end at a CR, an LF right after it belongs to the line end, a lone LF
// is text; Ctrl-Z ends the file. A file with no CR LF at all was written with
// LF line ends (as Linux editors do): there LF ends lines too.
class TLineCursor {
public:
    explicit TLineCursor(std::string_view bytes) {
        const void* end = bytes.empty() ? nullptr : std::memchr(bytes.data(), '\x1A', bytes.size());
        rest_ = end ? bytes.substr(0, std::size_t(static_cast<const char*>(end) - bytes.data())) : bytes;
        lfEndsLines_ = rest_.find("\r\n") == std::string_view::npos;
    }
    bool Next(std::string_view& line) {
        if (rest_.empty()) return false;
        std::size_t length = rest_.find(lfEndsLines_ ? '\n' : '\r');
        // In a file with LF line ends a lone CR still ends a line.
        if (lfEndsLines_) length = std::min(length, rest_.substr(0, length).find('\r'));
        if (length == std::string_view::npos) {
            line = rest_;
            rest_ = {};
            return true;
        }
        line = rest_.substr(0, length);
        const std::size_t ending = rest_[length] == '\r' && length + 1 < rest_.size() && rest_[length + 1] == '\n' ? 2 : 1;
        rest_.remove_prefix(length + ending);
        return true;
    }

private:
    std::string_view rest_;
    bool lfEndsLines_;
};

// Bytes of a file whose lines are in the grid go back to the system in steps this large.
constexpr std::size_t ReleaseStep = std::size_t(8) << 20;

// `file`, when given, holds `bytes`.
void ReadLines(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings, TFileBytes* file) {
    const int startCol = settings.WriteFixedCells ? 0 : grid.FixedCols();
    const int startRow = settings.WriteFixedCells ? 0 : grid.FixedRows();

    long long lineCount = 0;
    std::string_view line1, line2, line;
    for (TLineCursor lines(bytes); lines.Next(line); ++lineCount) {
        if (lineCount == 0) line1 = line;
        else if (lineCount == 1) line2 = line;
    }
    if (lineCount > INT_MAX - startRow) throw EGridError("the file has too many lines");
    const char separator = settings.FieldSeparator ? settings.FieldSeparator : DetectSeparator(line1, line2);

    grid.SetRowCount(startRow + int(lineCount));
    TCsvLineSplitter splitter(separator);
    TProgressReporter progress(settings.OnFileProgress, lineCount);
    int row = startRow;
    std::size_t released = 0;
    for (TLineCursor lines(bytes); lines.Next(line); ++row) {
        // A document is never held twice, as bytes and as cells.
        const std::size_t offset = std::size_t(line.data() - bytes.data());
        if (file && offset - released >= ReleaseStep) file->Release(released = offset);
        const std::size_t maxFields = std::size_t(MaxLoadColumns - std::min(startCol, MaxLoadColumns));
        const auto fields = splitter.Split(line, maxFields);
        if (fields.size() > maxFields)
            throw EGridError("line " + std::to_string(row - startRow + 1) + " has more than " +
                             std::to_string(MaxLoadColumns) + " fields");
        if (!fields.empty()) {
            const int needed = startCol + int(fields.size());
            if (grid.ColCount() < needed) grid.SetColCount(needed);
            grid.SetRowCells(row, startCol, fields);
        }
        progress.Report(row - startRow + 1);
    }
    grid.CellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.Invalidate();
}

}  // namespace

void ReadCsv(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings) {
    ReadLines(grid, bytes, settings, nullptr);
}

void ReadCsvFile(TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings) {
    TFileBytes file(fileName);
    try {
        ReadLines(grid, file.View(), settings, &file);
    } catch (const EGridError& e) {
        throw EGridFileError("Cannot open file " + fileName, fileName, e.what());
    }
}

void LoadCsvDocument(TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings) {
    TBaseGrid fresh(grid.ColCount(), 0);
    fresh.SetFixedRows(grid.FixedRows());
    fresh.SetFixedCols(grid.FixedCols());
    ReadCsvFile(fresh, fileName, settings);
    if (fresh.ColCount() > grid.ColCount()) grid.SetColCount(fresh.ColCount());
    grid.TakeRowsFrom(fresh);
    grid.CellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.Invalidate();
}

}  // namespace tkm
