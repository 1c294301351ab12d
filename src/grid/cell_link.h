#pragma once

#include <optional>
#include <string_view>

namespace tkm {

// A cell whose text holds "://" or "mailto:" is drawn and acts as a link.
bool IsLinkText(std::string_view text);

struct TCellJump {
    int Col = 0;
    int Row = 0;
};

enum class TLinkAction { None, OpenText, JumpToCell };

// What a left press on a link cell does: jump for "CELL://RnCm" (any letter
// case; the address is what follows the text's first seven characters), open
// the whole text otherwise. A CELL:// text that does not parse does nothing.
TLinkAction LinkActionFor(std::string_view text, TCellJump& jump);

}  // namespace tkm
