#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// The text of iCalendar content lines ("NAME;PARAM=VALUE:value"), written and
// read without building the library's component tree.

// Appends `line` and its CR LF to `out`, folded as libical folds, so that a
// file reads the same whether the library or Taskmere wrote a line.
void AppendFoldedLine(std::string_view line, std::string& out);

// Appends a TEXT value with its escapes: backslash, line break, semicolon,
// and commas unless `list` (RESOURCES keeps its commas as separators).
// CR, backspace and form feed are left out, as the library leaves them out.
void AppendEscapedText(std::string_view text, bool list, std::string& out);

// The library writes the semicolons inside the values of RESOURCES and
// CATEGORIES bare, where a TEXT value needs them escaped: the text of
// components it wrote with those escaped and the lines folded again. Every
// other line stays byte for byte.
std::string WithListSemicolonsEscaped(std::string text);

// The unfolded content lines of one component's text. It stops early, and
// is then no longer Plain, at anything the library reads in ways of its own:
// control bytes, empty lines, a line end other than CR LF or LF.
class TContentLineReader {
public:
    explicit TContentLineReader(std::string_view text);

    // The next line, without its line end; false at the end of the text or
    // once the text is not plain. The view lasts until the next call.
    bool Next(std::string_view& line);
    bool Plain() const { return plain_; }

private:
    std::string_view PhysicalLine();

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string unfolded_;
    bool plain_ = true;
};

// A content line split into its parts, when it has the plain form only:
// an upper-case name, at most two unquoted parameters, and a value with no
// blank at either end.
struct TContentLine {
    struct TParameter {
        std::string_view Name;
        std::string_view Value;
    };
    std::string_view Name;
    TParameter Parameters[2];
    int ParameterCount = 0;
    std::string_view Value;

    std::optional<std::string_view> Parameter(std::string_view name) const;
};

// The line's name: what stands before its first ";" or ":".
std::string_view ContentLineName(std::string_view line);
std::optional<TContentLine> PlainContentLine(std::string_view line);

// The value of a TEXT property without its escapes; none for an escape the
// library reads in a way of its own ("\t", "\x", a lone "\" at the end).
std::optional<std::string> UnescapedText(std::string_view value);

}  // namespace tkm
