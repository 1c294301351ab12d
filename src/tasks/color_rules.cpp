#include "tasks/color_rules.h"

namespace tkm {

TDueState DueStateOf(const std::optional<TDate>& due, const TDate& today) {
    if (!due) return TDueState::NotADate;
    if (today > *due) return TDueState::Overdue;
    return today == *due ? TDueState::Today : TDueState::Later;
}

TRowFacts ReadRowFacts(std::string_view status, std::string_view priority, std::string_view dueDate,
                       const TDate& today, const TLocaleFormats& formats) {
    TRowFacts facts;
    facts.Status = StatusOf(status);
    facts.Priority = PriorityOf(priority);
    if (IsActive(facts.Status)) facts.Overdue = DueStateOf(ParseDate(dueDate, formats), today) == TDueState::Overdue;
    return facts;
}

void ApplyColorRules(const TRowFacts& facts, TCellStyle& style) {
    using enum TPriority;
    const TStatus s = facts.Status;
    const TPriority p = facts.Priority;
    if (s == TStatus::Completed) {
        style.FontColor = TaskColors::Gray;
        style.FontStyles = fsStrikeOut;
    }
    if (s == TStatus::Cancelled || s == TStatus::Postponed) {
        style.FontColor = TaskColors::Gray;
        style.FontStyles = 0;
    }
    if (IsActive(s) && facts.Overdue && p != Other) {
        style.FontColor = TaskColors::Red;
        style.FontStyles = p == MostImportant || p == High ? fsBold : 0;
        style.Brush = TaskColors::OverdueBackground;
    }
    if (IsInWork(s) && !facts.Overdue) {
        switch (p) {
        case Lowest:
            style.FontColor = TaskColors::LowestBlue;
            style.FontStyles = 0;
            break;
        case Low:
            style.FontColor = TaskColors::LowBlue;
            style.FontStyles = 0;
            break;
        case MostImportant:
            style.Brush = TaskColors::MostImportantBackground;
            style.FontStyles = fsBold;
            break;
        case High:
            style.Brush = TaskColors::HighBackground;
            style.FontStyles = fsBold;
            break;
        default: break;
        }
    }
    if (s == TStatus::NotStarted) {
        style.FontColor = TaskColors::Teal;
        if (!facts.Overdue && (p == MostImportant || p == High)) style.FontStyles |= fsBold;
    }
}

void ApplyColorRules(std::string_view status, std::string_view priority, std::string_view dueDate,
                     const TDate& today, const TLocaleFormats& formats, TCellStyle& style) {
    ApplyColorRules(ReadRowFacts(status, priority, dueDate, today, formats), style);
}

}  // namespace tkm
