#include "grid/io/csv_reader.h"

#include "base/errors.h"
#include "base/file_bytes.h"
#include "base/ordered_batches.h"
#include "grid/io/csv_field_codec.h"
#include "grid/io/csv_lines.h"
#include "grid/io/separator_detection.h"

#include <algorithm>
#include <climits>

namespace tkm {

namespace {

// Large enough that a block costs far more to parse than to hand over, small
// enough that the blocks in flight cost little memory.
constexpr std::size_t LoadBlockSize = std::size_t(1) << 20;

// Of a file's load, reading its bytes takes about this many percent, splitting
// them into cells the rest.
constexpr int ReadShare = 20;

// Bytes of a file whose lines are in the grid go back to the system in steps this large.
constexpr std::size_t ReleaseStep = std::size_t(8) << 20;

struct TReadStart {
    int Col = 0;
    int Row = 0;
    char Separator = ',';
    // The most fields a line may have from the start column on.
    std::size_t MaxFields() const { return std::size_t(MaxLoadColumns - std::min(Col, MaxLoadColumns)); }
};

TReadStart StartOf(const TBaseGrid& grid, const TCsvText& text, const TCsvSettings& settings) {
    TReadStart start;
    start.Col = settings.WriteFixedCells ? 0 : grid.FixedCols();
    start.Row = settings.WriteFixedCells ? 0 : grid.FixedRows();
    start.Separator = settings.FieldSeparator;
    if (!start.Separator) {
        std::string_view line1, line2;
        TLineCursor lines(text);
        if (lines.Next(line1)) lines.Next(line2);
        start.Separator = DetectSeparator(line1, line2);
    }
    return start;
}

[[noreturn]] void ThrowTooManyFields(long long line) {
    throw EGridError("line " + std::to_string(line) + " has more than " + std::to_string(MaxLoadColumns) +
                     " fields");
}

// A document is never held twice, as bytes and as cells: the bytes of the
// lines in the grid go back to the system as the load passes them.
class TBytesRelease {
public:
    TBytesRelease(TFileBytes* file, std::string_view bytes) : file_(file), bytes_(bytes) {}
    void Passed(const char* position) {
        const std::size_t offset = std::size_t(position - bytes_.data());
        if (file_ && offset - released_ >= ReleaseStep) file_->Release(released_ = offset);
    }

private:
    TFileBytes* file_;
    std::string_view bytes_;
    std::size_t released_ = 0;
};

void ReadLineByLine(TBaseGrid& grid, const TCsvText& text, const TReadStart& start, const TCsvSettings& settings,
                    TBytesRelease& release) {
    long long lineCount = 0;
    std::string_view line;
    for (TLineCursor lines(text); lines.Next(line);) ++lineCount;
    if (lineCount > INT_MAX - start.Row) throw EGridError("the file has too many lines");

    grid.SetRowCount(start.Row + int(lineCount));
    TCsvLineSplitter splitter(start.Separator);
    TProgressReporter progress(settings.OnFileProgress, lineCount);
    const std::size_t maxFields = start.MaxFields();
    int row = start.Row;
    for (TLineCursor lines(text); lines.Next(line); ++row) {
        release.Passed(line.data());
        const auto fields = splitter.Split(line, maxFields);
        if (fields.size() > maxFields) ThrowTooManyFields(row - start.Row + 1);
        if (!fields.empty()) {
            const int needed = start.Col + int(fields.size());
            if (grid.ColCount() < needed) grid.SetColCount(needed);
            grid.SetRowCells(row, start.Col, fields);
        }
        progress.Report(row - start.Row + 1);
    }
}

// The rows of one block of lines, with texts of their own.
struct TParsedBlock {
    TTextArena Texts;
    std::vector<TRowTextRef> Rows;
    int ColCount = 0;      // what the block's lines need
    bool TooWide = false;  // the line after the last row has too many fields
};

TParsedBlock ParseBlock(std::string_view block, bool lfEndsLines, const TReadStart& start) {
    // One chunk holds a block of usual lines: fewer bytes than the line, for
    // the separators and quotes, but a few more for the cell ends.
    TParsedBlock parsed{TTextArena(std::size_t(4) << 20, block.size() + block.size() / 4 + 64), {}, 0, false};
    TCsvLineSplitter splitter(start.Separator);
    std::vector<std::string_view> cells;
    const std::size_t maxFields = start.MaxFields();
    std::string_view line;
    for (TLineCursor lines(block, lfEndsLines); lines.Next(line);) {
        const auto fields = splitter.Split(line, maxFields);
        if (fields.size() > maxFields) {
            parsed.TooWide = true;
            break;
        }
        if (fields.empty()) {
            parsed.Rows.emplace_back();
            continue;
        }
        cells.assign(std::size_t(start.Col), std::string_view());
        cells.insert(cells.end(), fields.begin(), fields.end());
        parsed.Rows.push_back(parsed.Texts.AppendRow(cells));
        parsed.ColCount = std::max(parsed.ColCount, int(cells.size()));
    }
    return parsed;
}

// The rows from the start row on are all new: blocks of lines are parsed on
// every core and their rows appended in order.
void ReadInBlocks(TBaseGrid& grid, const TCsvText& text, const TReadStart& start, const TCsvSettings& settings,
                  std::size_t blockSize, TBytesRelease& release) {
    const std::vector<std::string_view> blocks = LineBlocks(text, blockSize);
    grid.SetRowCount(start.Row);
    TProgressReporter progress(settings.OnFileProgress, (long long)text.Lines.size());
    ProduceInOrder<TParsedBlock>(
        blocks.size(), [&](std::size_t i) { return ParseBlock(blocks[i], text.LfEndsLines, start); },
        [&](std::size_t i, TParsedBlock&& parsed) {
            if (i == 0 && blocks.size() > 1) {
                // The first block tells how long lines are: room for all of them, and an eighth more.
                const double lines = double(parsed.Rows.size()) * double(text.Lines.size()) / double(blocks[0].size());
                grid.ReserveRowCapacity(int(std::min(lines * 9 / 8 + start.Row + 16, double(INT_MAX))));
            }
            if (grid.ColCount() < parsed.ColCount) grid.SetColCount(parsed.ColCount);
            grid.AppendRows(std::move(parsed.Texts), parsed.Rows);
            if (parsed.TooWide) ThrowTooManyFields(grid.RowCount() - start.Row + 1);
            const char* end = blocks[i].data() + blocks[i].size();
            release.Passed(end);
            progress.Report(end - text.Lines.data());
        },
        1);
}

// `file`, when given, holds `bytes`. `blockSize` 0: line by line.
void ReadLines(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings, std::size_t blockSize,
               TFileBytes* file) {
    const TCsvText text(bytes);
    const TReadStart start = StartOf(grid, text, settings);
    TBytesRelease release(file, bytes);
    // Lines merged into rows the grid has already are read one by one.
    if (blockSize > 0 && grid.RowCount() <= start.Row) ReadInBlocks(grid, text, start, settings, blockSize, release);
    else ReadLineByLine(grid, text, start, settings, release);
    grid.CellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.Invalidate();
}

// Small texts are not worth the threads.
std::size_t BlockSizeFor(std::string_view bytes) { return bytes.size() >= 2 * LoadBlockSize ? LoadBlockSize : 0; }

}  // namespace

void ReadCsv(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings) {
    ReadLines(grid, bytes, settings, BlockSizeFor(bytes), nullptr);
}

void ReadCsvInBlocks(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings, std::size_t blockSize) {
    ReadLines(grid, bytes, settings, blockSize, nullptr);
}

void ReadCsvFile(TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings) {
    // A large file takes seconds to read: the bar moves, and Cancel works, from the start.
    const TFileProgressHandler readPart = ProgressPart(settings.OnFileProgress, 0, ReadShare);
    TProgressReporter reading(readPart, 100);
    TFileBytes file(fileName, [&reading](std::size_t read, std::size_t total) {
        reading.Report(RoundedPercent((long long)read, (long long)total));
    });
    TCsvSettings splitting = settings;
    splitting.OnFileProgress = ProgressPart(settings.OnFileProgress, ReadShare, 100);
    try {
        ReadLines(grid, file.View(), splitting, BlockSizeFor(file.View()), &file);
    } catch (const EGridError& e) {
        throw EGridFileError(CannotOpenFileText(fileName), fileName, e.what());
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
