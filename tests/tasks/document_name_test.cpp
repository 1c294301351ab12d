#include "tasks/document_name.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(DocumentName, BaseNameDropsFolderAndExtension) {
    EXPECT_EQ(DocumentBaseName("Untitled"), "Untitled");
    EXPECT_EQ(DocumentBaseName("/home/ann/lists/home.tkm"), "home");
    EXPECT_EQ(DocumentBaseName("C:\\Lists\\work.2026.tkm"), "work.2026");
    EXPECT_EQ(DocumentBaseName("/a.b/noext"), "noext");
    EXPECT_EQ(DocumentBaseName("/tmp/ Untitled .tkm"), " Untitled ");
}

TEST(DocumentName, TypedNamesGetTheChosenTypesExtension) {
    const std::string filter = "Text document (*.txt)|*.txt|Web Document (*.htm)|*.htm|All files (*.*)|*.*";
    EXPECT_EQ(WithTypeExtension("/tmp/list", filter, 2, "txt"), "/tmp/list.htm");
    EXPECT_EQ(WithTypeExtension("/tmp/list", filter, 3, "txt"), "/tmp/list.txt");  // "*.*": the default
    EXPECT_EQ(WithTypeExtension("/tmp/list.csv", filter, 2, "txt"), "/tmp/list.csv");
    EXPECT_EQ(WithTypeExtension("/tmp/my.lists/list", filter, 1, "txt"), "/tmp/my.lists/list.txt");
    EXPECT_EQ(WithTypeExtension("/tmp/list", "Taskmere files (*.tkm)|*.tkm", 1, "tkm"), "/tmp/list.tkm");
    EXPECT_EQ(WithTypeExtension("/tmp/list", filter, 9, "txt"), "/tmp/list.txt");
}

}  // namespace
}  // namespace tkm
