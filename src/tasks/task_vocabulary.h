#pragma once

#include <cstdint>
#include <string_view>

namespace tkm {

// Status and Priority texts, compared exactly (case and whole text); anything
// else is Other. The order is the vocabularies' list order.
enum class TStatus : std::uint8_t { NotStarted, InProgress, Pending, Completed, Cancelled, Postponed, Other };
enum class TPriority : std::uint8_t { MostImportant, High, Normal, Low, Lowest, Other };

TStatus StatusOf(std::string_view text);
TPriority PriorityOf(std::string_view text);

// Completed, cancelled and postponed entries are done with; every other text,
// an empty one too, leaves the entry active.
constexpr bool IsActive(TStatus s) {
    return s != TStatus::Completed && s != TStatus::Cancelled && s != TStatus::Postponed;
}
// Active and begun.
constexpr bool IsInWork(TStatus s) { return IsActive(s) && s != TStatus::NotStarted; }

}  // namespace tkm
