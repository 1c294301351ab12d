#pragma once

#include "base/date_text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tkm {

class TBaseGrid;

// Which entries a view shows besides the words it looks for.
enum class TShowChoice { All, Open, DueToday, Overdue, DueThisWeek };

// A view of the task list: entries whose shown cells hold every word (in any
// of them, case as Find's "Match case" says), and that the Show choice keeps.
struct TTaskFilter {
    std::string Words;
    TShowChoice Show = TShowChoice::All;
    bool MatchCase = false;

    // Whether it hides anything at all.
    bool Active() const;
    bool operator==(const TTaskFilter&) const = default;
};

// Whether every entry `next` keeps is one `previous` keeps: more typed at the
// end of the words, nothing else changed. Typing then needs to look only at
// the rows still shown.
bool Narrows(const TTaskFilter& previous, const TTaskFilter& next);

struct TFilterContext {
    const TDate& Today;
    const TLocaleFormats& Formats;
};

// The data rows the filter keeps, ascending: of every data row, or of
// `candidates` (ascending data rows) when given. Open is neither Completed nor
// Cancelled; Overdue is open and due before today; a week runs Monday to Sunday.
std::vector<std::uint32_t> FilterRows(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context,
                                      const std::vector<std::uint32_t>* candidates = nullptr);

// "12 of 340 entries shown" ("1 of 1 entry shown"): the data rows shown of all of them.
std::string ShownEntriesText(const TBaseGrid& grid);

// Keeps a grid's shown rows to one filter, narrowing from the rows shown where
// the new filter allows it.
class TViewFilter {
public:
    const TTaskFilter& Current() const { return current_; }
    // Applies `filter` to the grid's rows; an inactive one shows every row.
    void Apply(TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context);
    // The grid's rows were replaced (a load): the next Apply looks at all of them.
    void Forget() { current_ = {}; }

private:
    TTaskFilter current_;
};

}  // namespace tkm
