#include "settings/ini_document.h"

#include "settings/ascii_case.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <stdexcept>

namespace tkm {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsEnclosed(std::string_view s) {
    return s.size() >= 2 && s.front() == s.back() && (s.front() == '"' || s.front() == '\'');
}

// The key of a key=value line, empty for any other line.
std::string KeyOf(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return {};
    const auto eq = trimmed.find('=');
    return eq == std::string_view::npos ? std::string() : std::string(Trimmed(trimmed.substr(0, eq)));
}

std::string_view ValueOf(std::string_view line) {
    std::string_view value = Trimmed(line.substr(line.find('=') + 1));
    if (IsEnclosed(value)) value = value.substr(1, value.size() - 2);
    return value;
}

bool IsHeader(std::string_view line, std::string& name) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() != '[') return false;
    name = std::string(Trimmed(trimmed.substr(1, trimmed.find(']') - 1)));
    return true;
}

void CheckName(std::string_view name, std::string_view what) {
    const bool bad = name.find_first_of("\r\n") != std::string_view::npos || Trimmed(name) != name;
    if (bad || (what == "key" && (name.empty() || name.find('=') != std::string_view::npos || name.front() == ';' ||
                                  name.front() == '[')) ||
        (what == "section" && name.find(']') != std::string_view::npos))
        throw std::invalid_argument("An INI " + std::string(what) + " cannot be \"" + std::string(name) + "\"");
}

}  // namespace

// The lines before the first section header live in a section without one.
TIniDocument::TIniDocument() : sections_{{{}, false, {}}} {}

TIniDocument TIniDocument::Parse(std::string_view text) {
    TIniDocument document;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string name;
        if (IsHeader(line, name)) {
            document.sections_.push_back({std::move(name), true, {}});
            document.sections_.back().Lines.push_back({std::string(line), {}});
        } else {
            document.sections_.back().Lines.push_back({std::string(line), KeyOf(line)});
        }
    }
    return document;
}

std::string TIniDocument::Text() const {
    std::string text;
    for (const TSection& section : sections_)
        for (const TLine& line : section.Lines) text += line.Raw + "\r\n";
    return text;
}

std::size_t TIniDocument::FindSection(std::string_view name) const {
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i].HasHeader && EqualsIgnoringAsciiCase(sections_[i].Name, name)) return i;
    return NotFound;
}

std::size_t TIniDocument::FindKey(std::size_t section, std::string_view key) const {
    if (section == NotFound) return NotFound;
    const std::vector<TLine>& lines = sections_[section].Lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].Key.empty() && EqualsIgnoringAsciiCase(lines[i].Key, key)) return i;
    return NotFound;
}

bool TIniDocument::SectionExists(std::string_view section) const { return FindSection(section) != NotFound; }

std::string TIniDocument::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::size_t s = FindSection(section);
    const std::size_t k = FindKey(s, key);
    return std::string(k == NotFound ? fallback : ValueOf(sections_[s].Lines[k].Raw));
}

int TIniDocument::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::string text = ReadString(section, key, "");
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative || (!digits.empty() && digits.front() == '+')) digits.remove_prefix(1);
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    } else if (digits.starts_with("$")) {
        digits.remove_prefix(1);
        base = 16;
    }
    std::uint64_t magnitude = 0;  // unsigned: a second sign is not a number
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return fallback;
    if (magnitude > (negative ? std::uint64_t(INT32_MAX) + 1 : std::uint64_t(INT32_MAX))) return fallback;
    return negative ? int(-std::int64_t(magnitude)) : int(magnitude);
}

std::size_t TIniDocument::SectionForWriting(std::string_view name) {
    CheckName(name, "section");
    if (const std::size_t found = FindSection(name); found != NotFound) return found;
    // A new section goes to the end, set off by a blank line.
    std::vector<TLine>& last = sections_.back().Lines;
    if (!last.empty() && !Trimmed(last.back().Raw).empty()) last.push_back({});
    std::string header = "[";
    header.append(name).append("]");
    sections_.push_back({std::string(name), true, {{std::move(header), {}}}});
    return sections_.size() - 1;
}

void TIniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    CheckName(key, "key");
    if (value.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument("An INI value cannot hold a line break");
    const std::size_t s = SectionForWriting(section);
    std::vector<TLine>& lines = sections_[s].Lines;
    const bool wrap = !value.empty() && (IsEnclosed(value) || IsBlank(value.front()) || IsBlank(value.back()));
    std::string raw(key);
    raw += '=';
    if (wrap) raw.append("\"").append(value).append("\"");
    else raw.append(value);
    modified_ = true;
    if (const std::size_t k = FindKey(s, key); k != NotFound) {
        lines[k].Raw = std::move(raw);
        return;
    }
    // After the section's last non-blank line, so blank lines keep parting sections.
    std::size_t at = lines.size();
    while (at > 1 && Trimmed(lines[at - 1].Raw).empty()) --at;
    lines.insert(lines.begin() + long(at), {std::move(raw), std::string(key)});
}

void TIniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniDocument::EraseSection(std::string_view section) {
    // Every copy goes, or a duplicate further down would show through.
    for (std::size_t s = FindSection(section); s != NotFound; s = FindSection(section)) {
        sections_.erase(sections_.begin() + long(s));
        modified_ = true;
    }
}

void TIniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const std::size_t s = FindSection(section);
    const std::size_t k = FindKey(s, key);
    if (k == NotFound) return;
    sections_[s].Lines.erase(sections_[s].Lines.begin() + long(k));
    modified_ = true;
}

}  // namespace tkm
