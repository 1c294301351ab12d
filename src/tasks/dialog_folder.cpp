#include "tasks/dialog_folder.h"

#include "tasks/document_name.h"

#include <filesystem>
#include <system_error>

namespace tkm {

std::string ChooseDialogFolder(const std::string& executableFolder, bool executableFolderWritable,
                               const std::string& documentFileName, const std::string& documentsFolder) {
    if (executableFolderWritable) return executableFolder;
    if (documentFileName.empty() || documentFileName == UntitledName) return documentsFolder;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(documentFileName, error).parent_path();
    // A folder removed since the document was opened would leave the dialog nowhere.
    if (error || !std::filesystem::is_directory(folder, error)) return documentsFolder;
    return folder.string();
}

}  // namespace tkm
