#include "tasks/open_macro.h"

namespace tkm {

std::vector<std::string> MacroLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

namespace {

// The quoted argument of a line that begins with command.
std::optional<std::string> QuotedArgument(std::string_view line, std::string_view command) {
    if (!line.starts_with(command)) return std::nullopt;
    const std::size_t opening = line.find('"');
    if (opening == std::string_view::npos) return std::nullopt;
    const std::string_view rest = line.substr(opening + 1);
    return std::string(rest.substr(0, rest.find('"')));
}

}  // namespace

std::optional<std::string> OpenMacroPath(std::string_view line) { return QuotedArgument(line, "[Open("); }

std::optional<std::string> ActivateMacroToken(std::string_view text) {
    for (const std::string& line : MacroLines(text))
        if (auto token = QuotedArgument(line, ActivateCommand)) return token;
    return std::nullopt;
}

std::string ActivateMacroLine(std::string_view token) {
    return std::string(ActivateCommand) + "\"" + std::string(token) + "\")]\r\n";
}

TDocumentOutcome RunOpenMacro(std::string_view text,
                              const std::function<TDocumentOutcome(const std::string&)>& open) {
    TDocumentOutcome outcome;
    for (const std::string& line : MacroLines(text)) {
        const auto path = OpenMacroPath(line);
        if (!path) continue;
        outcome = open(*path);
        if (!outcome.GoesOn()) break;
    }
    return outcome;
}

}  // namespace tkm
