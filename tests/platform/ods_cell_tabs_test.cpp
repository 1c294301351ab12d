#include "platform/core/ods_cell_tabs.h"

#include "base/errors.h"
#include "base/zip_archive.h"
#include "support/temp_folder.h"
#include "support/zip_test_archive.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using test::ReadBytes;
using test::StoredZip;
using test::TTempFolder;
using test::WriteBytes;

std::string Member(const std::string& archive, std::string_view name) {
    std::string bytes;
    EXPECT_TRUE(TZipArchive(archive, "x.ods").ReadMember(name, [&](std::string_view piece) { bytes += piece; }));
    return bytes;
}

TEST(OdsCellTabs, EveryTabElementOfTheContentBecomesATabAndNothingElseChanges) {
    // Long enough to be inflated in several pieces, so that some elements are cut in two.
    std::string content = "<text:p>a<text:tab/>b</text:p><text:tab";
    std::string expected = "<text:p>a\tb</text:p><text:tab";
    for (int i = 0; i < 20000; ++i) {
        content += "<text:p>" + std::to_string(i) + "<text:tab/><text:tab/></text:p>";
        expected += "<text:p>" + std::to_string(i) + "\t\t</text:p>";
    }
    content += "<text:tab/";
    expected += "<text:tab/";
    const std::string stored = StoredZip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                          {"content.xml", "x"},
                                          {"styles.xml", "<text:tab/>"}});
    // Deflated, as LibreOffice writes it.
    const std::string archive = TZipArchive(stored, "x.ods").WithMember("content.xml", [&](const TZipSink& sink) {
        sink(content);
    });
    TTempFolder folder;
    const std::string ods = folder.File("list.ods");
    WriteBytes(ods, archive);
    KeepCellTabs(ods);
    const std::string kept = ReadBytes(ods);
    EXPECT_EQ(Member(kept, "content.xml"), expected);
    EXPECT_EQ(Member(kept, "styles.xml"), "<text:tab/>") << "only the cells' content is rewritten";
    EXPECT_EQ(kept.substr(30, 8), "mimetype") << "the type stays the first member, stored";
    EXPECT_EQ(Member(kept, "mimetype"), "application/vnd.oasis.opendocument.spreadsheet");

    // Without tabs the file is not written at all.
    const std::string plain = StoredZip({{"mimetype", "m"}, {"content.xml", "<text:p>a b</text:p>"}});
    WriteBytes(ods, plain);
    EXPECT_NO_THROW(KeepCellTabs(ods));
    EXPECT_EQ(ReadBytes(ods), plain);
}

TEST(OdsCellTabs, AFileThatIsNoArchiveOrADamagedOneFailsNamingIt) {
    TTempFolder folder;
    const std::string ods = folder.File("list.ods");
    std::string archive = StoredZip({{"content.xml", "<text:tab/>"}});
    const auto failure = [&](const std::string& bytes) {
        WriteBytes(ods, bytes);
        try {
            KeepCellTabs(ods);
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.Path(), ods);
            return e.Reason();
        }
        return std::string("no failure");
    };
    EXPECT_EQ(failure("not a zip archive at all"), "it is not a zip archive");
    EXPECT_EQ(failure(archive.substr(0, archive.size() - 30)), "it is not a zip archive");
    std::string outside = archive;
    outside[outside.size() - 6] = char(0x7F);  // the directory's offset
    EXPECT_EQ(failure(outside), "its directory lies outside it");
    std::string damaged = archive;
    damaged[damaged.size() - 22 - 11 - 4] = char(0x40);  // the member's local header offset
    EXPECT_EQ(failure(damaged), "its directory is damaged");
    EXPECT_EQ(ReadBytes(ods), damaged) << "a failure leaves the file as it was";
}

}  // namespace
}  // namespace tkm
