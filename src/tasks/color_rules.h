#pragma once

#include "grid/cell_style.h"
#include "base/date_text.h"
#include "tasks/task_vocabulary.h"

#include <array>
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

// The same colours for a dark window: each of the same hue, the texts at least
// 4.5:1 against windows up to #404040 and against the backgrounds they meet.
struct TColorTwin {
    TColor Light;
    TColor Dark;
};
constexpr std::array<TColorTwin, 8> DarkTwins{{
    {Gray, RGBColor(0xB0, 0xB0, 0xB0)},
    {Red, RGBColor(0xFF, 0x99, 0x99)},
    {OverdueBackground, RGBColor(0x55, 0x3F, 0x22)},
    {LowestBlue, RGBColor(0xA9, 0xA9, 0xF2)},
    {LowBlue, RGBColor(0x6A, 0xB4, 0xFF)},
    {MostImportantBackground, RGBColor(0x6B, 0x4F, 0x00)},
    {HighBackground, RGBColor(0x4F, 0x4A, 0x14)},
    {Teal, RGBColor(0x3C, 0xC8, 0xC8)},
}};
}  // namespace TaskColors

// A rule's colour as a dark window draws it; any other colour unchanged.
constexpr TColor DarkTwinOf(TColor light) {
    for (const TaskColors::TColorTwin& twin : TaskColors::DarkTwins)
        if (twin.Light == light) return twin.Dark;
    return light;
}

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
