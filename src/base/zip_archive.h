#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

using TZipSink = std::function<void(std::string_view bytes)>;

// The members of a zip archive held in memory, as office documents are
// written: stored or deflated, without ZIP64. EInOutError naming
// `archiveName` when the bytes are not such an archive.
class TZipArchive {
public:
    TZipArchive(std::string_view bytes, std::string archiveName);

    // Passes the member's bytes to `sink`, inflated, in pieces; false when
    // there is no member of that name.
    bool ReadMember(std::string_view name, const TZipSink& sink) const;

    // The archive with the member's bytes replaced by what `write` hands its
    // sink, deflated; every other member is copied as it is, in its place.
    std::string WithMember(std::string_view name, const std::function<void(const TZipSink&)>& write) const;

private:
    struct TEntry {
        std::string_view Central;  // its central directory record, name and fields included
        std::string_view Name;
        std::string_view Data;  // as stored
        std::string_view LocalFields;  // of its local header: name and extra field
        std::size_t LocalNameLength;
        unsigned Method;
    };
    const TEntry* Find(std::string_view name) const;
    [[noreturn]] void Fail(const std::string& reason) const;

    std::string name_;
    std::vector<TEntry> entries_;
    std::string_view comment_;
};

}  // namespace tkm
