#include "tasks/recovery_folder.h"

#include "base/file_bytes.h"
#include "tasks/recovery_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <tuple>

namespace tkm {

namespace fs = std::filesystem;

namespace {

std::string NameOf(const std::string& path) { return fs::path(path).filename().string(); }

}  // namespace

std::vector<std::string> TRecoveryFolder::Names() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(path_, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
}

void TRecoveryFolder::DeleteExpired(TDate today) const {
    const std::vector<std::string> names = Names();
    for (const std::string& name : RecoveryNames::ExpiredAmong(names, today)) std::remove(PathOf(name).c_str());
    for (const std::string& name : RecoveryNames::LonelyLocksAmong(names))
        if (auto lock = TFileLock::TryLock(PathOf(name))) lock->Remove();
}

std::vector<TOrphan> TRecoveryFolder::ClaimOrphans(TDate today) const {
    std::vector<TOrphan> orphans;
    const std::vector<std::string> names = Names();
    for (const std::string& name : RecoveryNames::UnsavedAmong(names)) {
        auto lock = TFileLock::TryLock(PathOf(RecoveryNames::LockOf(name)));
        if (!lock) continue;  // its program still runs
        TOrphan orphan{PathOf(name), std::move(*lock), {}, {}};
        std::optional<TRecoveryContent> content;
        try {
            const TFileBytes bytes(orphan.Path);
            content = ReadRecoveryContent(bytes.View());
            if (content) orphan.Table.assign(content->Table);
        } catch (const std::exception&) {
            // Gone since the folder was listed, or unreadable: nothing to offer.
            if (!fs::exists(orphan.Path)) continue;
        }
        if (!content) {
            SetAside(orphan, today);
            continue;
        }
        orphan.Record = std::move(content->Record);
        orphans.push_back(std::move(orphan));
    }
    std::stable_sort(orphans.begin(), orphans.end(), [](const TOrphan& a, const TOrphan& b) {
        return std::tie(a.Record.Date, a.Record.Time) > std::tie(b.Record.Date, b.Record.Time);
    });
    return orphans;
}

std::optional<TOwnRecoveryFile> TRecoveryFolder::ClaimOwn(int processId) const {
    std::error_code error;
    fs::create_directories(path_, error);
    fs::permissions(path_, fs::perms::owner_all, error);
    // An orphan of an earlier process with the same id is never written over.
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string id = std::to_string(processId) + (attempt > 1 ? "-" + std::to_string(attempt) : "");
        const std::string unsaved = RecoveryNames::Unsaved(id);
        if (fs::exists(PathOf(unsaved), error)) continue;
        if (auto lock = TFileLock::TryLock(PathOf(RecoveryNames::LockOf(unsaved)))) {
            if (!fs::exists(PathOf(unsaved), error)) return TOwnRecoveryFile{PathOf(unsaved), std::move(*lock)};
        }
    }
    return std::nullopt;
}

bool TRecoveryFolder::SetAside(TOrphan& orphan, TDate today) const {
    const bool renamed =
        std::rename(orphan.Path.c_str(), PathOf(RecoveryNames::Declined(NameOf(orphan.Path), today)).c_str()) == 0;
    if (renamed) orphan.Lock.Remove();
    return renamed;
}

bool TRecoveryFolder::Adopt(TOrphan& orphan, const TOwnRecoveryFile& own) const {
    const bool renamed = std::rename(orphan.Path.c_str(), own.Path.c_str()) == 0;
    if (renamed) orphan.Lock.Remove();
    return renamed;
}

}  // namespace tkm
