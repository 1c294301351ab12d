#include "grid/io/flat_open_document.h"

#include "base/windows_1252.h"
#include "grid/io/sheet_values.h"

#include <string_view>

namespace tkm {

namespace {

constexpr std::size_t BlockSize = std::size_t(1) << 20;

// The Word filters take time that grows with the square of a table's rows:
// one table of thousands of rows went past any time limit. Short tables
// that touch cost them nearly as much, so each is followed by a paragraph
// too small to see. 50 rows a table was the fastest of 25 to 1,000.
constexpr int RowsPerTextTable = 50;

constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD

constexpr std::string_view DocumentStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<office:document"
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\""
    " office:version=\"1.2\" office:mimetype=\"application/vnd.oasis.opendocument.";

// A table as wide as the page, with the thin grid lines a new word processor table has.
constexpr std::string_view TextDocumentStyles =
    "<office:automatic-styles>\n"
    "<style:style style:name=\"Table\" style:family=\"table\">"
    "<style:table-properties style:width=\"17cm\" table:align=\"margins\"/></style:style>\n"
    "<style:style style:name=\"Cell\" style:family=\"table-cell\">"
    "<style:table-cell-properties fo:padding=\"0.1cm\" fo:border=\"0.5pt solid #000000\"/></style:style>\n"
    "<style:style style:name=\"Right\" style:family=\"paragraph\">"
    "<style:paragraph-properties fo:text-align=\"end\"/></style:style>\n"
    "<style:style style:name=\"Center\" style:family=\"paragraph\">"
    "<style:paragraph-properties fo:text-align=\"center\"/></style:style>\n"
    "<style:style style:name=\"Gap\" style:family=\"paragraph\">"
    "<style:paragraph-properties fo:margin-top=\"0cm\" fo:margin-bottom=\"0cm\"/>"
    "<style:text-properties fo:font-size=\"2pt\"/></style:style>\n"
    "</office:automatic-styles>\n";

// Bytes XML 1.0 cannot carry: C0 controls but tab, LF and CR.
bool IsForbiddenControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }

// U+FFFE and U+FFFF, which XML cannot carry either.
bool IsNonCharacterAt(std::string_view text, std::size_t i) {
    return text.size() - i >= 3 && text[i] == '\xEF' && text[i + 1] == '\xBF' &&
           (text[i + 2] == '\xBE' || text[i + 2] == '\xBF');
}

// Collects the document in large blocks for the sink.
class TFlatDocument {
public:
    // `tab`: how the reader keeps a tab; the spreadsheet ignores <text:tab/> in a cell.
    TFlatDocument(const TByteSink& sink, std::string_view tab) : sink_(sink), tab_(tab) {
        out_.reserve(BlockSize + (BlockSize >> 2));
    }

    void Append(std::string_view text) { out_ += text; }

    // `kind`: "spreadsheet" or "text"; `table`: the table's opening tag.
    void Start(std::string_view kind, std::string_view styles, std::string_view table, std::size_t columns) {
        kind_ = kind;
        out_ += DocumentStart;
        out_ += kind;
        out_ += "\">\n";
        out_ += styles;
        out_ += "<office:body><office:";
        out_ += kind;
        out_ += ">\n";
        StartTable(table, columns);
    }

    // Ends the table and starts the next one, `table` being its opening tag,
    // after the tiny paragraph that keeps the two apart.
    void NextTextTable(std::string_view table, std::size_t columns) {
        out_ += "</table:table>\n<text:p text:style-name=\"Gap\"/>\n";
        StartTable(table, columns);
    }

    void Finish() {
        out_ += "</table:table>\n</office:";
        out_ += kind_;
        out_ += "></office:body></office:document>\n";
        sink_(out_);
        out_.clear();
    }

    // The cell's paragraphs, one per line, each opened by `paragraph`.
    void AppendParagraphs(std::string_view cell, std::string_view paragraph) {
        const std::string_view text = ShownAsUtf8(cell, utf8_);
        out_ += paragraph;
        std::size_t spaces = 0;  // a run of spaces not written yet
        bool afterWord = false;  // the last thing written was a character
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == ' ') {
                ++spaces;
                continue;
            }
            if (c == '\r') continue;
            const bool isWord = c != '\n' && c != '\t';
            if (spaces) AppendSpaces(spaces, afterWord && isWord);
            spaces = 0;
            afterWord = isWord;
            switch (c) {
            case '\n':
                out_ += "</text:p>";
                out_ += paragraph;
                break;
            case '\t': out_ += tab_; break;
            case '&': out_ += "&amp;"; break;
            case '<': out_ += "&lt;"; break;
            case '>': out_ += "&gt;"; break;
            default:
                if (IsForbiddenControl(static_cast<unsigned char>(c))) {
                    out_ += Replacement;
                } else if (IsNonCharacterAt(text, i)) {
                    out_ += Replacement;
                    i += 2;
                } else {
                    out_ += c;
                }
            }
        }
        if (spaces) AppendSpaces(spaces, false);
        out_ += "</text:p>";
    }

    // A number, date or time cell; the spreadsheet shows it by its style.
    void AppendValueCell(const TSheetValue& value) {
        switch (value.Type) {
        case TSheetValueType::Number:
            out_ += "<table:table-cell office:value-type=\"float\" office:value=\"";
            break;
        case TSheetValueType::Date:
            out_ += "<table:table-cell table:style-name=\"Date\" office:value-type=\"date\" office:date-value=\"";
            break;
        case TSheetValueType::Time:
            out_ += "<table:table-cell table:style-name=\"Time\" office:value-type=\"time\" office:time-value=\"";
            break;
        case TSheetValueType::Text: break;
        }
        out_ += value.Value;
        out_ += '"';
        if (value.Decimals > 0) {
            out_ += " table:style-name=\"Decimals";
            out_ += std::to_string(value.Decimals);
            out_ += '"';
        }
        out_ += "/>";
    }

    void EndRow() {
        out_ += "</table:table-row>\n";
        if (out_.size() >= BlockSize) {
            sink_(out_);
            out_.clear();
        }
    }

private:
    void StartTable(std::string_view table, std::size_t columns) {
        out_ += table;
        out_ += "\n<table:table-column table:number-columns-repeated=\"";
        out_ += std::to_string(columns);
        out_ += "\"/>\n";
    }

    // The reader folds a run of spaces into one and drops spaces at either end
    // of a paragraph or beside a tab, so only one space between two words is
    // written as it is; the others become <text:s/>.
    void AppendSpaces(std::size_t count, bool betweenWords) {
        if (betweenWords) {
            out_ += ' ';
            if (--count == 0) return;
        }
        out_ += "<text:s text:c=\"";
        out_ += std::to_string(count);
        out_ += "\"/>";
    }

    const TByteSink& sink_;
    std::string_view tab_;
    std::string_view kind_;
    std::string out_;
    std::string utf8_;
};

}  // namespace

void WriteFlatSpreadsheet(const TBaseGrid& grid, const std::vector<int>& columns, const TSheetTyping& typing,
                          const TByteSink& sink) {
    TFlatDocument document(sink, "\t");
    document.Start("spreadsheet", "<office:automatic-styles>\n" + SheetValueStyles(typing.Formats) +
                                      "</office:automatic-styles>\n",
                   "<table:table table:name=\"Sheet1\">", columns.size());
    std::vector<TSheetValueType> types;
    for (const int column : columns) types.push_back(typing.TypeOf(column));
    std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
    for (int r = 0; r < grid.RowCount(); ++r) {
        grid.RowView(r, cells);
        document.Append("<table:table-row>");
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const std::string_view text = cells[std::size_t(columns[k])];
            if (text.empty()) {
                document.Append("<table:table-cell/>");
                continue;
            }
            if (r >= grid.FixedRows()) {
                if (const std::optional<TSheetValue> value = SheetValueOf(text, types[k], typing.Formats)) {
                    document.AppendValueCell(*value);
                    continue;
                }
            }
            // A cell without a value type is a text cell: its paragraphs are
            // never read as a number, a date or a formula. Leaving the type
            // out spares LibreOffice a quarter of the document.
            document.Append("<table:table-cell>");
            document.AppendParagraphs(text, "<text:p>");
            document.Append("</table:table-cell>");
        }
        document.EndRow();
    }
    document.Finish();
}

void WriteFlatTextDocument(const TBaseGrid& grid, const std::vector<int>& columns,
                           const TAlignmentHook& onGetAlignment, const TByteSink& sink) {
    TFlatDocument document(sink, "<text:tab/>");
    const auto tableTag = [](int number) {
        return "<table:table table:name=\"Table" + std::to_string(number) + "\" table:style-name=\"Table\">";
    };
    document.Start("text", TextDocumentStyles, tableTag(1), columns.size());
    std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (r > 0 && r % RowsPerTextTable == 0) document.NextTextTable(tableTag(r / RowsPerTextTable + 1), columns.size());
        grid.RowView(r, cells);
        document.Append("<table:table-row>");
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const TCellAlignment alignment = AlignmentOf(onGetAlignment, int(k), r);
            document.Append("<table:table-cell table:style-name=\"Cell\">");
            document.AppendParagraphs(cells[std::size_t(columns[k])],
                                      alignment == TCellAlignment::Right    ? "<text:p text:style-name=\"Right\">"
                                      : alignment == TCellAlignment::Center ? "<text:p text:style-name=\"Center\">"
                                                                        : "<text:p>");
            document.Append("</table:table-cell>");
        }
        document.EndRow();
    }
    document.Finish();
}

}  // namespace tkm
