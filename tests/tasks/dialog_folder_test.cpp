#include "tasks/dialog_folder.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace tkm {
namespace {

TEST(DialogFolder, APortableCopyKeepsItsOwnFolderAnInstalledOneFollowsTheDocument) {
    const test::TTempFolder root;
    const std::string lists = root.Path().string();
    const std::string document = root.File("home.tkm");

    // Its folder can be written: always there, as the lists are kept beside it.
    EXPECT_EQ(ChooseDialogFolder("/opt/taskmere", true, document, "/home/ann/Documents"), "/opt/taskmere");

    // Installed: beside the document, or the documents folder while there is none.
    EXPECT_EQ(ChooseDialogFolder("/usr/bin", false, document, "/home/ann/Documents"), lists);
    EXPECT_EQ(ChooseDialogFolder("/usr/bin", false, "Untitled", "/home/ann/Documents"), "/home/ann/Documents");
    EXPECT_EQ(ChooseDialogFolder("/usr/bin", false, "", "/home/ann/Documents"), "/home/ann/Documents");
    // Its folder is gone: not a dialog that starts nowhere.
    EXPECT_EQ(ChooseDialogFolder("/usr/bin", false, root.File("gone/home.tkm"), "/docs"), "/docs");
}

TEST(DialogFolder, ADocumentNamedRelativeToTheCurrentFolderStartsThere) {
    const test::TTempFolder root;
    char* previous = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(root.Path().c_str()), 0);
    const std::string chosen = ChooseDialogFolder("/usr/bin", false, "home.tkm", "/docs");
    ASSERT_EQ(chdir(previous), 0);
    std::free(previous);
    EXPECT_EQ(chosen, root.Path().string());
}

}  // namespace
}  // namespace tkm
