#include "platform/file_filter.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

const std::string SaveAsFilter = "Text document (*.txt)|*.txt|Web Document (*.htm)|*.htm|All files (*.*)|*.*";

TEST(FileFilter, TypesKeepTheirDescriptionsAsWritten) {
    const auto types = FileTypes(SaveAsFilter);
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0].Description, "Text document (*.txt)");
    EXPECT_EQ(types[1].Patterns, "*.htm");
    EXPECT_EQ(types[2].Patterns, "*.*");
    EXPECT_TRUE(FileTypes("").empty());
    EXPECT_EQ(FileTypes("Lonely (*.x)").size(), 0u);  // a description without patterns is no type
}

TEST(FileFilter, EachTypeGivesItsExtensionOrTheDefault) {
    EXPECT_EQ(TypeExtension(SaveAsFilter, 2, "txt"), "htm");
    EXPECT_EQ(TypeExtension(SaveAsFilter, 3, "txt"), "txt");  // "*.*" names no extension
    EXPECT_EQ(TypeExtension(SaveAsFilter, 9, "txt"), "txt");
    EXPECT_EQ(TypeExtension("Taskmere files (*.tkm)|*.tkm", 1, "tkm"), "tkm");
    EXPECT_EQ(TypeExtension("Pages (*.htm;*.html)|*.htm;*.html", 1, "txt"), "htm");
    EXPECT_EQ(TypeExtension("Logs (*.lo?)|*.lo?", 1, ""), "");
}

}  // namespace
}  // namespace tkm
