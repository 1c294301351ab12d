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

}  // namespace
}  // namespace tkm
