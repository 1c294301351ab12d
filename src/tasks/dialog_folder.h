#pragma once

#include <string>

namespace tkm {

// Where the open and save dialogs start. A copy run from a folder of its own
// keeps its lists there, in the executable's folder; an installed program
// cannot write that folder (/usr/bin), so its dialogs start in the folder of
// the current document, or else in the user's documents folder.
std::string ChooseDialogFolder(const std::string& executableFolder, bool executableFolderWritable,
                               const std::string& documentFileName, const std::string& documentsFolder);

}  // namespace tkm
