#include "grid/io/html_writer.h"

#include "base/file_bytes.h"
#include "base/windows_1252.h"
#include "grid/io/html_cell_text.h"
#include "grid/io/shown_columns.h"

#include <optional>
#include <span>
#include <vector>

namespace tkm {

namespace {

// The lines of a header or footer file, each ended by CR LF; nothing when it
// cannot be read.
std::string FileLines(const std::string& fileName) {
    if (fileName.empty()) return {};
    std::optional<TFileBytes> file;
    try {
        file.emplace(fileName);
    } catch (const EGridFileError&) {
        return {};
    }
    std::string lines;
    std::string_view rest = file->View();
    while (!rest.empty()) {
        const std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines += line;
        lines += "\r\n";
        rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    }
    return lines;
}

void AppendColor(TColor rgb, std::string& out) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    const std::uint8_t r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
    const char text[7] = {'#', Hex[r >> 4], Hex[r & 0x0F], Hex[g >> 4], Hex[g & 0x0F], Hex[b >> 4], Hex[b & 0x0F]};
    out.append(text, sizeof text);
}

class THtmlTable {
public:
    THtmlTable(const THtmlSources& sources, std::string& out)
        : sources_(sources), settings_(sources.Settings), out_(out),
          text_{settings_.XHTML, settings_.UrlShow, settings_.UrlFull} {}

    void Prologue() {
        if (settings_.XHTML)
            out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
                    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n";
        // Browsers reading the page as HTML ignore the XML declaration.
        out_ += settings_.XHTML ? "<meta charset=\"utf-8\"/>\r\n" : "<meta charset=\"utf-8\">\r\n";
        if (!settings_.PrefixTag.empty()) Line(settings_.PrefixTag);
        out_ += "<table border=\"" + std::to_string(settings_.BorderSize) + "\" cellspacing=\"" +
                std::to_string(settings_.CellSpacing) + "\" cellpadding=\"" + std::to_string(settings_.CellPadding);
        if (!settings_.TableStyle.empty()) out_ += " " + settings_.TableStyle + " ";
        out_ += "\" width=\"" + std::to_string(settings_.Width) + "%\">\r\n";
    }

    void HeaderRow(const std::vector<TShownColumn>& columns, std::span<const std::string_view> cells) {
        out_ += "<tr>\r\n";
        for (const TShownColumn& column : columns) {
            const std::string_view text = cells[std::size_t(column.Real)];
            CellStart(text, column.Display, 0);
            out_ += " bgcolor=\"";
            AppendColor(settings_.Scheme.Resolve(settings_.FixedColor), out_);
            out_ += '"';
            Width(column.Display);
            out_ += "><b>";
            AppendText(text);
            out_ += "</b></td>\r\n";
        }
        out_ += "</tr>\r\n";
    }

    void DataRow(const std::vector<TShownColumn>& columns, std::span<const std::string_view> cells, int row,
                 bool widths) {
        out_ += "<tr>\r\n";
        for (const TShownColumn& column : columns) {
            const std::string_view text = cells[std::size_t(column.Real)];
            TCellStyle style{clNone, clNone, 0, false};
            if (sources_.Colors) sources_.Colors(column.Display, column.Real, row, style);
            const bool brush = settings_.SaveColor && style.Brush != clNone;
            const bool font = settings_.SaveColor && style.FontColor != clNone;
            const std::uint8_t styles = settings_.SaveFonts ? style.FontStyles : 0;
            CellStart(text, column.Display, row);
            if (brush) {
                out_ += " bgcolor=\"";
                AppendColor(settings_.Scheme.Resolve(style.Brush), out_);
                out_ += '"';
            }
            if (widths) Width(column.Display);
            out_ += '>';
            if (font) {
                out_ += "<font color=\"";
                AppendColor(settings_.Scheme.Resolve(style.FontColor), out_);
                out_ += "\">";
            }
            if (styles & fsBold) out_ += "<b>";
            if (styles & fsItalic) out_ += "<i>";
            if (styles & fsUnderline) out_ += "<u>";
            AppendText(text);
            if (styles & fsUnderline) out_ += "</u>";
            if (styles & fsItalic) out_ += "</i>";
            if (styles & fsBold) out_ += "</b>";
            if (font) out_ += "</font>";
            out_ += "</td>\r\n";
        }
        out_ += "</tr>\r\n";
    }

    void Epilogue() {
        out_ += "</table>\r\n";
        if (!settings_.SuffixTag.empty()) Line(settings_.SuffixTag);
        if (settings_.XHTML) out_ += "</html>\r\n";
    }

private:
    void Line(const std::string& text) {
        out_ += text;
        out_ += "\r\n";
    }

    // In UTF-8 as the grid shows it: a list written on Windows holds Windows-1252.
    void AppendText(std::string_view cell) { AppendHtmlCellText(ShownAsUtf8(cell, utf8_), text_, out_); }

    // "<td", nowrap and the alignment of a non-empty text.
    void CellStart(std::string_view text, int displayCol, int row) {
        out_ += settings_.WordWrap ? "<td" : "<td nowrap";
        if (text.empty()) return;
        switch (AlignmentOf(sources_.Alignment, displayCol, row)) {
        case TCellAlignment::Left: break;
        case TCellAlignment::Right: out_ += " align=\"right\""; break;
        case TCellAlignment::Center: out_ += " align=\"center\""; break;
        }
    }

    void Width(int displayCol) {
        if (std::size_t(displayCol) < settings_.ColumnWidths.size())
            out_ += " width=" + std::to_string(settings_.ColumnWidths[std::size_t(displayCol)]);
    }

    const THtmlSources& sources_;
    const THtmlSettings& settings_;
    std::string& out_;
    THtmlTextOptions text_;
    std::string utf8_;
};

}  // namespace

void WriteHtml(const TBaseGrid& grid, const THtmlSources& sources, const TByteSink& sink) {
    const THtmlSettings& settings = sources.Settings;
    const std::vector<TShownColumn> columns = ShownColumns(grid, settings.WriteFixedCells);
    std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
    std::string text = FileLines(settings.HeaderFile);
    THtmlTable(sources, text).Prologue();
    const bool header = grid.FixedRows() > 0 && settings.WriteFixedCells;
    if (header) {
        grid.RowView(0, cells);
        THtmlTable(sources, text).HeaderRow(columns, cells);
    }
    sink(text);
    const int firstRow = header ? 1 : settings.WriteFixedCells ? 0 : grid.FixedRows();
    WriteRowsInOrder(
        firstRow, grid.RowCount(),
        [&](int first, int end, std::string& out) {
            const THtmlSources own = sources;  // the hooks may keep state: a copy of its own for this thread
            THtmlTable table(own, out);
            std::vector<std::string_view> rowCells(std::size_t(grid.RealColCount()));
            for (int r = first; r < end; ++r) {
                grid.RowView(r, rowCells);
                table.DataRow(columns, rowCells, r, !header);
            }
        },
        sink, sources.OnFileProgress);
    text.clear();
    THtmlTable(sources, text).Epilogue();
    text += FileLines(settings.FooterFile);
    sink(text);
}

void WriteHtmlFile(const TBaseGrid& grid, const std::string& fileName, const THtmlSources& sources) {
    WriteExportFile(fileName, [&](const TByteSink& sink) { WriteHtml(grid, sources, sink); });
}

}  // namespace tkm
