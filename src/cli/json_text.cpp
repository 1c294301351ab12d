#include "cli/json_text.h"

#include <cstdio>

namespace tkm::cli {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], 0 if there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (lead == 0xE0) low = 0xA0;       // no overlong forms
    if (lead == 0xED) high = 0x9F;      // no encoded surrogates
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;      // nothing above U+10FFFF
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

void AppendEscape(unsigned code, std::string& out) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
    out += buffer;
}

}  // namespace

void AppendJsonString(std::string_view bytes, std::string& out) {
    out += '"';
    for (std::size_t i = 0; i < bytes.size();) {
        const char c = bytes[i];
        const std::size_t length = SequenceLength(bytes, i);
        if (length == 0) {
            AppendEscape(0xDC00u + static_cast<unsigned char>(c), out);
            ++i;
            continue;
        }
        if (length > 1) {
            out.append(bytes.substr(i, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            AppendEscape(static_cast<unsigned char>(c), out);
        } else {
            out += c;
        }
        i += length;
    }
    out += '"';
}

}  // namespace tkm::cli
