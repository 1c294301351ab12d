#include "grid/ascii_search.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tkm {

namespace {

constexpr unsigned char CaseBit = 0x20;

// Sixteen bytes compared at once; the compiler picks the machine's vector instructions.
typedef unsigned char TBytes16 __attribute__((vector_size(16)));
constexpr std::size_t VectorSize = sizeof(TBytes16);

TBytes16 Load(const unsigned char* bytes) {
    TBytes16 vector;
    std::memcpy(&vector, bytes, VectorSize);
    return vector;
}

TBytes16 Splat(unsigned char byte) {
    TBytes16 vector;
    std::memset(&vector, byte, VectorSize);
    return vector;
}

constexpr bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

bool TAsciiSearch::IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

TAsciiSearch::TAsciiSearch(std::string_view pattern, bool matchCase) : lower_(pattern), caseBits_(pattern.size(), 0) {
    if (matchCase) return;
    for (std::size_t i = 0; i < lower_.size(); ++i) {
        if (!IsLetter(static_cast<unsigned char>(lower_[i]))) continue;
        lower_[i] = char(lower_[i] | CaseBit);
        caseBits_[i] = char(CaseBit);
    }
}

bool TAsciiSearch::EqualAt(const unsigned char* bytes) const {
    for (std::size_t i = 0; i < lower_.size(); ++i)
        if ((bytes[i] | static_cast<unsigned char>(caseBits_[i])) != static_cast<unsigned char>(lower_[i])) return false;
    return true;
}

std::size_t TAsciiSearch::Find(std::string_view text, std::size_t from) const {
    const std::size_t size = lower_.size();
    if (size == 0 || text.size() < size || from > text.size() - size) return NotFound;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t last = text.size() - size;
    const auto byteAt = [this](std::size_t i) { return static_cast<unsigned char>(lower_[i]); };
    const auto bitsAt = [this](std::size_t i) { return static_cast<unsigned char>(caseBits_[i]); };
    // A place is worth a closer look when its first two bytes match; a
    // one-letter pattern takes any byte for its second.
    const TBytes16 first = Splat(byteAt(0)), firstBits = Splat(bitsAt(0));
    const TBytes16 second = Splat(size > 1 ? byteAt(1) : 0xFF), secondBits = Splat(size > 1 ? bitsAt(1) : 0xFF);
    std::size_t at = from;
    for (; at + VectorSize < text.size() && at <= last; at += VectorSize) {
        const auto hits = ((Load(bytes + at) | firstBits) == first) & ((Load(bytes + at + 1) | secondBits) == second);
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, sizeof halves);
        for (std::size_t half = 0; half < 2; ++half) {
            // One bit a place: the top bit of each byte.
            for (std::uint64_t places = halves[half] & 0x8080808080808080ull; places; places &= places - 1) {
                const std::size_t candidate = at + 8 * half + std::size_t(std::countr_zero(places)) / 8;
                if (candidate <= last && EqualAt(bytes + candidate)) return candidate;
            }
        }
    }
    for (; at <= last; ++at)
        if (EqualAt(bytes + at)) return at;
    return NotFound;
}

}  // namespace tkm
