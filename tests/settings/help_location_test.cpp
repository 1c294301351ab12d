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

    const THelpPlaces places = HelpPlaces(current, bin.string());
    EXPECT_EQ(places.HelpFile, root.File("Taskmere.Hlp"));
    EXPECT_EQ(places.UserGuide, (docs / "user-guide.html").string());
    // Nothing there: nothing to open, and the message names both places.
    EXPECT_EQ(ChooseHelpFile(places), std::nullopt);
    EXPECT_EQ(NoHelpText(places), "No help is installed: neither " + places.HelpFile + " nor " + places.UserGuide +
                                      " exists.");
    test::WriteBytes((docs / "user-guide.html").string(), "<html></html>");
    EXPECT_EQ(ChooseHelpFile(places), (docs / "user-guide.html").string());
    EXPECT_EQ(ChooseHelpFile(HelpPlaces(current, "")), std::nullopt);
    test::WriteBytes(root.File("Taskmere.Hlp"), "help");
    EXPECT_EQ(ChooseHelpFile(places), "Taskmere.Hlp");
    EXPECT_EQ(ChooseHelpFile(HelpPlaces(current, "")), "Taskmere.Hlp");
}

}  // namespace
}  // namespace tkm
