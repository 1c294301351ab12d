#include "tasks/content_line.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tkm {

namespace {

// The library breaks a line once it would be longer than 75 octets with its
// CR LF: after the last blank, colon or semicolon of the first 74 octets, or
// else before the last character that starts within the first 75.
constexpr std::size_t FoldLength = 75;

bool IsBreak(char c) { return c == ';' || c == ':' || c == ' '; }
bool StartsCharacter(char c) { return (std::uint8_t(c) & 0x80) == 0 || (std::uint8_t(c) & 0xC0) == 0xC0; }

bool IsNameChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void AppendFoldedLine(std::string_view line, std::string& out) {
    // The library counts the line end as part of the line.
    const std::size_t total = line.size() + 2;
    const auto at = [&](std::size_t i) { return i < line.size() ? line[i] : i == line.size() ? '\r' : '\n'; };
    std::size_t start = 0;
    while (total - start >= FoldLength) {
        std::size_t length = 0;
        for (std::size_t p = FoldLength - 2; p > 0 && !length; --p)
            if (IsBreak(at(start + p))) length = p + 1;
        for (std::size_t p = FoldLength - 1; p > 0 && !length; --p)
            if (StartsCharacter(at(start + p))) length = p;
        if (!length) length = FoldLength - 1;
        // The library would break between CR and LF, which leaves a file no
        // reader takes; the rest fits on its line.
        if (start + length > line.size()) break;
        out.append(line.substr(start, length));
        out += "\r\n ";
        start += length;
    }
    out.append(line.substr(start));
    out += "\r\n";
}

void AppendEscapedText(std::string_view text, bool list, std::string& out) {
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case ';': out += "\\;"; break;
        case ',':
            if (!list) out += '\\';
            out += c;
            break;
        default: out += c;
        }
    }
}

namespace {

bool IsTextList(std::string_view name) { return name == "RESOURCES" || name == "CATEGORIES"; }

// The logical line that starts at `start`, with its folds and its line end.
std::string_view FoldedLine(std::string_view text, std::size_t start) {
    std::size_t end = start;
    do {
        const std::size_t newline = text.find('\n', end);
        end = newline == std::string_view::npos ? text.size() : newline + 1;
    } while (end < text.size() && IsBlank(text[end]));
    return text.substr(start, end - start);
}

std::string Unfolded(std::string_view folded) {
    std::string line;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (folded[i] == '\r' && i + 1 < folded.size() && folded[i + 1] == '\n') continue;
        if (folded[i] == '\n') {
            ++i;  // the blank that continues the line
            continue;
        }
        line += folded[i];
    }
    return line;
}

// The line with the bare semicolons of its value escaped; none when it has none.
std::optional<std::string> EscapedValueSemicolons(const std::string& line) {
    std::size_t value = 0;
    for (bool quoted = false; value < line.size() && (quoted || line[value] != ':'); ++value)
        if (line[value] == '"') quoted = !quoted;
    if (line.find(';', value) == std::string::npos) return std::nullopt;
    std::string out = line.substr(0, value);
    bool changed = false;
    for (std::size_t i = value; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            out += line[i++];
        } else if (line[i] == ';') {
            out += '\\';
            changed = true;
        }
        out += line[i];
    }
    return changed ? std::optional<std::string>(std::move(out)) : std::nullopt;
}

}  // namespace

std::string WithListSemicolonsEscaped(std::string text) {
    if (text.find("RESOURCES") == std::string::npos && text.find("CATEGORIES") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t start = 0; start < text.size();) {
        const std::string_view folded = FoldedLine(text, start);
        start += folded.size();
        std::optional<std::string> escaped;
        if (IsTextList(ContentLineName(folded))) escaped = EscapedValueSemicolons(Unfolded(folded));
        if (escaped)
            AppendFoldedLine(*escaped, out);
        else
            out.append(folded);
    }
    return out;
}

TContentLineReader::TContentLineReader(std::string_view text) : text_(text) {}

std::string_view TContentLineReader::PhysicalLine() {
    const char* begin = text_.data() + pos_;
    const void* newline = std::memchr(begin, '\n', text_.size() - pos_);
    const std::size_t end = newline ? std::size_t(static_cast<const char*>(newline) - text_.data()) : text_.size();
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = newline ? end + 1 : end;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    for (const char c : line)
        if (std::uint8_t(c) < 0x20 && c != '\t') plain_ = false;
    if (line.empty()) plain_ = false;
    return line;
}

bool TContentLineReader::Next(std::string_view& line) {
    if (!plain_ || pos_ >= text_.size()) return false;
    line = PhysicalLine();
    if (!line.empty() && IsBlank(line.front())) plain_ = false;
    if (pos_ < text_.size() && IsBlank(text_[pos_])) {
        unfolded_.assign(line);
        while (plain_ && pos_ < text_.size() && IsBlank(text_[pos_])) unfolded_.append(PhysicalLine().substr(1));
        line = unfolded_;
    }
    return plain_;
}

std::optional<std::string_view> TContentLine::Parameter(std::string_view name) const {
    for (int i = 0; i < ParameterCount; ++i)
        if (Parameters[i].Name == name) return Parameters[i].Value;
    return std::nullopt;
}

std::string_view ContentLineName(std::string_view line) {
    return line.substr(0, std::min(line.find_first_of(";:"), line.size()));
}

std::optional<TContentLine> PlainContentLine(std::string_view line) {
    TContentLine parsed;
    std::size_t pos = 0;
    const auto name = [&]() {
        const std::size_t start = pos;
        while (pos < line.size() && IsNameChar(line[pos])) ++pos;
        return line.substr(start, pos - start);
    };
    parsed.Name = name();
    if (parsed.Name.empty()) return std::nullopt;
    while (pos < line.size() && line[pos] == ';') {
        if (parsed.ParameterCount == 2) return std::nullopt;
        ++pos;
        const std::string_view parameterName = name();
        if (parameterName.empty() || parsed.Parameter(parameterName) || pos >= line.size() || line[pos] != '=')
            return std::nullopt;
        const std::size_t start = ++pos;
        while (pos < line.size() && line[pos] != ';' && line[pos] != ':') {
            if (line[pos] == '"' || line[pos] == ',') return std::nullopt;
            ++pos;
        }
        if (pos == start) return std::nullopt;
        parsed.Parameters[parsed.ParameterCount++] = {parameterName, line.substr(start, pos - start)};
    }
    if (pos >= line.size() || line[pos] != ':') return std::nullopt;
    parsed.Value = line.substr(pos + 1);
    if (parsed.Value.empty() || IsBlank(parsed.Value.front()) || IsBlank(parsed.Value.back())) return std::nullopt;
    return parsed;
}

std::optional<std::string> UnescapedText(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) return std::nullopt;
        switch (value[i]) {
        case 'n':
        case 'N': out += '\n'; break;
        case '\\':
        case ',':
        case ';': out += value[i]; break;
        default: return std::nullopt;
        }
    }
    return out;
}

}  // namespace tkm
