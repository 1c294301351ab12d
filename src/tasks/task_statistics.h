#pragma once

#include "base/date_text.h"

#include <array>
#include <string_view>

namespace tkm {

class TBaseGrid;

namespace Statistics {
constexpr int RowCount = 14;
constexpr std::string_view ItemHeader = "Item*";
constexpr std::string_view ValueHeader = "Value";
constexpr std::array<std::string_view, RowCount> Labels{
    "Valid Entries",          "Due Todays",       "Overdues",          "Most Important Priority**",
    "High Priority**",        "Normal Priority**", "Low Priority**",   "Lowest Priority**",
    "Not Started",            "In Progress",      "Pending",           "Completed",
    "Cancelled",              "Postponed"};
// The footnotes the asterisks point to.
constexpr std::string_view ValidNote = "*Task Description is not empty.";
constexpr std::string_view InWorkNote = "**In Progress or Pending.";
}  // namespace Statistics

struct TStatisticsRow {
    std::string_view Label;
    int Count = 0;
};
using TStatistics = std::array<TStatisticsRow, Statistics::RowCount>;

// Counts the entries with a Task Description. An active entry whose Due Date
// is not a date is in neither due count but in every other one.
TStatistics CountStatistics(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats);

}  // namespace tkm
