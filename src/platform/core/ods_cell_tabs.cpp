#include "platform/core/ods_cell_tabs.h"

#include "base/atomic_file.h"
#include "base/file_bytes.h"
#include "base/zip_archive.h"

namespace tkm {

namespace {

constexpr std::string_view TabElement = "<text:tab/>";
constexpr std::string_view Content = "content.xml";

// Hands bytes on with each TabElement a tab, also where one is split between
// two pieces.
class TTabRestorer {
public:
    explicit TTabRestorer(const TZipSink& out) : out_(out) {}

    void Write(std::string_view piece) {
        pending_ += piece;
        const std::string_view pending = pending_;
        std::size_t done = 0;
        for (std::size_t at; (at = pending.find(TabElement, done)) != std::string_view::npos;
             done = at + TabElement.size()) {
            out_(pending.substr(done, at - done));
            out_("\t");
            ++tabs_;
        }
        std::size_t kept = std::min(pending.size() - done, TabElement.size() - 1);
        while (kept > 0 && !TabElement.starts_with(pending.substr(pending.size() - kept))) --kept;
        out_(pending.substr(done, pending.size() - kept - done));
        pending_.erase(0, pending.size() - kept);
    }

    void Finish() {
        out_(pending_);
        pending_.clear();
    }

    int Tabs() const { return tabs_; }

private:
    const TZipSink& out_;
    std::string pending_;
    int tabs_ = 0;
};

void RestoreTabs(const TZipArchive& archive, TTabRestorer& restorer) {
    archive.ReadMember(Content, [&](std::string_view bytes) { restorer.Write(bytes); });
    restorer.Finish();
}

}  // namespace

void KeepCellTabs(const std::string& odsPath) {
    std::string rewritten;
    {
        const TFileBytes file(odsPath);
        const TZipArchive archive(file.View(), odsPath);
        const TZipSink nowhere = [](std::string_view) {};
        TTabRestorer counter(nowhere);
        RestoreTabs(archive, counter);
        if (counter.Tabs() == 0) return;
        rewritten = archive.WithMember(Content, [&](const TZipSink& sink) {
            TTabRestorer restorer(sink);
            RestoreTabs(archive, restorer);
        });
    }
    WriteFileSafely(odsPath, rewritten);
}

}  // namespace tkm
