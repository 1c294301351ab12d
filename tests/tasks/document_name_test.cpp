#include "tasks/document_name.h"

#include "base/translatable.h"

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

// Only a new document is named in the user's language: a file called
// Untitled.tkm is the user's own name.
TEST(DocumentName, ShownNameTranslatesOnlyANewDocumentsName) {
    SetTextTranslator([](const char*, const char* text) { return "[" + std::string(text) + "]"; });
    EXPECT_EQ(DocumentShownName("Untitled"), "[Untitled]");
    EXPECT_EQ(DocumentShownName("/home/ann/Untitled.tkm"), "Untitled");
    SetTextTranslator(nullptr);
    EXPECT_EQ(DocumentShownName("Untitled"), "Untitled");
}

}  // namespace
}  // namespace tkm
