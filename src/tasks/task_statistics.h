#pragma once

#include "base/date_text.h"
#include "base/translatable.h"

#include <array>
#include <string>
#include <string_view>

namespace tkm {

class TBaseGrid;

namespace Statistics {
// tkm prints these; the window shows them translated.
constexpr int RowCount = 14;
constexpr std::string_view ItemHeader = TKM_TRANSLATE_NOOP("Statistics", "Item*");
constexpr std::string_view ValueHeader = TKM_TRANSLATE_NOOP("Statistics", "Value");
constexpr std::array<std::string_view, RowCount> Labels{
    TKM_TRANSLATE_NOOP("Statistics", "Valid Entries"),
    TKM_TRANSLATE_NOOP("Statistics", "Due Todays"),
    TKM_TRANSLATE_NOOP("Statistics", "Overdues"),
    TKM_TRANSLATE_NOOP("Statistics", "Most Important Priority**"),
    TKM_TRANSLATE_NOOP("Statistics", "High Priority**"),
    TKM_TRANSLATE_NOOP("Statistics", "Normal Priority**"),
    TKM_TRANSLATE_NOOP("Statistics", "Low Priority**"),
    TKM_TRANSLATE_NOOP("Statistics", "Lowest Priority**"),
    TKM_TRANSLATE_NOOP("Statistics", "Not Started"),
    TKM_TRANSLATE_NOOP("Statistics", "In Progress"),
    TKM_TRANSLATE_NOOP("Statistics", "Pending"),
    TKM_TRANSLATE_NOOP("Statistics", "Completed"),
    TKM_TRANSLATE_NOOP("Statistics", "Cancelled"),
    TKM_TRANSLATE_NOOP("Statistics", "Postponed")};
// The footnotes the asterisks point to.
constexpr std::string_view ValidNote = TKM_TRANSLATE_NOOP("Statistics", "*Task Description is not empty.");
constexpr std::string_view InWorkNote = TKM_TRANSLATE_NOOP("Statistics", "**In Progress or Pending.");
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
