#include "grid/io/csv_lines.h"

#include <algorithm>
#include <cstring>

namespace tkm {

namespace {

constexpr char Cr = '\r';
constexpr char Lf = '\n';

// Where the line holding `from` ends, and the length of its line end.
std::size_t LineEnd(std::string_view bytes, std::size_t from, bool lfEndsLines, std::size_t& ending) {
    std::size_t end = bytes.find(lfEndsLines ? Lf : Cr, from);
    // In a file with LF line ends a lone CR still ends a line.
    if (lfEndsLines) end = std::min(end, bytes.substr(0, end).find(Cr, from));
    if (end == std::string_view::npos) {
        ending = 0;
        return bytes.size();
    }
    ending = bytes[end] == Cr && end + 1 < bytes.size() && bytes[end + 1] == Lf ? 2 : 1;
    return end;
}

}  // namespace

TCsvText::TCsvText(std::string_view bytes) {
    const void* end = bytes.empty() ? nullptr : std::memchr(bytes.data(), '\x1A', bytes.size());
    Lines = end ? bytes.substr(0, std::size_t(static_cast<const char*>(end) - bytes.data())) : bytes;
    LfEndsLines = Lines.find("\r\n") == std::string_view::npos;
}

bool TLineCursor::Next(std::string_view& line) {
    if (rest_.empty()) return false;
    std::size_t ending = 0;
    const std::size_t length = LineEnd(rest_, 0, lfEndsLines_, ending);
    line = rest_.substr(0, length);
    rest_.remove_prefix(length + ending);
    return true;
}

std::vector<std::string_view> LineBlocks(const TCsvText& text, std::size_t blockSize) {
    std::vector<std::string_view> blocks;
    const std::string_view lines = text.Lines;
    for (std::size_t start = 0; start < lines.size();) {
        std::size_t end = lines.size();
        const std::size_t want = start + std::max<std::size_t>(blockSize, 1);
        if (want < lines.size()) {
            std::size_t ending = 0;
            end = LineEnd(lines, want - 1, text.LfEndsLines, ending);
            end += ending;
        }
        blocks.push_back(lines.substr(start, end - start));
        start = end;
    }
    return blocks;
}

}  // namespace tkm
