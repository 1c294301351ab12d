#include "base/windows_1252.h"

namespace tkm {

namespace {

// 0x80..0x9F; the rest of the code page is Latin-1.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsTail(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

char32_t Windows1252ToUnicode(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : byte; }

bool IsValidUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) length = 2, code = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF) length = 3, code = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4) length = 4, code = c & 0x07;
        else return false;
        if (n - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!IsTail(s[i + k])) return false;
            code = (code << 6) | (s[i + k] & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string_view ShownAsUtf8(std::string_view bytes, std::string& buffer) {
    if (IsValidUtf8(bytes)) return bytes;
    buffer.clear();
    buffer.reserve(bytes.size() * 2);
    for (const char c : bytes) AppendUtf8(buffer, Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return buffer;
}

}  // namespace tkm
