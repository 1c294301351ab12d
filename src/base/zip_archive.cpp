#include "base/zip_archive.h"

#include "base/errors.h"
#include "base/translatable.h"

#include <zlib.h>

#include <cstdint>

namespace tkm {

namespace {

constexpr std::uint32_t LocalSignature = 0x04034b50;
constexpr std::uint32_t CentralSignature = 0x02014b50;
constexpr std::uint32_t EndSignature = 0x06054b50;
constexpr std::size_t LocalSize = 30;
constexpr std::size_t CentralSize = 46;
constexpr std::size_t EndSize = 22;
constexpr unsigned Stored = 0;
constexpr unsigned Deflated = 8;
// Sizes and CRC follow the data instead of standing in the local header.
constexpr unsigned SizesAfterData = 0x0008;
constexpr std::size_t PieceSize = std::size_t(1) << 18;

std::uint32_t Get(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}

void Put(std::string& bytes, std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[at + std::size_t(i)] = char(value >> (8 * i) & 0xFF);
}

void Append(std::string& bytes, std::uint32_t value, int width) {
    bytes.append(std::size_t(width), '\0');
    Put(bytes, bytes.size() - std::size_t(width), value, width);
}

// A member's bytes, deflated as they arrive.
class TDeflater {
public:
    TDeflater() {
        if (deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            throw std::bad_alloc();
    }
    ~TDeflater() { deflateEnd(&stream_); }
    TDeflater(const TDeflater&) = delete;
    TDeflater& operator=(const TDeflater&) = delete;

    void Write(std::string_view bytes) {
        crc_ = crc32_z(crc_, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size());
        size_ += bytes.size();
        Run(bytes, Z_NO_FLUSH);
    }
    void Finish() { Run({}, Z_FINISH); }

    std::uint32_t Crc() const { return std::uint32_t(crc_); }
    std::uint64_t Size() const { return size_; }
    const std::string& Deflated() const { return out_; }

private:
    void Run(std::string_view bytes, int flush) {
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
        stream_.avail_in = uInt(bytes.size());
        int result = Z_OK;
        do {
            const std::size_t before = out_.size();
            out_.resize(before + PieceSize);
            stream_.next_out = reinterpret_cast<Bytef*>(out_.data() + before);
            stream_.avail_out = uInt(PieceSize);
            result = deflate(&stream_, flush);
            out_.resize(before + PieceSize - stream_.avail_out);
        } while (stream_.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    }

    z_stream stream_{};
    uLong crc_ = crc32_z(0, nullptr, 0);
    std::uint64_t size_ = 0;
    std::string out_;
};

}  // namespace

TZipArchive::TZipArchive(std::string_view bytes, std::string archiveName) : name_(std::move(archiveName)) {
    if (bytes.size() < EndSize) Fail(TKM_TR("Files", "it is not a zip archive"));
    std::size_t end = bytes.size() - EndSize;
    while (Get(bytes, end, 4) != EndSignature) {
        if (end == 0 || bytes.size() - end > EndSize + 0xFFFF) Fail(TKM_TR("Files", "it is not a zip archive"));
        --end;
    }
    const std::uint32_t count = Get(bytes, end + 10, 2);
    const std::uint32_t directorySize = Get(bytes, end + 12, 4);
    const std::uint32_t directory = Get(bytes, end + 16, 4);
    if (count == 0xFFFF || directory == 0xFFFFFFFF) Fail(TKM_TR("Files", "ZIP64 archives are not read"));
    if (std::uint64_t(directory) + directorySize > end) Fail(TKM_TR("Files", "its directory lies outside it"));
    comment_ = bytes.substr(end + EndSize);
    std::size_t at = directory;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + CentralSize > end || Get(bytes, at, 4) != CentralSignature)
            Fail(TKM_TR("Files", "its directory is damaged"));
        const std::size_t nameLength = Get(bytes, at + 28, 2);
        const std::size_t recordSize = CentralSize + nameLength + Get(bytes, at + 30, 2) + Get(bytes, at + 32, 2);
        const std::size_t local = Get(bytes, at + 42, 4);
        const std::size_t dataSize = Get(bytes, at + 20, 4);
        if (at + recordSize > end || local + LocalSize > directory || Get(bytes, local, 4) != LocalSignature)
            Fail(TKM_TR("Files", "its directory is damaged"));
        const std::size_t localNameLength = Get(bytes, local + 26, 2);
        const std::size_t fields = localNameLength + Get(bytes, local + 28, 2);
        const std::size_t data = local + LocalSize + fields;
        if (data + dataSize > directory) Fail(TKM_TR("Files", "a member lies outside it"));
        entries_.push_back({bytes.substr(at, recordSize), bytes.substr(at + CentralSize, nameLength),
                            bytes.substr(data, dataSize), bytes.substr(local + LocalSize, fields), localNameLength,
                            Get(bytes, at + 10, 2)});
        at += recordSize;
    }
}

const TZipArchive::TEntry* TZipArchive::Find(std::string_view name) const {
    for (const TEntry& entry : entries_)
        if (entry.Name == name) return &entry;
    return nullptr;
}

void TZipArchive::Fail(const std::string& reason) const { throw EInOutError(TFileAction::Read, name_, reason); }

bool TZipArchive::ReadMember(std::string_view name, const TZipSink& sink) const {
    const TEntry* entry = Find(name);
    if (!entry) return false;
    if (entry->Method == Stored) {
        sink(entry->Data);
        return true;
    }
    if (entry->Method != Deflated) Fail(FillText(TKM_TR("Files", "%1 is compressed in a way not read here"), {name}));
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(entry->Data.data()));
    stream.avail_in = uInt(entry->Data.size());
    std::string piece(PieceSize, '\0');
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_out = uInt(piece.size());
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) break;
        // A sink that throws still ends the stream.
        try {
            sink(std::string_view(piece.data(), piece.size() - stream.avail_out));
        } catch (...) {
            inflateEnd(&stream);
            throw;
        }
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) Fail(FillText(TKM_TR("Files", "%1 is damaged"), {name}));
    return true;
}

std::string TZipArchive::WithMember(std::string_view name, const std::function<void(const TZipSink&)>& write) const {
    const TEntry* replaced = Find(name);
    if (!replaced) Fail(FillText(TKM_TR("Files", "it has no %1"), {name}));
    TDeflater deflater;
    write([&](std::string_view bytes) { deflater.Write(bytes); });
    deflater.Finish();
    if (deflater.Size() > 0xFFFFFFFE || deflater.Deflated().size() > 0xFFFFFFFE)
        Fail(FillText(TKM_TR("Files", "%1 would need a ZIP64 archive"), {name}));

    std::string out, directory;
    for (const TEntry& entry : entries_) {
        std::string central(entry.Central);
        if (&entry == replaced) {
            Put(central, 10, Deflated, 2);
            Put(central, 16, deflater.Crc(), 4);
            Put(central, 20, std::uint32_t(deflater.Deflated().size()), 4);
            Put(central, 24, std::uint32_t(deflater.Size()), 4);
        }
        const std::string_view data = &entry == replaced ? std::string_view(deflater.Deflated()) : entry.Data;
        // The local header repeats the directory's fields, the sizes included.
        Put(central, 8, Get(central, 8, 2) & ~SizesAfterData, 2);
        if (out.size() > 0xFFFFFFFE) Fail(TKM_TR("Files", "it would need a ZIP64 archive"));
        Put(central, 42, std::uint32_t(out.size()), 4);
        Append(out, LocalSignature, 4);
        out.append(central, 6, 22);  // version needed to the uncompressed size
        Append(out, std::uint32_t(entry.LocalNameLength), 2);
        Append(out, std::uint32_t(entry.LocalFields.size() - entry.LocalNameLength), 2);
        out += entry.LocalFields;
        out += data;
        directory += central;
    }
    if (out.size() > 0xFFFFFFFE) Fail(TKM_TR("Files", "it would need a ZIP64 archive"));
    const std::size_t directoryOffset = out.size();
    out += directory;
    Append(out, EndSignature, 4);
    Append(out, 0, 4);  // this disk and the directory's
    Append(out, std::uint32_t(entries_.size()), 2);
    Append(out, std::uint32_t(entries_.size()), 2);
    Append(out, std::uint32_t(directory.size()), 4);
    Append(out, std::uint32_t(directoryOffset), 4);
    Append(out, std::uint32_t(comment_.size()), 2);
    out += comment_;
    return out;
}

}  // namespace tkm
