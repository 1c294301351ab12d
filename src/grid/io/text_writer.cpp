#include "grid/io/text_writer.h"

#include "base/ordered_batches.h"
#include "base/windows_1252.h"
#include "grid/io/shown_columns.h"

#include <algorithm>
#include <vector>

namespace tkm {

namespace {

struct TShownLine {
    std::string_view Text;
    std::size_t Length = 0;  // in characters
};

// What a cell shows of itself in a row of a text file: its first line, since
// a lone CR or LF would break the row as surely as CR LF does, in UTF-8 as the
// grid shows it (a list written on Windows holds Windows-1252). Every cell is
// measured and written, so the common case (ASCII, one line) is one plain loop.
TShownLine FirstLine(std::string_view cell, std::string& buffer) {
    const std::string_view text = ShownAsUtf8(cell, buffer);
    std::size_t end = 0;
    bool ascii = true;
    for (; end < text.size(); ++end) {
        const auto byte = static_cast<unsigned char>(text[end]);
        if (byte > '\r') {
            ascii = ascii && byte < 0x80;
            continue;
        }
        if (byte == '\r' || byte == '\n') break;
    }
    const std::string_view line = text.substr(0, end);
    if (ascii) return {line, line.size()};
    const auto characters = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return {line, std::size_t(characters)};
}

// Each column as wide as its longest first line, runs of rows measured on every core.
std::vector<std::size_t> ColumnWidths(const TBaseGrid& grid, const std::vector<TShownColumn>& columns) {
    constexpr int RowsPerRun = 4096;
    std::vector<std::size_t> widths(columns.size(), 0);
    ProduceInOrder<std::vector<std::size_t>>(
        std::size_t((grid.RowCount() + RowsPerRun - 1) / RowsPerRun),
        [&](std::size_t run) {
            std::vector<std::size_t> runWidths(columns.size(), 0);
            std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
            std::string utf8;
            const int first = int(run) * RowsPerRun;
            for (int r = first; r < std::min(grid.RowCount(), first + RowsPerRun); ++r) {
                grid.RowView(r, cells);
                for (std::size_t k = 0; k < columns.size(); ++k)
                    runWidths[k] = std::max(runWidths[k], FirstLine(cells[std::size_t(columns[k].Real)], utf8).Length);
            }
            return runWidths;
        },
        [&](std::size_t, std::vector<std::size_t>&& runWidths) {
            for (std::size_t k = 0; k < widths.size(); ++k) widths[k] = std::max(widths[k], runWidths[k]);
        },
        2);
    return widths;
}

}  // namespace

void WriteText(const TBaseGrid& grid, const TAlignmentHook& alignment, const TByteSink& sink,
               const TFileProgressHandler& progress) {
    const std::vector<TShownColumn> columns = ShownColumns(grid);
    const std::vector<std::size_t> widths = ColumnWidths(grid, columns);
    WriteRowsInOrder(
        0, grid.RowCount(),
        [&](int first, int end, std::string& block) {
            const TAlignmentHook aligned = alignment;  // a copy of its own for this thread
            std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
            std::string utf8, centered;
            for (int r = first; r < end; ++r) {
                grid.RowView(r, cells);
                for (std::size_t k = 0; k < columns.size(); ++k) {
                    const auto [text, shownLength] = FirstLine(cells[std::size_t(columns[k].Real)], utf8);
                    std::size_t length = shownLength;
                    const std::size_t width = widths[k];
                    switch (AlignmentOf(aligned, columns[k].Display, r)) {
                    case TCellAlignment::Left: block += text; break;
                    case TCellAlignment::Right:
                        block.append(width - length, ' ');
                        block += text;
                        length = width;
                        break;
                    case TCellAlignment::Center:
                        // A space each side until it fills the width: an odd gap ends one wider.
                        centered.assign(text);
                        while (length < width) {
                            centered = ' ' + centered + ' ';
                            length += 2;
                        }
                        block += centered;
                        break;
                    }
                    if (length <= width) block.append(width - length + 1, ' ');
                }
                block += "\r\n";
            }
        },
        sink, progress);
}

void WriteTextFile(const TBaseGrid& grid, const std::string& fileName, const TAlignmentHook& alignment,
                   const TFileProgressHandler& progress) {
    WriteExportFile(fileName, [&](const TByteSink& sink) { WriteText(grid, alignment, sink, progress); });
}

}  // namespace tkm
