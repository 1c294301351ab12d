#include "grid/cell_link.h"

#include <cctype>
#include <charconv>

namespace tkm {

namespace {

bool ContainsNoCase(std::string_view text, std::string_view what) {
    if (text.size() < what.size()) return false;
    for (std::size_t i = 0; i + what.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t j = 0; j < what.size() && same; ++j)
            same = std::toupper(static_cast<unsigned char>(text[i + j])) == what[j];
        if (same) return true;
    }
    return false;
}

bool ReadNumber(std::string_view& s, int& value) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end == s.data()) return false;
    s.remove_prefix(std::size_t(end - s.data()));
    return true;
}

bool ReadLetter(std::string_view& s, char upper) {
    if (s.empty() || std::toupper(static_cast<unsigned char>(s.front())) != upper) return false;
    s.remove_prefix(1);
    return true;
}

}  // namespace

bool IsLinkText(std::string_view text) {
    return text.find("://") != std::string_view::npos || text.find("mailto:") != std::string_view::npos;
}

TLinkAction LinkActionFor(std::string_view text, TCellJump& jump) {
    if (!IsLinkText(text)) return TLinkAction::None;
    if (!ContainsNoCase(text, "CELL://")) return TLinkAction::OpenText;
    std::string_view rest = text.size() > 7 ? text.substr(7) : std::string_view();
    TCellJump parsed;
    if (ReadLetter(rest, 'R') && ReadNumber(rest, parsed.Row) && ReadLetter(rest, 'C') &&
        ReadNumber(rest, parsed.Col) && rest.empty()) {
        jump = parsed;
        return TLinkAction::JumpToCell;
    }
    return TLinkAction::None;
}

}  // namespace tkm
