#include "grid/io/html_cell_text.h"

#include "grid/cell_markup.h"
#include "grid/io/html_markup_filter.h"

#include <algorithm>

namespace tkm {

namespace {

constexpr std::size_t MaxShownAddress = 255;

// Whether a text holds a character to escape, a CR or an address. Most cells
// (times included) hold none and go straight through.
bool NeedsWork(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<' || c == '>' || c == '&' || c == '\r') return true;
        if (c == ':' && (text.substr(i + 1, 2) == "//" || (i >= 6 && text.substr(i - 6, 6) == "mailto"))) return true;
    }
    return false;
}

// The text as page content, each CR a line break.
void AppendContent(std::string_view text, bool markup, const THtmlTextOptions& options, std::string& out) {
    const char* lineBreak = options.XHTML ? "<br/>" : "<br>";
    std::size_t start = 0;
    while (true) {
        const std::size_t cr = text.find('\r', start);
        const std::string_view piece = text.substr(start, cr == std::string_view::npos ? cr : cr - start);
        if (markup) AppendFilteredMarkup(piece, out);
        else AppendEscaped(piece, "&<>", out);
        if (cr == std::string_view::npos) return;
        out += lineBreak;
        start = cr + 1;
    }
}

// An address written bare stays one attribute value only without blanks,
// quotes, "=", "<", ">", "`" or "&"; anything else is quoted.
bool NeedsQuotes(std::string_view address) {
    return address.find_first_of(" \t\r\n\f\"'=<>`&") != std::string_view::npos;
}

void AppendLink(std::string_view text, std::string_view shown, bool markup, const THtmlTextOptions& options,
                std::string& out) {
    out += "<a href=";
    if (NeedsQuotes(text)) {
        out += '"';
        AppendEscaped(text, "&<>\"", out);
        out += '"';
    } else {
        out += text;
    }
    out += '>';
    AppendContent(shown, markup, options, out);
    out += "</a>";
}

}  // namespace

void AppendHtmlCellText(std::string_view text, const THtmlTextOptions& options, std::string& out) {
    if (text.empty()) {
        out += options.XHTML ? "<br/>" : "<br>";
        return;
    }
    if (!NeedsWork(text)) {
        out += text;
        return;
    }
    const bool markup = IsMarkupText(text);
    const bool closes = text.find("</") != std::string_view::npos;
    const std::size_t web = text.find("://");
    const std::size_t mail = text.find("mailto:");
    const bool linked = options.UrlShow && !closes && (web != std::string_view::npos || mail != std::string_view::npos) &&
                        !IsScriptAddress(text);
    if (!linked) return AppendContent(text, markup, options, out);
    std::string_view shown = text;
    if (!options.UrlFull) {
        if (mail != std::string_view::npos) shown = text.substr(mail + 7);
        else shown = text.substr(web + 3, MaxShownAddress);
    }
    AppendLink(text, shown, markup, options, out);
}

}  // namespace tkm
