#include "settings/mru_manager.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

const std::string Section = "TKM\\TfrmMain.mruMain";

std::vector<std::string> Names(const TMRUManager& mru) {
    std::vector<std::string> names;
    for (const auto& entry : mru.Entries()) names.push_back(entry.Name);
    return names;
}

TEST(RecentFiles, NewestOnTopEachNameOnceLetterCaseCounting) {
    TMRUManager mru;
    int changes = 0;
    mru.OnChange = [&] { ++changes; };
    EXPECT_FALSE(mru.MenuEnabled());
    mru.Add("/a/One.tkm");
    mru.Add("/a/two.tkm");
    mru.Add("/a/One.tkm");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/a/One.tkm", "/a/two.tkm"}));
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(mru.MenuEnabled());
    // Two files on Linux: both stay, and removing one leaves the other.
    mru.Add("/a/ONE.tkm");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/a/ONE.tkm", "/a/One.tkm", "/a/two.tkm"}));
    mru.Remove("/a/one.tkm");
    mru.Remove("/a/ONE.tkm");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/a/One.tkm", "/a/two.tkm"}));
}

TEST(RecentFiles, TheEleventhPushesTheOldestOut) {
    TMRUManager mru;
    for (int i = 0; i < 11; ++i) mru.Add("/f" + std::to_string(i));
    ASSERT_EQ(mru.Entries().size(), 10u);
    EXPECT_EQ(mru.Entries().front().Name, "/f10");
    EXPECT_EQ(mru.Entries().back().Name, "/f1");
    TIniDocument ini;
    mru.StoreTo(ini, Section);
    EXPECT_EQ(ini.ReadString(Section, "Item_0", ""), "/f10");
    EXPECT_EQ(ini.ReadString(Section, "Item_9", ""), "/f1");
    EXPECT_EQ(ini.ReadString(Section, "Item_10", "none"), "none");
    EXPECT_EQ(ini.Text().find("User_"), std::string::npos);
    mru.SetCapacity(0);
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/f10"}));
}

TEST(RecentFiles, MenuCaptionsCarryAccelerators) {
    TMRUManager mru;
    for (int i = 9; i >= 0; --i) mru.Add("/f" + std::to_string(i));
    mru.Add("/docs/list.tkm|The list");
    const auto items = mru.MenuItems();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0].Caption, "&1\t/docs/list.tkm");
    EXPECT_EQ(items[0].Hint, "The list");
    EXPECT_EQ(items[1].Caption, "&2\t/f0");
    EXPECT_EQ(items[1].Hint, "/f0");
    EXPECT_EQ(items[8].Caption, "&9\t/f7");
    EXPECT_EQ(items[9].Caption, "&A\t/f8");
    EXPECT_EQ(items[9].Tag, 9);
}

TEST(RecentFiles, ClickNamesTheEntryAndKeepsTheOrder) {
    TMRUManager mru;
    mru.Add("/b");
    mru.Add("/a");
    std::string clicked, caption;
    mru.OnClick = [&](const std::string& name, const std::string& cap, int userData) {
        clicked = name;
        caption = cap;
        EXPECT_EQ(userData, 0);
    };
    mru.Click(1);
    EXPECT_EQ(clicked, "/b");
    EXPECT_EQ(caption, "&2\t/b");
    mru.Click(2);  // out of range: nothing
    EXPECT_EQ(clicked, "/b");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/a", "/b"}));
}

TEST(RecentFiles, LoadingReplacesTheListInStoredOrder) {
    TMRUManager stored;
    stored.Add("/old");
    stored.Add("\"quoted name\"");
    stored.Add("/newest");
    stored.Add("/bad\nname");
    TIniDocument ini;
    stored.StoreTo(ini, Section);
    EXPECT_EQ(ini.ReadString(Section, "Item_0", ""), "/newest");  // the unstorable name is left out

    TMRUManager mru;
    mru.Add("/from/command/line");
    int changes = 0;
    mru.OnChange = [&] { ++changes; };
    mru.LoadFrom(TIniDocument::Parse(ini.Text()), Section);
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/newest", "\"quoted name\"", "/old"}));
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace tkm
