#include "tasks/remote_list_cache.h"

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_bytes.h"
#include "base/user_folders.h"
#include "tasks/todo_resource.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace tkm {

namespace {

constexpr std::string_view Signature = "Taskmere remote list 1\n";

// Each field is its length, a colon, its bytes and a line end: texts keep any byte.
void Field(std::string& out, std::string_view text) {
    out += std::to_string(text.size());
    out += ':';
    out += text;
    out += '\n';
}

class TFieldReader {
public:
    explicit TFieldReader(std::string_view bytes) : bytes_(bytes) {}
    std::optional<std::string> Next() {
        const std::size_t colon = bytes_.find(':', pos_);
        if (colon == std::string_view::npos || colon == pos_ || colon - pos_ > 12) return std::nullopt;
        std::size_t size = 0;
        for (std::size_t i = pos_; i < colon; ++i) {
            if (bytes_[i] < '0' || bytes_[i] > '9') return std::nullopt;
            size = size * 10 + std::size_t(bytes_[i] - '0');
        }
        if (size > bytes_.size() - colon - 1 || bytes_.size() - colon - 1 - size < 1 || bytes_[colon + 1 + size] != '\n')
            return std::nullopt;
        pos_ = colon + 2 + size;
        return std::string(bytes_.substr(colon + 1, size));
    }
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

namespace {

std::string HashName(const std::string& text, const char* extension) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    char name[48];
    std::snprintf(name, sizeof name, "%016llx%s", static_cast<unsigned long long>(hash), extension);
    return name;
}

}  // namespace

std::string RemoteListCacheFile(const std::string& user, const std::string& collectionUrl) {
    return UserFolder("XDG_CACHE_HOME", ".cache") + "/Taskmere/caldav/" + HashName(user + '\n' + collectionUrl, ".cache");
}

std::string PushRecordFile(const std::string& cacheFile, const std::string& documentFile) {
    return cacheFile + "." + HashName(documentFile, ".pushed");
}

std::vector<std::string> ReadPushRecord(const std::string& fileName) {
    struct stat info;
    if (::stat(fileName.c_str(), &info) != 0) return {};
    const TFileBytes bytes(fileName);
    std::vector<std::string> hrefs;
    std::string_view rest = bytes.View();
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        if (end) hrefs.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return hrefs;
}

void WritePushRecord(const std::string& fileName, const std::vector<std::string>& hrefs) {
    std::string out;
    for (const std::string& href : hrefs) out += href + '\n';
    WriteFileSafely(fileName, out);
}

void WriteRemoteListCache(const std::string& fileName, const TRemoteListState& state) {
    const std::size_t slash = fileName.rfind('/');
    if (slash != std::string::npos && slash > 0)
        if (const int error = MakeFolders(fileName.substr(0, slash), 0700))
            throw EGridFileError(CannotCreateFileText(fileName), fileName, ErrnoText(error));
    std::string out(Signature);
    Field(out, state.CollectionUrl);
    Field(out, state.DisplayName);
    Field(out, state.SyncToken);
    for (const TRemoteEntry& entry : state.Entries) {
        Field(out, entry.Href);
        Field(out, entry.ETag);
        Field(out, entry.Text);
    }
    WriteFileSafely(fileName, out);
}

std::optional<TRemoteListState> ReadRemoteListCache(const std::string& fileName, const TCalendarSettings& settings) {
    struct stat info;
    if (::stat(fileName.c_str(), &info) != 0) return std::nullopt;
    const TFileBytes bytes(fileName);
    if (!bytes.View().starts_with(Signature)) return std::nullopt;
    TFieldReader fields(bytes.View().substr(Signature.size()));
    TRemoteListState state;
    auto url = fields.Next(), name = fields.Next(), token = fields.Next();
    if (!url || !name || !token) return std::nullopt;
    state.CollectionUrl = std::move(*url);
    state.DisplayName = std::move(*name);
    state.SyncToken = std::move(*token);
    while (!fields.AtEnd()) {
        auto href = fields.Next(), etag = fields.Next(), text = fields.Next();
        if (!href || !etag || !text) return std::nullopt;
        try {
            TEntryCells cells = EntryOfResource(*text, settings);
            state.Entries.push_back({std::move(*href), std::move(*etag), std::move(*text), std::move(cells)});
        } catch (const EGridError&) {
            return std::nullopt;
        }
    }
    return state;
}

}  // namespace tkm
