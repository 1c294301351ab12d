#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// Where a row's texts live in the arena; Chunk == Empty means a row without text.
struct TRowTextRef {
    static constexpr std::uint32_t Empty = 0xFFFFFFFF;
    std::uint32_t Chunk = Empty;
    std::uint32_t Offset = 0;
    bool IsEmpty() const { return Chunk == Empty; }
};

// All cell texts of a grid, packed row by row into large chunks so that a
// million rows cost a few hundred allocations, not fourteen million. A row is
// one blob: a header word (cell count, offset width), the end offset of each
// cell, then the bytes. Edits append a new blob; the old one becomes garbage
// until the owner compacts.
class TTextArena {
public:
    // Chunks start at `firstChunkSize` and double up to `chunkSize`.
    explicit TTextArena(std::size_t chunkSize = 4u << 20, std::size_t firstChunkSize = 16u << 10);
    // A copy shares the chunks, so that taking one costs next to nothing
    // however many texts there are: neither side writes bytes the other can
    // read (appends go past the copy's end or to chunks of its own, and a
    // shared chunk is never written over in place).
    TTextArena(const TTextArena& other);
    TTextArena& operator=(const TTextArena& other);
    TTextArena(TTextArena&&) noexcept = default;
    TTextArena& operator=(TTextArena&&) noexcept = default;

    TRowTextRef AppendRow(std::span<const std::string_view> cells);
    std::size_t CountOf(TRowTextRef ref) const;
    std::string_view Cell(TRowTextRef ref, std::size_t cell) const;
    // A hint only: where the row's header and first texts are.
    void Prefetch(TRowTextRef ref) const {
        if (!ref.IsEmpty()) __builtin_prefetch(chunks_[ref.Chunk].Data.get() + ref.Offset);
    }
    // Views of every cell of the row, in order (trailing empty cells omitted).
    void Cells(TRowTextRef ref, std::vector<std::string_view>& out) const;
    // Views of the first out.size() cells; cells the row does not hold are empty.
    void CellsInto(TRowTextRef ref, std::span<std::string_view> out) const;
    // The bytes of every cell of the row, one cell after the other.
    std::string_view RowText(TRowTextRef ref) const;
    // The cell whose bytes hold byte `offset` of RowText, and where in RowText it starts and ends.
    struct TCellPlace {
        std::size_t Cell = 0;
        std::size_t Start = 0;
        std::size_t End = 0;
    };
    TCellPlace CellHolding(TRowTextRef ref, std::size_t offset) const;

    // Writes text over a cell of the same length, in place; false when the
    // lengths differ or a copy shares the chunk (the row must then be appended anew).
    bool OverwriteCell(TRowTextRef ref, std::size_t cell, std::string_view text);

    // Takes over every chunk of `other`, which is left empty; its rows' refs
    // hold here with the returned number added to their Chunk.
    std::uint32_t Adopt(TTextArena&& other);

    void Release(TRowTextRef ref);
    std::size_t LiveBytes() const { return live_; }
    bool WantsCompaction() const { return garbage_ > (1u << 20) && garbage_ > live_; }
    void Clear();

private:
    struct TChunk {
        std::shared_ptr<std::byte[]> Data;
        std::uint32_t Size = 0;
        std::uint32_t Used = 0;
    };
    const std::byte* BlobAt(TRowTextRef ref) const;
    std::size_t BlobSize(TRowTextRef ref) const;
    std::byte* Allocate(std::size_t size, TRowTextRef& ref);

    std::size_t chunkSize_;
    std::size_t firstChunkSize_;
    std::vector<TChunk> chunks_;
    std::size_t live_ = 0;
    std::size_t garbage_ = 0;
};

}  // namespace tkm
