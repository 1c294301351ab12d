#pragma once

#include "tasks/document_session.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// The lines of an execute transaction: split at CR LF, LF or a lone CR.
std::vector<std::string> MacroLines(std::string_view text);

// The document an "[Open(" line names: the text between the first double
// quote and the next one (or the end of the line). Nothing for any other line.
std::optional<std::string> OpenMacroPath(std::string_view line);

// A start of the program that hands its documents over asks the running one
// to come forward with an "[Activate(" line carrying the desktop's activation
// token (an XDG activation token or an X11 startup id, or nothing).
inline constexpr std::string_view ActivateCommand = "[Activate(";
std::optional<std::string> ActivateMacroToken(std::string_view text);
std::string ActivateMacroLine(std::string_view token);

// Opens each document the macro names, in order. A cancelled save question
// or a failure ends the remaining lines; the outcome of the last open is
// returned (Done when nothing was opened).
TDocumentOutcome RunOpenMacro(std::string_view text,
                              const std::function<TDocumentOutcome(const std::string&)>& open);

}  // namespace tkm
