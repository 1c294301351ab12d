#include "settings/form_placement.h"
#include "settings/ini_file.h"
#include "settings/ini_location.h"
#include "settings/mru_manager.h"
#include "base/errors.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tkm {
namespace {

using test::ReadBytes;
using test::TTempFolder;
using test::WriteBytes;

struct TMainWindowSettings {
    explicit TMainWindowSettings(const std::string& ini) : Placement(ini) { Placement.Link(Recent, "TfrmMain.mruMain"); }
    TFormPlacement Placement;
    TMRUManager Recent;
};

TEST(FormPlacement, FirstStartStoresTheStampAndTheList) {
    TTempFolder folder;
    const std::string path = folder.File("TKM.ini");
    TMainWindowSettings window(path);
    window.Placement.Save();  // before the window was shown: nothing
    EXPECT_FALSE(std::filesystem::exists(path));
    window.Placement.Restore();
    EXPECT_TRUE(window.Recent.Entries().empty());
    window.Recent.Add("/lists/work.tkm");
    window.Recent.Add("/lists/home.tkm");
    window.Placement.Save();
    const std::string expected =
        "[TKM]\r\nFormVersion=0\r\n\r\n[TKM\\TfrmMain.mruMain]\r\nItem_0=/lists/home.tkm\r\nItem_1=/lists/work.tkm\r\n";
    EXPECT_EQ(ReadBytes(path), expected);
    // Storing again over that file gives the same bytes.
    window.Placement.Save();
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(FormPlacement, EveryShowReloadsTheStoredList) {
    TTempFolder folder;
    const std::string path = folder.File("TKM.ini");
    WriteBytes(path, "[TKM]\nFormVersion=0\n[TKM\\TfrmMain.mruMain]\nItem_0=/stored.tkm\n");
    TMainWindowSettings window(path);
    window.Recent.Add("/command-line.tkm");
    window.Placement.Restore();
    window.Recent.Add("/opened.tkm");
    window.Placement.Restore();  // back from the tray
    ASSERT_EQ(window.Recent.Entries().size(), 1u);
    EXPECT_EQ(window.Recent.Entries()[0].Name, "/stored.tkm");
}

TEST(FormPlacement, DestroyStoresOnlyWhenCloseDidNot) {
    TTempFolder folder;
    const std::string path = folder.File("TKM.ini");
    TMainWindowSettings window(path);
    window.Placement.Restore();
    window.Placement.Save();
    std::filesystem::remove(path);
    window.Placement.SaveOnDestroy();
    EXPECT_FALSE(std::filesystem::exists(path));
    window.Placement.Restore();  // shown again: the next destroy stores (Exit from the tray)
    window.Recent.Add("/x.tkm");
    window.Placement.SaveOnDestroy();
    EXPECT_NE(ReadBytes(path).find("Item_0=/x.tkm"), std::string::npos);
}

TEST(FormPlacement, UnreadableFileIsReported) {
    TTempFolder folder;
    TMainWindowSettings window(folder.Path().string());  // a folder, not a file
    EXPECT_THROW(window.Placement.Restore(), EGridFileError);
}

TEST(IniLocation, BesideTheExecutableOnlyWhenWritable) {
    TTempFolder folder;
    const std::string exe = folder.Path().string();
    EXPECT_EQ(ChooseIniFileName(exe, "/xdg", "/home/ann"), exe + "/TKM.ini");
    const std::string gone = exe + "/missing";
    EXPECT_EQ(ChooseIniFileName(gone, "/xdg", "/home/ann"), "/xdg/Taskmere/TKM.ini");
    EXPECT_EQ(ChooseIniFileName(gone, "relative", "/home/ann"), "/home/ann/.config/Taskmere/TKM.ini");
    EXPECT_EQ(ChooseIniFileName(gone, nullptr, "/home/ann"), "/home/ann/.config/Taskmere/TKM.ini");
    EXPECT_FALSE(ExecutableFolder().empty());
}

TEST(IniLocation, SavingMakesTheConfigurationFolder) {
    TTempFolder folder;
    TIniFile ini(folder.File("config/Taskmere/TKM.ini"));
    ini.Document().WriteInteger("TKM", "FormVersion", 0);
    ini.Save();
    EXPECT_EQ(ReadBytes(folder.File("config/Taskmere/TKM.ini")), "[TKM]\r\nFormVersion=0\r\n");
}

}  // namespace
}  // namespace tkm
