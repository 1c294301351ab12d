#pragma once

#include <cstdint>

namespace tkm {

// One search option; the values are bit masks and stay as they are.
enum class TFindOption : std::uint32_t {
    MatchCase = 0x001,
    WholeCellText = 0x002,
    AlongRows = 0x008,
    MatchAtStart = 0x010,
    CurrentRowOnly = 0x020,
    CurrentColumnOnly = 0x040,
    IncludeFixedCells = 0x080,
    SelectHit = 0x100,
    IgnoreHtmlTags = 0x200,
    Backward = 0x400,
};

// The set of options one search runs with.
class TFindOptions {
public:
    constexpr TFindOptions() = default;
    constexpr TFindOptions(TFindOption option) : bits_(std::uint32_t(option)) {}

    constexpr bool Has(TFindOption option) const { return (bits_ & std::uint32_t(option)) != 0; }
    constexpr TFindOptions& Set(TFindOption option, bool on = true) {
        bits_ = on ? bits_ | std::uint32_t(option) : bits_ & ~std::uint32_t(option);
        return *this;
    }
    constexpr TFindOptions operator|(TFindOptions other) const {
        TFindOptions both = *this;
        both.bits_ |= other.bits_;
        return both;
    }
    constexpr bool operator==(const TFindOptions&) const = default;

private:
    std::uint32_t bits_ = 0;
};

constexpr TFindOptions operator|(TFindOption a, TFindOption b) { return TFindOptions(a) | TFindOptions(b); }

}  // namespace tkm
