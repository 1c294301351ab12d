#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// The words the normal editor completes from, in the order they were met.
// Texts are cell bytes; case is ignored for the ASCII letters.
class TLookupList {
public:
    const std::vector<std::string>& Items() const { return items_; }
    void Clear() { items_.clear(); }
    // Adds the text unless the list already holds it, in any case.
    void Add(std::string_view text);
    // The first item that begins with prefix; nullptr when none does or the
    // prefix is empty.
    const std::string* Match(std::string_view prefix) const;

private:
    std::vector<std::string> items_;
};

}  // namespace tkm
