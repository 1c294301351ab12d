#include "grid/io/html_markup_filter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

namespace tkm {

namespace {

// Tags a cell's mark-up is drawn with, and a few more that only format.
constexpr std::array KeptTags{"a",  "b",   "big",   "br",    "center", "code", "del",    "div",
                              "em", "font", "hr",   "i",     "ins",    "p",    "s",      "small",
                              "span", "strike", "strong", "sub", "sup",  "tt",   "u"};
// Elements whose content is code, a frame or raw text: they go whole.
constexpr std::array DroppedElements{"applet",  "embed",    "iframe", "math",      "noembed", "noframes",
                                     "noscript", "object",  "plaintext", "script", "style",   "svg",
                                     "template", "textarea", "title",  "xmp"};

char Lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    return lower;
}

template <std::size_t N>
bool IsOneOf(const std::string& name, const std::array<const char*, N>& names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsTagNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool IsAttributeNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.';
}

struct TAttribute {
    std::string Name;  // lower case
    std::string Value;
    bool HasValue = false;
};

struct TTag {
    std::string Name;  // lower case
    bool Closing = false;
    bool SelfClosing = false;
    std::vector<TAttribute> Attributes;
    std::size_t End = 0;  // one past its ">"
};

// Reads the tag that starts at text[at] == '<' the way a browser would (the
// grid's drawing is more lenient with quotes; the page must be read as the
// browser reads it); nothing when it is no tag (a lone "<", or one whose ">"
// never comes).
std::optional<TTag> ReadTag(std::string_view text, std::size_t at) {
    TTag tag;
    std::size_t i = at + 1;
    if (i < text.size() && text[i] == '/') {
        tag.Closing = true;
        ++i;
    }
    if (i >= text.size() || !IsNameStart(text[i])) return std::nullopt;
    const std::size_t nameStart = i;
    while (i < text.size() && IsTagNameChar(text[i])) ++i;
    tag.Name = LowerCase(text.substr(nameStart, i - nameStart));
    while (i < text.size()) {
        const char c = text[i];
        if (c == '>') {
            tag.End = i + 1;
            return tag;
        }
        if (IsBlank(c) || c == '/') {
            tag.SelfClosing = c == '/';
            ++i;
            continue;
        }
        tag.SelfClosing = false;
        // An attribute: a browser takes any run up to a blank, "/", ">" or "=" as its name.
        const std::size_t attrStart = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != '/' && text[i] != '>' &&
               (text[i] != '=' || i == attrStart))
            ++i;
        TAttribute attribute{LowerCase(text.substr(attrStart, i - attrStart)), {}, false};
        std::size_t j = i;
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (j < text.size() && text[j] == '=') {
            ++j;
            while (j < text.size() && IsBlank(text[j])) ++j;
            if (j < text.size() && (text[j] == '"' || text[j] == '\'')) {
                const std::size_t close = text.find(text[j], j + 1);
                if (close == std::string_view::npos) return std::nullopt;
                attribute.Value = std::string(text.substr(j + 1, close - j - 1));
                i = close + 1;
            } else {
                const std::size_t valueStart = j;
                while (j < text.size() && !IsBlank(text[j]) && text[j] != '>') ++j;
                attribute.Value = std::string(text.substr(valueStart, j - valueStart));
                i = j;
            }
            attribute.HasValue = true;
        }
        tag.Attributes.push_back(std::move(attribute));
    }
    return std::nullopt;
}

bool IsKeptAttribute(const TAttribute& attribute) {
    const std::string& name = attribute.Name;
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsAttributeNameChar)) return false;
    if (name.size() > 2 && name.compare(0, 2, "on") == 0) return false;  // event handlers
    return !IsScriptAddress(attribute.Value);
}

// Written anew from what was read, so the page reads exactly what was checked.
void AppendTag(const TTag& tag, std::string& out) {
    out += tag.Closing ? "</" : "<";
    out += tag.Name;
    if (!tag.Closing) {
        for (const TAttribute& attribute : tag.Attributes) {
            if (!IsKeptAttribute(attribute)) continue;
            out += ' ';
            out += attribute.Name;
            if (!attribute.HasValue) continue;
            out += "=\"";
            AppendEscaped(attribute.Value, "\"<>", out);
            out += '"';
        }
        if (tag.SelfClosing) out += '/';
    }
    out += '>';
}

// Where a dropped element ends: after its end tag, or the text's end without one.
std::size_t DroppedElementEnd(std::string_view text, const std::string& name, std::size_t from) {
    const std::string lower = LowerCase(text);
    const std::string endTag = "</" + name;
    for (std::size_t at = lower.find(endTag, from); at != std::string::npos; at = lower.find(endTag, at + 1)) {
        const std::size_t after = at + endTag.size();
        if (after < text.size() && (IsBlank(text[after]) || text[after] == '/' || text[after] == '>')) {
            const std::size_t close = text.find('>', after);
            return close == std::string_view::npos ? text.size() : close + 1;
        }
    }
    return text.size();
}

// Comments, declarations and processing instructions: up to their end.
std::size_t SpecialEnd(std::string_view text, std::size_t at) {
    if (text.substr(at, 4) == "<!--") {
        const std::size_t close = text.find("-->", at + 4);
        return close == std::string_view::npos ? text.size() : close + 3;
    }
    const std::size_t close = text.find('>', at);
    return close == std::string_view::npos ? text.size() : close + 1;
}

// The character a reference such as "&#58;", "&#x3A;" or "&colon;" stands for.
std::optional<char> ReferencedAscii(std::string_view text, std::size_t& i) {
    const std::size_t end = text.find(';', i);
    const std::string_view body = text.substr(i + 1, (end == std::string_view::npos ? text.size() : end) - i - 1);
    std::optional<char> result;
    if (body.size() > 1 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        unsigned value = 0;
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
        if (ec == std::errc() && ptr != digits.data()) {
            i += 1 + std::size_t(ptr - body.data());  // a reference may stop before any ";"
            if (i < text.size() && text[i] == ';') ++i;
            return value < 0x80 ? std::optional<char>(char(value)) : std::optional<char>(' ');
        }
        return std::nullopt;
    }
    if (end == std::string_view::npos) return std::nullopt;
    const std::string name = LowerCase(body);
    if (name == "colon") result = ':';
    else if (name == "tab" || name == "newline") result = ' ';
    if (result) i = end + 1;
    return result;
}

}  // namespace

bool IsScriptAddress(std::string_view value) {
    std::string plain;
    for (std::size_t i = 0; i < value.size();) {
        char c = value[i];
        if (c == '&') {
            if (const auto referenced = ReferencedAscii(value, i)) c = *referenced;
            else ++i;
        } else {
            ++i;
        }
        // Browsers skip blanks and control characters inside a scheme.
        if (static_cast<unsigned char>(c) > ' ' && c != 0x7F) plain += Lower(c);
    }
    return plain.find("javascript:") != std::string::npos || plain.find("vbscript:") != std::string::npos ||
           plain.compare(0, 5, "data:") == 0;
}

void AppendEscaped(std::string_view text, std::string_view escaped, std::string& out) {
    const auto escapes = [&](char c) { return escaped.find(c) != std::string_view::npos; };
    const bool amp = escapes('&'), lt = escapes('<'), gt = escapes('>'), quot = escapes('"');
    for (const char c : text) {
        if (c == '&' && amp) out += "&amp;";
        else if (c == '<' && lt) out += "&lt;";
        else if (c == '>' && gt) out += "&gt;";
        else if (c == '"' && quot) out += "&quot;";
        else out += c;
    }
}

void AppendFilteredMarkup(std::string_view markup, std::string& out) {
    std::size_t i = 0;
    while (i < markup.size()) {
        const char c = markup[i];
        if (c == '>') {
            out += "&gt;";
            ++i;
            continue;
        }
        if (c != '<') {
            out += c;
            ++i;
            continue;
        }
        const char next = i + 1 < markup.size() ? markup[i + 1] : '\0';
        if (next == '!' || next == '?') {
            i = SpecialEnd(markup, i);
            continue;
        }
        const std::optional<TTag> tag = ReadTag(markup, i);
        if (!tag) {
            out += "&lt;";
            ++i;
            continue;
        }
        if (IsOneOf(tag->Name, DroppedElements)) {
            i = tag->Closing || tag->SelfClosing ? tag->End : DroppedElementEnd(markup, tag->Name, tag->End);
            continue;
        }
        if (IsOneOf(tag->Name, KeptTags)) AppendTag(*tag, out);
        i = tag->End;
    }
}

}  // namespace tkm
