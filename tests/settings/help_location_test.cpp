#include "settings/help_location.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(HelpLocation, TheHelpFileFirstThenTheInstalledGuide) {
    const test::TTempFolder root;
    const std::filesystem::path bin = root.Path() / "bin";
    const std::filesystem::path docs = root.Path() / "share/doc/taskmere";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(docs);
    const std::string current = root.Path().string();

    // Nothing there: the desktop is asked for the help file and says it is missing.
    EXPECT_EQ(ChooseHelpFile(current, bin.string()), "Taskmere.Hlp");
    test::WriteBytes((docs / "user-guide.html").string(), "<html></html>");
    EXPECT_EQ(ChooseHelpFile(current, bin.string()), (docs / "user-guide.html").string());
    EXPECT_EQ(ChooseHelpFile(current, ""), "Taskmere.Hlp");
    test::WriteBytes(root.File("Taskmere.Hlp"), "help");
    EXPECT_EQ(ChooseHelpFile(current, bin.string()), "Taskmere.Hlp");
}

}  // namespace
}  // namespace tkm
