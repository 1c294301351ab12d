#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tkm {

// The bytes of delimited text that hold lines, and how those lines end. Lines
// end at a CR, an LF right after it belongs to the line end, a lone LF is text;
// Ctrl-Z ends the file. A file with no CR LF at all was written with LF line
// ends (as Linux editors do): there LF ends lines too. Either way a CR always
// ends a line, whatever quotes stand before it.
struct TCsvText {
    explicit TCsvText(std::string_view bytes);
    std::string_view Lines;  // up to the Ctrl-Z, if any
    bool LfEndsLines = false;
};

class TLineCursor {
public:
    // `bytes`: all of TCsvText::Lines, or any piece of it that starts where a line does.
    TLineCursor(std::string_view bytes, bool lfEndsLines) : rest_(bytes), lfEndsLines_(lfEndsLines) {}
    explicit TLineCursor(const TCsvText& text) : TLineCursor(text.Lines, text.LfEndsLines) {}
    // The next line without its line end; false after the last.
    bool Next(std::string_view& line);

private:
    std::string_view rest_;
    bool lfEndsLines_;
};

// Cuts the lines into pieces of at least `blockSize` bytes (the last may be
// shorter), each ending right after a line end: every piece holds whole
// lines, and reading them one after the other gives the lines of the whole.
std::vector<std::string_view> LineBlocks(const TCsvText& text, std::size_t blockSize);

}  // namespace tkm
