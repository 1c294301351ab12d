#pragma once

#include <string>

namespace tkm {

// What F1 opens: "Taskmere.Hlp" when the current folder holds one; otherwise
// the user guide installed beside the program (../share/doc/taskmere, where a
// build tree puts it too); otherwise "Taskmere.Hlp" still, and the desktop
// says it is missing.
std::string ChooseHelpFile(const std::string& currentFolder, const std::string& executableFolder);

}  // namespace tkm
