#include "tasks/color_rules.h"

#include "task_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tkm {
namespace {

using namespace tkm::testing;

// The prepared look is italic so "as prepared", "none" and "plus bold" differ.
const TCellStyle Prepared{clWindow, clWindowText, fsItalic};

enum TStatusGroup { gCompleted, gCancelledPostponed, gInWork, gNotStarted };
enum TDueGroup { dAny, dOverdue, dTodayOrLater };
enum TPriorityGroup { pAny, pMostImportantHigh, pNormalLowLowest, pMostImportant, pHigh, pLow, pLowest, pNormal, pOther,
                      pAnyOther /* anything but Most Important and High */ };

constexpr std::uint8_t PlusBold = 0xFF;  // marker: the prepared style with bold added

struct TLook {
    TStatusGroup Status;
    TDueGroup Due;
    TPriorityGroup Priority;
    std::optional<TColor> Font;  // nullopt: as prepared
    std::optional<std::uint8_t> Style;
    std::optional<TColor> Brush;
};

// The resulting looks, first matching line wins.
const std::vector<TLook> Looks{
    {gCompleted, dAny, pAny, TaskColors::Gray, fsStrikeOut, {}},
    {gCancelledPostponed, dAny, pAny, TaskColors::Gray, 0, {}},
    {gInWork, dOverdue, pMostImportantHigh, TaskColors::Red, fsBold, TaskColors::OverdueBackground},
    {gInWork, dOverdue, pNormalLowLowest, TaskColors::Red, 0, TaskColors::OverdueBackground},
    {gInWork, dTodayOrLater, pMostImportant, {}, fsBold, TaskColors::MostImportantBackground},
    {gInWork, dTodayOrLater, pHigh, {}, fsBold, TaskColors::HighBackground},
    {gInWork, dTodayOrLater, pLow, TaskColors::LowBlue, 0, {}},
    {gInWork, dTodayOrLater, pLowest, TaskColors::LowestBlue, 0, {}},
    {gInWork, dTodayOrLater, pNormal, {}, {}, {}},
    {gInWork, dAny, pOther, {}, {}, {}},
    {gNotStarted, dOverdue, pMostImportantHigh, TaskColors::Teal, fsBold, TaskColors::OverdueBackground},
    {gNotStarted, dOverdue, pNormalLowLowest, TaskColors::Teal, 0, TaskColors::OverdueBackground},
    {gNotStarted, dOverdue, pOther, TaskColors::Teal, {}, {}},
    {gNotStarted, dTodayOrLater, pMostImportantHigh, TaskColors::Teal, PlusBold, {}},
    {gNotStarted, dTodayOrLater, pAnyOther, TaskColors::Teal, {}, {}},
};

TStatusGroup GroupOf(const std::string& s) {
    if (s == "Completed") return gCompleted;
    if (s == "Cancelled" || s == "Postponed") return gCancelledPostponed;
    if (s == "Not Started") return gNotStarted;
    return gInWork;
}

bool Matches(TPriorityGroup g, const std::string& p) {
    const bool mi = p == "Most Important", high = p == "High", normal = p == "Normal", low = p == "Low",
               lowest = p == "Lowest";
    switch (g) {
    case pAny: return true;
    case pMostImportantHigh: return mi || high;
    case pNormalLowLowest: return normal || low || lowest;
    case pMostImportant: return mi;
    case pHigh: return high;
    case pLow: return low;
    case pLowest: return lowest;
    case pNormal: return normal;
    case pOther: return !(mi || high || normal || low || lowest);
    case pAnyOther: return !(mi || high);
    }
    return false;
}

TCellStyle Expected(const std::string& status, bool overdue, const std::string& priority) {
    for (const TLook& look : Looks) {
        if (look.Status != GroupOf(status)) continue;
        if (look.Due == dOverdue && !overdue) continue;
        if (look.Due == dTodayOrLater && overdue) continue;
        if (!Matches(look.Priority, priority)) continue;
        TCellStyle style = Prepared;
        if (look.Font) style.FontColor = *look.Font;
        if (look.Brush) style.Brush = *look.Brush;
        if (look.Style) style.FontStyles = *look.Style == PlusBold ? Prepared.FontStyles | fsBold : *look.Style;
        return style;
    }
    ADD_FAILURE() << "no look for " << status << " / " << priority;
    return Prepared;
}

TEST(ColorRules, EveryStatusDueAndPriorityGetsItsLook) {
    const std::vector<std::string> statuses{"Completed",   "Cancelled", "Postponed", "In Progress",
                                            "Pending",     "",          "in progress", "Not Started"};
    const std::vector<std::string> priorities{"Most Important", "High", "Normal", "Low", "Lowest", "high", ""};
    struct TDue {
        long long Days;
        bool Overdue;
    };
    const std::vector<TDue> dues{{-1, true}, {-400, true}, {0, false}, {1, false}, {30, false}};
    for (const TLocaleFormats& f : BothLocales())
        for (const auto& status : statuses)
            for (const auto& priority : priorities)
                for (const TDue& due : dues) {
                    TCellStyle style = Prepared;
                    ApplyColorRules(status, priority, DaysFromToday(due.Days, f), PinnedToday, f, style);
                    EXPECT_EQ(style, Expected(status, due.Overdue, priority))
                        << f.ShortDateFormat << " '" << status << "' '" << priority << "' due " << due.Days;
                }
}

TEST(ColorRules, DueDateThatIsNotADateDrawsAsNotOverdue) {
    const TLocaleFormats f = DayFirst();
    for (const char* due : {"", "soon", "31/02/2026", "2026-12-01", "01/12/2026 10:00"})
        for (const char* status : {"In Progress", "Not Started"})
            for (const char* priority : {"High", "Low", "Normal"}) {
                TCellStyle style = Prepared;
                ApplyColorRules(status, priority, due, PinnedToday, f, style);
                EXPECT_EQ(style, Expected(status, false, priority)) << due << " " << status << " " << priority;
            }
}

}  // namespace
}  // namespace tkm
