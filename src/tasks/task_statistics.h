#pragma once

#include "base/date_text.h"

#include <array>
#include <string>
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

// The sums of Total Hours and Cost over the entries the counts take (those
// with a Task Description), and over those of them in work. Cells that read
// as no number add nothing.
struct TTotals {
    double HoursInWork = 0;
    double CostInWork = 0;
    double Hours = 0;
    double Cost = 0;
};
TTotals SumTotals(const TBaseGrid& grid, const TLocaleFormats& formats);

// An amount with two decimals in the locale's separators: "1,234.50", "-0.25".
std::string FormatAmount(double value, const TLocaleFormats& formats);

}  // namespace tkm
