#pragma once

#include <optional>
#include <string>

namespace tkm {

// Where F1 looks: "Taskmere.Hlp" in the current folder, then the user guide
// installed beside the program (../share/doc/taskmere, where a build tree
// puts it too).
struct THelpPlaces {
    std::string HelpFile;
    std::string UserGuide;  // empty without an executable folder
};
THelpPlaces HelpPlaces(const std::string& currentFolder, const std::string& executableFolder);

// What F1 opens: "Taskmere.Hlp" when the current folder holds one, else the
// user guide; nothing when neither is there.
std::optional<std::string> ChooseHelpFile(const THelpPlaces& places);

// The message for a copy with no help at all.
std::string NoHelpText(const THelpPlaces& places);

}  // namespace tkm
