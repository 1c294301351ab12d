#include "grid/text_arena.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tkm {

namespace {

// The header word holds the cell count and how wide the end offsets are: one
// byte for a row of up to 255 text bytes (most rows of a list), two, or four.
constexpr std::uint32_t WideFlag = 0x80000000u;
constexpr std::uint32_t NarrowFlag = 0x40000000u;

std::uint32_t ReadU32(const std::byte* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
std::uint16_t ReadU16(const std::byte* p) {
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void WriteEnd(std::byte* ends, std::size_t width, std::size_t i, std::size_t end) {
    if (width == 1) {
        ends[i] = std::byte(end);
    } else if (width == 2) {
        const auto e = std::uint16_t(end);
        std::memcpy(ends + 2 * i, &e, 2);
    } else {
        const auto e = std::uint32_t(end);
        std::memcpy(ends + 4 * i, &e, 4);
    }
}

std::size_t EndWidth(std::uint32_t header) { return header & WideFlag ? 4 : header & NarrowFlag ? 1 : 2; }

struct TBlobLayout {
    std::uint32_t Count;
    std::size_t Width;
    const std::byte* Ends;
    const std::byte* Text;

    explicit TBlobLayout(const std::byte* blob) {
        const std::uint32_t header = ReadU32(blob);
        Count = header & ~(WideFlag | NarrowFlag);
        Width = EndWidth(header);
        Ends = blob + 4;
        Text = Ends + Count * Width;
    }
    std::size_t End(std::size_t i) const {
        switch (Width) {
        case 1: return std::to_integer<std::size_t>(Ends[i]);
        case 2: return ReadU16(Ends + 2 * i);
        default: return ReadU32(Ends + 4 * i);
        }
    }
    std::size_t Start(std::size_t i) const { return i == 0 ? 0 : End(i - 1); }
    std::size_t Size() const { return std::size_t(Text - Ends) + 4 + (Count ? End(Count - 1) : 0); }
};

}  // namespace

TTextArena::TTextArena(std::size_t chunkSize, std::size_t firstChunkSize)
    : chunkSize_(chunkSize), firstChunkSize_(firstChunkSize) {}

TTextArena::TTextArena(const TTextArena& other)
    : chunkSize_(other.chunkSize_), firstChunkSize_(other.firstChunkSize_), chunks_(other.chunks_), live_(other.live_), garbage_(other.garbage_) {
    // The copy has no room to spare: rows appended to it start a chunk of its
    // own, while the original goes on filling the space past the copy's end.
    for (TChunk& chunk : chunks_) chunk.Size = chunk.Used;
}

TTextArena& TTextArena::operator=(const TTextArena& other) {
    if (this != &other) *this = TTextArena(other);
    return *this;
}

std::byte* TTextArena::Allocate(std::size_t size, TRowTextRef& ref) {
    if (chunks_.empty() || chunks_.back().Size - chunks_.back().Used < size) {
        if (chunks_.size() >= TRowTextRef::Empty - 1) throw std::length_error("text arena full");
        // Chunks start small and double up to the full size: a grid of a few
        // rows should not cost megabytes (nor the time to map them).
        const std::size_t next = chunks_.empty() ? firstChunkSize_ : std::size_t(chunks_.back().Size) * 2;
        const std::size_t chunk = std::max(size, chunks_.empty() ? next : std::min(next, chunkSize_));
        if (chunk > 0xFFFFFFF0u) throw std::length_error("row text too long");
        chunks_.push_back({std::shared_ptr<std::byte[]>(new std::byte[chunk]), std::uint32_t(chunk), 0});
    }
    TChunk& c = chunks_.back();
    ref.Chunk = std::uint32_t(chunks_.size() - 1);
    ref.Offset = c.Used;
    c.Used += std::uint32_t(size);
    live_ += size;
    return c.Data.get() + ref.Offset;
}

TRowTextRef TTextArena::AppendRow(std::span<const std::string_view> cells) {
    std::size_t count = cells.size();
    while (count > 0 && cells[count - 1].empty()) --count;
    if (count == 0) return {};
    std::size_t textSize = 0;
    for (std::size_t i = 0; i < count; ++i) textSize += cells[i].size();
    if (count >= NarrowFlag) throw std::length_error("too many cells in a row");
    const std::uint32_t header = std::uint32_t(count) | (textSize > 0xFFFF ? WideFlag : textSize <= 0xFF ? NarrowFlag : 0);
    const std::size_t endWidth = EndWidth(header);
    TRowTextRef ref;
    std::byte* blob = Allocate(4 + count * endWidth + textSize, ref);
    std::memcpy(blob, &header, 4);
    std::byte* ends = blob + 4;
    std::byte* text = ends + count * endWidth;
    std::size_t end = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!cells[i].empty()) std::memcpy(text + end, cells[i].data(), cells[i].size());
        end += cells[i].size();
        WriteEnd(ends, endWidth, i, end);
    }
    return ref;
}

const std::byte* TTextArena::BlobAt(TRowTextRef ref) const {
    return chunks_[ref.Chunk].Data.get() + ref.Offset;
}

std::size_t TTextArena::BlobSize(TRowTextRef ref) const {
    return TBlobLayout(BlobAt(ref)).Size();
}

std::size_t TTextArena::CountOf(TRowTextRef ref) const {
    return ref.IsEmpty() ? 0 : TBlobLayout(BlobAt(ref)).Count;
}

std::string_view TTextArena::Cell(TRowTextRef ref, std::size_t cell) const {
    if (ref.IsEmpty()) return {};
    const TBlobLayout blob(BlobAt(ref));
    if (cell >= blob.Count) return {};
    const std::size_t start = blob.Start(cell);
    return {reinterpret_cast<const char*>(blob.Text) + start, blob.End(cell) - start};
}

void TTextArena::Cells(TRowTextRef ref, std::vector<std::string_view>& out) const {
    out.resize(CountOf(ref));
    CellsInto(ref, out);
}

void TTextArena::CellsInto(TRowTextRef ref, std::span<std::string_view> out) const {
    std::size_t i = 0;
    if (!ref.IsEmpty()) {
        const TBlobLayout blob(BlobAt(ref));
        const char* text = reinterpret_cast<const char*>(blob.Text);
        std::size_t start = 0;
        for (; i < blob.Count && i < out.size(); ++i) {
            const std::size_t end = blob.End(i);
            out[i] = {text + start, end - start};
            start = end;
        }
    }
    std::fill(out.begin() + std::ptrdiff_t(i), out.end(), std::string_view());
}

std::string_view TTextArena::RowText(TRowTextRef ref) const {
    if (ref.IsEmpty()) return {};
    const TBlobLayout blob(BlobAt(ref));
    return {reinterpret_cast<const char*>(blob.Text), blob.Count ? blob.End(blob.Count - 1) : 0};
}

TTextArena::TCellPlace TTextArena::CellHolding(TRowTextRef ref, std::size_t offset) const {
    if (ref.IsEmpty()) throw std::out_of_range("a row without text holds no byte");
    const TBlobLayout blob(BlobAt(ref));
    std::size_t start = 0;
    for (std::size_t cell = 0; cell < blob.Count; ++cell) {
        const std::size_t end = blob.End(cell);
        if (offset < end) return {cell, start, end};
        start = end;
    }
    throw std::out_of_range("offset " + std::to_string(offset) + " is past the row's text");
}

bool TTextArena::OverwriteCell(TRowTextRef ref, std::size_t cell, std::string_view text) {
    const std::string_view old = Cell(ref, cell);
    if (old.size() != text.size() || old.empty() || chunks_[ref.Chunk].Data.use_count() > 1) return false;
    // The text may itself be a view into this arena.
    std::memmove(const_cast<char*>(old.data()), text.data(), text.size());
    return true;
}

std::uint32_t TTextArena::Adopt(TTextArena&& other) {
    if (chunks_.size() + other.chunks_.size() >= TRowTextRef::Empty) throw std::length_error("text arena full");
    const auto first = std::uint32_t(chunks_.size());
    chunks_.insert(chunks_.end(), std::make_move_iterator(other.chunks_.begin()),
                   std::make_move_iterator(other.chunks_.end()));
    live_ += other.live_;
    garbage_ += other.garbage_;
    other.Clear();
    return first;
}

void TTextArena::Release(TRowTextRef ref) {
    if (ref.IsEmpty()) return;
    const std::size_t size = BlobSize(ref);
    live_ -= size;
    garbage_ += size;
}

void TTextArena::Clear() {
    chunks_.clear();
    live_ = 0;
    garbage_ = 0;
}

}  // namespace tkm
