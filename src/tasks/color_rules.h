#pragma once

#include "grid/cell_style.h"
#include "base/date_text.h"
#include "tasks/task_vocabulary.h"

#include <optional>
#include <string_view>

namespace tkm {

namespace TaskColors {
constexpr TColor Gray = RGBColor(0x80, 0x80, 0x80);
constexpr TColor Red = RGBColor(0xFF, 0x00, 0x00);
constexpr TColor OverdueBackground = RGBColor(0xEF, 0xE9, 0xE0);
constexpr TColor LowestBlue = RGBColor(0x6F, 0x6F, 0xB7);
constexpr TColor LowBlue = RGBColor(0x00, 0x5A, 0xB5);
constexpr TColor MostImportantBackground = RGBColor(0xFF, 0xD1, 0x57);
constexpr TColor HighBackground = RGBColor(0xFF, 0xF8, 0xB3);
constexpr TColor Teal = RGBColor(0x00, 0x80, 0x80);
}  // namespace TaskColors

// Where a due date stands against today. A text that is not a date is none of
// the three.
enum class TDueState : std::uint8_t { NotADate, Overdue, Today, Later };
TDueState DueStateOf(const std::optional<TDate>& due, const TDate& today);

// What the colour rules look at in one entry row. Reading it parses the due
// date, so a painter can keep it for every cell of the row.
struct TRowFacts {
    TStatus Status = TStatus::Other;
    TPriority Priority = TPriority::Other;
    // False too when the due date is not a date: such an entry draws as not overdue.
    bool Overdue = false;
};

// The due date is parsed only for active entries, the only ones it colours.
TRowFacts ReadRowFacts(std::string_view status, std::string_view priority, std::string_view dueDate,
                       const TDate& today, const TLocaleFormats& formats);

// The ten rules, in order, over the prepared brush and font of an entry cell.
void ApplyColorRules(const TRowFacts& facts, TCellStyle& style);
void ApplyColorRules(std::string_view status, std::string_view priority, std::string_view dueDate,
                     const TDate& today, const TLocaleFormats& formats, TCellStyle& style);

}  // namespace tkm
