#include "grid/io/csv_field_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tkm {

namespace {

constexpr char Quote = '"';
constexpr char Cr = '\r';
constexpr char Lf = '\n';
constexpr char CtrlZ = '\x1A';
constexpr char EscapeMark = '\\';

constexpr std::array<bool, 256> NeedsEscaping = [] {
    std::array<bool, 256> table{};
    for (char c : {Quote, Cr, Lf, CtrlZ}) table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// The byte an escape letter after quote-backslash stands for; 0 if none.
char EscapedByte(char letter) {
    switch (letter) {
    case 'r': return Cr;
    case 'n': return Lf;
    case 'z': return CtrlZ;
    default: return 0;
    }
}

bool HasByte(std::string_view text, char c) { return !text.empty() && std::memchr(text.data(), c, text.size()); }

// Eight bytes at a time: bit 7 of a byte of the result is set where `word`
// holds `c` (and maybe above such a byte, so it answers "any", not "where").
constexpr std::uint64_t EveryByte = 0x0101010101010101ull;
std::uint64_t Word(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}
std::uint64_t BytesEqual(std::uint64_t word, char c) {
    const std::uint64_t v = word ^ (EveryByte * static_cast<unsigned char>(c));
    return (v - EveryByte) & ~v & (EveryByte << 7);
}

struct TFieldBytes {
    bool Escape = false;     // a byte that needs escaping
    bool Separator = false;  // the separator
};

// Saving looks at every byte of every cell: the common case of plain text
// must cost little more than copying it. `text` is not empty.
TFieldBytes Classify(std::string_view text, char separator) {
    std::uint64_t escape = 0, separated = 0;
    const auto look = [&](std::uint64_t word) {
        escape |= BytesEqual(word, Quote) | BytesEqual(word, Cr) | BytesEqual(word, Lf) | BytesEqual(word, CtrlZ);
        separated |= BytesEqual(word, separator);
    };
    if (text.size() < 8) {
        // Filled up with copies of a byte of the text, which add no new finding.
        std::uint64_t word = EveryByte * static_cast<unsigned char>(text[0]);
        std::memcpy(&word, text.data(), text.size());
        look(word);
    } else {
        for (std::size_t i = 0; i + 8 < text.size(); i += 8) look(Word(text.data() + i));
        // The last word may overlap the one before; looking twice changes nothing.
        look(Word(text.data() + text.size() - 8));
    }
    return {escape != 0, separated != 0};
}

// Whether a text holding double quotes comes back unchanged, through this
// reader and through every reader that follows the format's plain rules, when
// written as it stands. Such a reader takes a field up to the separator as it
// is, unless it starts with a quote; in the line's last field it also drops a
// quote at either end and makes runs of quotes one. (Enclosed, a quote comes
// back only as the last field's final byte, which this reader takes for the
// start of a doubled quote: such texts are escaped.)
bool ReadsBackAsItStands(std::string_view text, char separator, CsvField::TPlace place) {
    for (const char c : {Cr, Lf, CtrlZ})
        if (HasByte(text, c)) return false;
    if (text.front() == Quote) return false;
    if (HasByte(text, separator)) return false;
    return place == CsvField::TPlace::Inner ||
           (text.back() != Quote && text.find("\"\"") == std::string_view::npos);
}

void AppendEscaped(std::string_view text, std::string& out) {
    out += Quote;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == Quote) {
            out += "\"\"";
        } else if (c == Cr && i + 1 < text.size() && text[i + 1] == Lf) {
            out += Lf;
            ++i;
        } else if (c == Cr) {
            out += "\"\\r";
        } else if (c == Lf) {
            out += "\"\\n";
        } else if (c == CtrlZ) {
            out += "\"\\z";
        } else {
            out += c;
        }
    }
    out += Quote;
}

}  // namespace

namespace CsvField {

bool IsWritableSeparator(char separator) {
    return separator != Quote && separator != EscapeMark && !NeedsEscaping[static_cast<unsigned char>(separator)];
}

void Append(std::string_view text, char separator, bool quoteEmptyFields, TPlace place, std::string& out) {
    if (text.empty()) {
        if (quoteEmptyFields) out += "\"\"";
        return;
    }
    const TFieldBytes found = Classify(text, separator);
    if (found.Escape && !ReadsBackAsItStands(text, separator, place)) {
        AppendEscaped(text, out);
    } else if (found.Separator) {
        out += Quote;
        out += text;
        out += Quote;
    } else {
        out += text;
    }
}

}  // namespace CsvField

void TCsvLineSplitter::TPositionSet::Add(std::size_t position) {
    const std::size_t word = position / 64;
    if (word >= words_.size()) words_.resize(word + 1);
    words_[word] |= std::uint64_t(1) << (position % 64);
    used_ = std::max(used_, word + 1);
}

void TCsvLineSplitter::TPositionSet::Clear() {
    std::fill_n(words_.begin(), used_, 0);
    used_ = 0;
}

// The closing quote is the first quote that is neither doubled nor the start of
// an escape; for a field written without inner quotes that is the first lone
// quote, as plain readers of this format find it. `plain`: no pair or escape met.
//
// A field that finds no closing quote is empty and the next field starts right
// after its opening quote, so every field after it would search the same
// quotes again: time in the square of the line's length. Whether a quote closes
// or is passed depends only on the bytes after it, so a search that meets a
// passed quote ends as the search that passed it did. Passed quotes are
// remembered for the line, and meeting one means there is no closing quote.
// (The quotes passed on the way to a closing quote are never met again: the
// line goes on after it.)
std::size_t TCsvLineSplitter::FindClosingQuote(std::string_view s, std::size_t from, bool& plain) {
    plain = true;
    for (std::size_t i = from; i < s.size();) {
        const void* hit = std::memchr(s.data() + i, Quote, s.size() - i);
        if (!hit) return std::string_view::npos;
        const std::size_t q = std::size_t(static_cast<const char*>(hit) - s.data());
        if (q + 1 == s.size() || s[q + 1] == separator_) return q;
        if (passedQuotes_.Contains(q)) return std::string_view::npos;
        if (s[q + 1] == Quote) {
            i = q + 2;
        } else if (s[q + 1] == EscapeMark && q + 2 < s.size() && EscapedByte(s[q + 2])) {
            i = q + 3;
        } else {
            return q;
        }
        passedQuotes_.Add(q);
        plain = false;
    }
    return std::string_view::npos;
}

void TCsvLineSplitter::AddDecoded(std::string_view body, bool plain) {
    if (plain && !HasByte(body, Lf)) return AddView(body);
    const std::size_t start = scratch_.size();
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == Lf) {
            scratch_ += "\r\n";
        } else if (c != Quote) {
            scratch_ += c;
        } else if (body[i + 1] == Quote) {  // a closed body holds only pairs and escapes
            scratch_ += Quote;
            ++i;
        } else {
            scratch_ += EscapedByte(body[i + 2]);
            i += 2;
        }
    }
    EndScratchPiece(start);
}

// Text read the plain way: LF becomes CR LF and, if asked, runs of quotes become one.
void TCsvLineSplitter::AddUnquoted(std::string_view text, bool reduceQuotes) {
    if ((!reduceQuotes || !HasByte(text, Quote)) && !HasByte(text, Lf)) return AddView(text);
    const std::size_t start = scratch_.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == Lf) scratch_ += "\r\n";
        else if (!reduceQuotes || c != Quote || i == 0 || text[i - 1] != Quote) scratch_ += c;
    }
    EndScratchPiece(start);
}

// s[from - 1] is the opening quote. Returns where the rest of the line starts.
std::size_t TCsvLineSplitter::AddQuoted(std::string_view s, std::size_t from) {
    bool plain = true;
    const std::size_t close = FindClosingQuote(s, from, plain);
    if (close == std::string_view::npos) {
        AddView({});  // unclosed: an empty field; the rest up to the separator is dropped
        return from;
    }
    AddDecoded(s.substr(from, close - from), plain);
    return close + 1;
}

// The line's last field, from `from` on, with no separator left in it.
void TCsvLineSplitter::AddLast(std::string_view s, std::size_t from) {
    if (s[from] == Quote) {
        bool plain = true;
        const std::size_t close = FindClosingQuote(s, from + 1, plain);
        if (close == s.size() - 1) return AddDecoded(s.substr(from + 1, close - from - 1), plain);
        ++from;
    }
    std::string_view rest = s.substr(from);
    if (!rest.empty() && rest.back() == Quote) rest.remove_suffix(1);
    AddUnquoted(rest, true);
}

std::span<const std::string_view> TCsvLineSplitter::Split(std::string_view s, std::size_t maxFields) {
    pieces_.clear();
    scratch_.clear();
    passedQuotes_.Clear();
    const auto find = [&](std::size_t from) { return s.find(separator_, from); };
    std::size_t pos = 0;
    for (std::size_t sep = find(0); sep != std::string_view::npos && pieces_.size() <= maxFields;) {
        if (s[pos] == Quote) {
            pos = AddQuoted(s, pos + 1);
            sep = find(pos);
            if (sep == std::string_view::npos) break;  // text after the closing quote stays
        } else {
            AddUnquoted(s.substr(pos, sep - pos), false);
        }
        pos = sep + 1;
        sep = find(pos);
    }
    if (pos < s.size() && pieces_.size() <= maxFields) AddLast(s, pos);
    views_.clear();
    for (const TPiece& piece : pieces_)
        views_.emplace_back(piece.Data ? piece.Data : scratch_.data() + piece.Offset, piece.Size);
    return views_;
}

}  // namespace tkm
