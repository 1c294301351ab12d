#include "grid/shown_words.h"

#include <algorithm>

namespace tkm {

TShownWordMatches::TShownWordMatches(std::span<const TShownWord> words, TCellMatcher& matcher) {
    for (const TShownWord& word : words)
        if (matcher.Matches(word.Shown)) found_.push_back(&word);
}

bool TShownWordMatches::Matches(int realCol, bool heading, std::string_view cell) const {
    return std::any_of(found_.begin(), found_.end(), [&](const TShownWord* word) {
        return word->RealCol == realCol && word->Heading == heading && word->Stored == cell;
    });
}

}  // namespace tkm
