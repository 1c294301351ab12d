#pragma once

#include "base/date_text.h"
#include "grid/background_reader.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
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
// Once `stop` is asked for it ends early, with rows left unlooked at.
std::vector<std::uint32_t> FilterRows(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context,
                                      const std::vector<std::uint32_t>* candidates = nullptr,
                                      std::stop_token stop = {});

// "12 of 340 entries shown" ("1 of 1 entry shown"): the data rows shown of all of them.
std::string ShownEntriesText(const TBaseGrid& grid);

// Keeps a grid's shown rows to one filter, narrowing from the rows shown where
// the new filter allows it. Told to, it works out a long list on a worker
// thread, so that the grid's thread never waits for it: the newest filter
// asked for wins, and rows worked out for an older one, or from a grid that
// has changed since, are never shown.
class TViewFilter final : private TBackgroundReader {
public:
    // Tells on the worker thread that run `run` has ended; the owner then
    // calls Finish(run) on the grid's thread.
    using TFinished = std::function<void(std::uint64_t run)>;

    explicit TViewFilter(TBaseGrid& grid);
    ~TViewFilter() override;
    TViewFilter(const TViewFilter&) = delete;
    TViewFilter& operator=(const TViewFilter&) = delete;

    // From now on a filter that looks at more than `rows` rows runs on a worker thread.
    void FilterInBackground(std::size_t rows, TFinished finished);

    // The newest filter asked for.
    const TTaskFilter& Current() const { return wanted_; }
    // Whether the rows it keeps are still being worked out.
    bool Busy() const { return run_ != nullptr; }
    // Applies `filter` to the grid's rows, at once unless it runs in the
    // background; an inactive one shows every row. True when done now.
    bool Apply(const TTaskFilter& filter, const TFilterContext& context);
    // Shows the rows of run `run` when it is the newest and the grid is as it
    // was when the run began; else, when it is the newest, applies its filter
    // again to the grid as it is. True when rows were shown. The run's failure
    // is thrown here.
    bool Finish(std::uint64_t run);
    // The grid's rows were replaced (a load): the next Apply looks at all of them.
    void Forget() { shown_ = {}; }

private:
    struct TRun;

    void StopReading() override;
    void StopRun();
    void Start(const TTaskFilter& filter, const TFilterContext& context,
               std::optional<std::vector<std::uint32_t>> candidates);
    // The rows to look at for `filter`: the shown ones where it narrows what they show.
    std::optional<std::vector<std::uint32_t>> Candidates(const TTaskFilter& filter) const;

    TBaseGrid& grid_;
    TTaskFilter wanted_;
    TTaskFilter shown_;  // what the grid's shown rows keep to
    std::size_t backgroundRows_ = SIZE_MAX;
    TFinished finished_;
    std::uint64_t runs_ = 0;
    std::unique_ptr<TRun> run_;
    std::jthread worker_;
    std::atomic<bool> closing_ = false;
};

}  // namespace tkm
