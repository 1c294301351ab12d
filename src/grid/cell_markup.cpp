#include "grid/cell_markup.h"

#include "base/windows_1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace tkm {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EqualsUpper(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(), [](char a, char b) { return Upper(a) == b; });
}

constexpr std::array<std::pair<std::string_view, char32_t>, 9> NamedEntities{{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''},
    {"nbsp", U'\u00A0'}, {"copy", U'\u00A9'}, {"reg", U'\u00AE'}, {"euro", U'\u20AC'},
}};

// The character of an entity's name ("amp", "#233", "#xE9"), if it names one.
std::optional<char32_t> EntityCharacter(std::string_view name) {
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        std::uint32_t code = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        const bool valid = !digits.empty() && error == std::errc() && end == digits.data() + digits.size() &&
                           code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (valid) return char32_t(code);
        return std::nullopt;
    }
    for (const auto& [entity, character] : NamedEntities)
        if (entity == name) return character;
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, TColor>, 18> NamedColors{{
    {"BLACK", RGBColor(0, 0, 0)},        {"MAROON", RGBColor(128, 0, 0)},   {"GREEN", RGBColor(0, 128, 0)},
    {"OLIVE", RGBColor(128, 128, 0)},    {"NAVY", RGBColor(0, 0, 128)},     {"PURPLE", RGBColor(128, 0, 128)},
    {"TEAL", RGBColor(0, 128, 128)},     {"GRAY", RGBColor(128, 128, 128)}, {"GREY", RGBColor(128, 128, 128)},
    {"SILVER", RGBColor(192, 192, 192)}, {"RED", RGBColor(255, 0, 0)},      {"LIME", RGBColor(0, 255, 0)},
    {"YELLOW", RGBColor(255, 255, 0)},   {"BLUE", RGBColor(0, 0, 255)},     {"FUCHSIA", RGBColor(255, 0, 255)},
    {"AQUA", RGBColor(0, 255, 255)},     {"WHITE", RGBColor(255, 255, 255)}, {"ORANGE", RGBColor(255, 165, 0)},
}};

// "#RRGGBB", "RRGGBB", an HTML colour name or the same name after "cl".
std::optional<TColor> ReadColor(std::string_view value) {
    const std::string_view hex = value.starts_with('#') ? value.substr(1) : value;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
    if (hex.size() == 6 && error == std::errc() && end == hex.data() + hex.size())
        return RGBColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
    const std::string_view name = value.size() > 2 && EqualsUpper(value.substr(0, 2), "CL") ? value.substr(2) : value;
    for (const auto& [known, color] : NamedColors)
        if (EqualsUpper(name, known)) return color;
    return std::nullopt;
}

struct TTag {
    std::string_view Name;
    bool Closing = false;
    std::string_view Attributes;
    std::size_t End = 0;  // just past the ">"
};

// The tag starting at text[at] == '<', if it is one: a name of letters and
// digits that starts with a letter, then attributes up to a ">" outside quotes.
std::optional<TTag> ReadTag(std::string_view text, std::size_t at) {
    TTag tag;
    std::size_t i = at + 1;
    if (i < text.size() && text[i] == '/') {
        tag.Closing = true;
        ++i;
    }
    const std::size_t nameStart = i;
    if (i >= text.size() || !IsLetter(text[i])) return std::nullopt;
    while (i < text.size() && (IsLetter(text[i]) || (text[i] >= '0' && text[i] <= '9'))) ++i;
    tag.Name = text.substr(nameStart, i - nameStart);
    const std::size_t attributesStart = i;
    char quote = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.Attributes = text.substr(attributesStart, i - attributesStart);
            tag.End = i + 1;
            return tag;
        }
    }
    return std::nullopt;
}

// The value of attribute `name` (in capitals), quotes removed; empty when absent.
std::string_view AttributeValue(std::string_view attributes, std::string_view name) {
    std::size_t i = 0;
    while (i < attributes.size()) {
        while (i < attributes.size() && (IsBlank(attributes[i]) || attributes[i] == '/')) ++i;
        const std::size_t nameStart = i;
        while (i < attributes.size() && !IsBlank(attributes[i]) && attributes[i] != '=') ++i;
        const std::string_view found = attributes.substr(nameStart, i - nameStart);
        while (i < attributes.size() && IsBlank(attributes[i])) ++i;
        if (i >= attributes.size() || attributes[i] != '=') continue;
        ++i;
        while (i < attributes.size() && IsBlank(attributes[i])) ++i;
        std::size_t valueStart = i;
        std::size_t valueEnd;
        if (i < attributes.size() && (attributes[i] == '"' || attributes[i] == '\'')) {
            valueStart = i + 1;
            valueEnd = std::min(attributes.find(attributes[i], valueStart), attributes.size());
            i = valueEnd + 1;
        } else {
            while (i < attributes.size() && !IsBlank(attributes[i])) ++i;
            valueEnd = i;
        }
        if (EqualsUpper(found, name)) return attributes.substr(valueStart, valueEnd - valueStart);
    }
    return {};
}

enum TStyleIndex { Bold, Italic, Underline, Strike, StyleCount };

constexpr std::array<std::pair<std::string_view, TStyleIndex>, 8> StyleTags{{
    {"B", Bold}, {"STRONG", Bold}, {"I", Italic}, {"EM", Italic},
    {"U", Underline}, {"S", Strike}, {"STRIKE", Strike}, {"DEL", Strike},
}};
constexpr std::array<std::uint8_t, StyleCount> StyleBits{fsBold, fsItalic, fsUnderline, fsStrikeOut};

// Collects runs while the tags open and close styles and colours.
class TMarkupBuilder {
public:
    void Append(std::string_view text) {
        if (text.empty()) return;
        TMarkupLine& line = lines_.back();
        const std::uint8_t styles = Styles();
        const TColor color = colors_.empty() ? clNone : colors_.back();
        if (line.empty() || line.back().Styles != styles || line.back().Color != color)
            line.push_back({std::string(), styles, color});
        line.back().Text += text;
    }
    void Tag(const TTag& tag) {
        if (EqualsUpper(tag.Name, "BR")) {
            lines_.emplace_back();
            return;
        }
        if (EqualsUpper(tag.Name, "FONT")) {
            if (tag.Closing) {
                if (!colors_.empty()) colors_.pop_back();
                return;
            }
            const std::optional<TColor> color = ReadColor(AttributeValue(tag.Attributes, "COLOR"));
            colors_.push_back(color ? *color : colors_.empty() ? clNone : colors_.back());
            return;
        }
        for (const auto& [name, style] : StyleTags) {
            if (!EqualsUpper(tag.Name, name)) continue;
            int& depth = depths_[std::size_t(style)];
            depth = tag.Closing ? std::max(0, depth - 1) : depth + 1;
            return;
        }
    }
    std::vector<TMarkupLine> Lines() && { return std::move(lines_); }

private:
    std::uint8_t Styles() const {
        std::uint8_t styles = 0;
        for (std::size_t i = 0; i < depths_.size(); ++i)
            if (depths_[i] > 0) styles |= StyleBits[i];
        return styles;
    }

    std::vector<TMarkupLine> lines_{TMarkupLine{}};
    std::array<int, StyleCount> depths_{};
    std::vector<TColor> colors_;
};

}  // namespace

bool IsMarkupText(std::string_view text) {
    if (text.starts_with('=')) return false;
    return text.find("</") != text.npos || text.find("<B") != text.npos || text.find("<I") != text.npos;
}

std::vector<TMarkupLine> ParseMarkup(std::string_view text) {
    TMarkupBuilder builder;
    std::size_t plainStart = 0;
    auto flushPlain = [&](std::size_t end) { builder.Append(text.substr(plainStart, end - plainStart)); };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '<') {
            if (const std::optional<TTag> tag = ReadTag(text, i)) {
                flushPlain(i);
                builder.Tag(*tag);
                i = plainStart = tag->End;
                continue;
            }
        } else if (c == '&') {
            const std::size_t semicolon = text.find(';', i + 1);
            const std::optional<char32_t> character =
                semicolon == text.npos ? std::nullopt : EntityCharacter(text.substr(i + 1, semicolon - i - 1));
            if (character) {
                flushPlain(i);
                std::string utf8;
                AppendUtf8(utf8, *character);
                builder.Append(utf8);
                i = plainStart = semicolon + 1;
                continue;
            }
        } else if (c == '\r' || c == '\n') {
            // Line breaks in mark-up are blanks; only <BR> breaks a line.
            flushPlain(i);
            builder.Append(" ");
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            plainStart = i;
            continue;
        }
        ++i;
    }
    flushPlain(text.size());
    return std::move(builder).Lines();
}

}  // namespace tkm
