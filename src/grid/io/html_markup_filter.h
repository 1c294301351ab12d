#pragma once

#include <string>
#include <string_view>

namespace tkm {

// Appends a mark-up cell text as page mark-up that cannot run anything: the
// formatting tags a cell may hold stay, with their attributes, except event
// handlers and script addresses; script, style, frame and object elements go
// with their content; any other tag goes and its text stays; a "<" or ">" that
// starts no tag is escaped. Entities are kept: the cell draws them.
void AppendFilteredMarkup(std::string_view markup, std::string& out);

// Appends text with those of "&", "<", ">" and '"' that `escaped` names
// written as character references.
void AppendEscaped(std::string_view text, std::string_view escaped, std::string& out);

// True for an address that would run script when followed: "javascript:" or
// "vbscript:" anywhere, or "data:" at the start, whatever letter case, blanks,
// control characters or character references hide it.
bool IsScriptAddress(std::string_view value);

}  // namespace tkm
