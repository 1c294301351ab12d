#pragma once

#include <string>
#include <string_view>

namespace tkm {

struct THtmlTextOptions {
    bool XHTML = false;
    bool UrlShow = true;
    bool UrlFull = true;
};

// Appends what a table cell of the page holds for a cell text: mark-up cells
// filtered, every other text escaped; CR as a line break; web and mail
// addresses as links; an empty text as a line break. Texts without "&", "<",
// ">" or blanks in an address come out as they stand.
void AppendHtmlCellText(std::string_view text, const THtmlTextOptions& options, std::string& out);

}  // namespace tkm
