#include "grid/lookup_list.h"

#include <algorithm>
#include <cctype>

namespace tkm {

namespace {

bool SameNoCase(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), SameNoCase);
}

}  // namespace

void TLookupList::Add(std::string_view text) {
    const bool known = std::any_of(items_.begin(), items_.end(), [&](const std::string& item) {
        return item.size() == text.size() && StartsWithNoCase(item, text);
    });
    if (!known) items_.emplace_back(text);
}

const std::string* TLookupList::Match(std::string_view prefix) const {
    if (prefix.empty()) return nullptr;
    for (const std::string& item : items_)
        if (StartsWithNoCase(item, prefix)) return &item;
    return nullptr;
}

}  // namespace tkm
