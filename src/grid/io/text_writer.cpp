#include "grid/io/text_writer.h"

#include "base/windows_1252.h"
#include "grid/io/shown_columns.h"

#include <algorithm>
#include <vector>

namespace tkm {

namespace {

// A row of a text file holds one line of each cell: a lone CR or LF would
// break the row as surely as CR LF does.
std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace

std::size_t ShownLength(std::string_view text) {
    std::size_t characters = 0;
    bool ascii = true;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) ascii = false;
        if ((byte & 0xC0) != 0x80) ++characters;
    }
    return ascii || IsValidUtf8(text) ? characters : text.size();
}

void WriteText(const TBaseGrid& grid, const TAlignmentHook& alignment, const TByteSink& sink) {
    const std::vector<TShownColumn> columns = ShownColumns(grid);
    std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
    std::vector<std::size_t> widths(columns.size(), 0);
    for (int r = 0; r < grid.RowCount(); ++r) {
        grid.RowView(r, cells);
        for (std::size_t k = 0; k < columns.size(); ++k)
            widths[k] = std::max(widths[k], ShownLength(FirstLine(cells[std::size_t(columns[k].Real)])));
    }

    TBlockWriter out(sink);
    std::string& block = out.Buffer();
    std::string aligned;
    for (int r = 0; r < grid.RowCount(); ++r) {
        grid.RowView(r, cells);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const std::string_view text = FirstLine(cells[std::size_t(columns[k].Real)]);
            std::size_t length = ShownLength(text);
            const std::size_t width = widths[k];
            switch (AlignmentOf(alignment, columns[k].Display, r)) {
            case TCellAlignment::Left: block += text; break;
            case TCellAlignment::Right:
                block.append(width - length, ' ');
                block += text;
                length = width;
                break;
            case TCellAlignment::Center:
                // A space each side until it fills the width: an odd gap ends one wider.
                aligned.assign(text);
                while (length < width) {
                    aligned = ' ' + aligned + ' ';
                    length += 2;
                }
                block += aligned;
                break;
            }
            if (length <= width) block.append(width - length + 1, ' ');
        }
        block += "\r\n";
        out.LineDone();
    }
    out.Flush();
}

void WriteTextFile(const TBaseGrid& grid, const std::string& fileName, const TAlignmentHook& alignment) {
    WriteExportFile(fileName, [&](const TByteSink& sink) { WriteText(grid, alignment, sink); });
}

}  // namespace tkm
