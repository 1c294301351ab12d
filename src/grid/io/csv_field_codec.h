#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// How a cell text travels as one field of a line.
//
// A text without double quotes, CR, LF or Ctrl-Z is written as it stands,
// enclosed in double quotes when it holds the separator ("" when empty). So is
// a text with double quotes wherever other programs read it back unchanged
// that way: one without CR, LF and Ctrl-Z that does not start with a quote,
// has no separator and, in the line's last field, neither ends with a quote
// nor holds two in a row. Any other text is enclosed, and inside the quotes a double quote is doubled, a CR LF pair is written as a bare LF (which the
// reader turns back into CR LF), and the bytes a line cannot carry are written
// as a quote, a backslash and a letter: lone CR "\r, lone LF "\n, Ctrl-Z "\z.
// So no written line holds a raw CR or Ctrl-Z, and every text comes back whole.
namespace CsvField {

// The separator must not collide with the quoting above.
bool IsWritableSeparator(char separator);
// Where the field stands in its line: readers treat the last one apart.
enum class TPlace { Inner, Last };
// Appends the field for `text` to `out`.
void Append(std::string_view text, char separator, bool quoteEmptyFields, TPlace place, std::string& out);

}  // namespace CsvField

// Splits lines into field texts: views into the line where the text stands as
// written, decoded text in a buffer reused from line to line otherwise.
class TCsvLineSplitter {
public:
    explicit TCsvLineSplitter(char separator) : separator_(separator) {}
    // `line` without its line end. The views stay valid until the next call
    // and while the line's bytes live. A line of more than `maxFields` fields
    // is split no further than the field after the last one allowed.
    std::span<const std::string_view> Split(std::string_view line, std::size_t maxFields = SIZE_MAX);

private:
    struct TPiece {
        const char* Data;  // null: the text is in scratch_ from Offset
        std::size_t Offset;
        std::size_t Size;
    };

    // Positions within one line.
    class TPositionSet {
    public:
        void Add(std::size_t position);
        bool Contains(std::size_t position) const {
            return position / 64 < used_ && (words_[position / 64] >> (position % 64) & 1);
        }
        // Costs in proportion to the furthest position added since the last Clear.
        void Clear();

    private:
        std::vector<std::uint64_t> words_;
        std::size_t used_ = 0;  // the words that may hold a position
    };

    std::size_t AddQuoted(std::string_view s, std::size_t from);
    void AddLast(std::string_view s, std::size_t from);
    void AddUnquoted(std::string_view text, bool reduceQuotes);
    void AddDecoded(std::string_view body, bool plain);
    std::size_t FindClosingQuote(std::string_view s, std::size_t from, bool& plain);
    void AddView(std::string_view text) { pieces_.push_back({text.data(), 0, text.size()}); }
    void EndScratchPiece(std::size_t start) { pieces_.push_back({nullptr, start, scratch_.size() - start}); }

    char separator_;
    std::vector<TPiece> pieces_;
    std::string scratch_;
    TPositionSet passedQuotes_;  // see FindClosingQuote
    std::vector<std::string_view> views_;
};

}  // namespace tkm
