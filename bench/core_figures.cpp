#include "core_figures.h"

#include "grid/find_cell.h"
#include "grid/grid_sorter.h"
#include "grid/undo_history.h"
#include "grid/io/csv_writer.h"
#include "base/file_bytes.h"

#include <algorithm>
#include <future>
#include "platform/fake/fake_clock.h"
#include "tasks/multiple_entries.h"
#include "tasks/recovery_file.h"
#include "tasks/task_document.h"
#include "tasks/task_filter.h"
#include "tasks/task_statistics.h"

namespace tkm::bench {

std::unique_ptr<TBaseGrid> TCoreFigures::LoadFresh(double& seconds) const {
    const TStopwatch clock;
    auto grid = std::make_unique<TBaseGrid>(ReadTaskDocument(document_.FileName));
    seconds = clock.Seconds();
    return grid;
}

void TCoreFigures::Timed(const std::string& name, double seconds, std::uint64_t bytes) {
    report_.Seconds(name, document_.Entries, seconds, bytes);
}

std::unique_ptr<TBaseGrid> TCoreFigures::Load() {
    std::unique_ptr<TBaseGrid> grid;
    Timed("load",
          MedianSeconds(runs_,
                        [&] {
                            grid.reset();  // freeing the last one is not part of a load
                            double seconds = 0;
                            grid = LoadFresh(seconds);
                            return seconds;
                        }),
          document_.Bytes);
    if (grid->RowCount() != document_.Entries + 1)
        report_.Fail("loading gave " + std::to_string(grid->RowCount()) + " rows for " +
                     std::to_string(document_.Entries) + " entries");
    return grid;
}

void TCoreFigures::Save(const TBaseGrid& grid) {
    const std::string saved = folder_ + "/saved.tkm";
    Timed("save",
          MedianSeconds(runs_,
                        [&] {
                            const TStopwatch clock;
                            WriteCsvFile(grid, saved);
                            return clock.Seconds();
                        }),
          document_.Bytes);
    // The generator writes what the program writes, so a round trip is exact.
    if (TFileBytes(saved).View() != TFileBytes(document_.FileName).View())
        report_.Fail("the saved document differs from the loaded one");
}

void TCoreFigures::Statistics(const TBaseGrid& grid) {
    TStatistics counted;
    Timed("statistics", MedianSeconds(runs_, [&] {
              const TStopwatch clock;
              counted = CountStatistics(grid, BenchToday, document_.Formats);
              return clock.Seconds();
          }));
    if (counted[0].Count != document_.Entries)
        report_.Fail("statistics counted " + std::to_string(counted[0].Count) + " valid entries");
}

void TCoreFigures::FindNothing(TBaseGrid& grid) {
    TGridCoord hit;
    Timed("find-nothing", MedianSeconds(runs_, [&] {
              const TStopwatch clock;
              hit = FindCell(grid, {-1, -1}, "xylophone", TFindOption::SelectHit);
              return clock.Seconds();
          }));
    if (hit != TGridCoord{-1, -1}) report_.Fail("find found a text no generated cell holds");
}

void TCoreFigures::Sort(const std::string& name, int column) {
    Timed(name, MedianSeconds(runs_, [&] {
              double loading = 0;
              const std::unique_ptr<TBaseGrid> grid = LoadFresh(loading);
              TSortSettings settings;
              settings.Column = column;
              const TStopwatch clock;
              SortByColumn(*grid, settings, document_.Formats);
              return clock.Seconds();
          }));
}

void TCoreFigures::UndoSort() {
    std::size_t held = 0;
    const double undoSeconds = MedianSeconds(runs_, [&] {
              double loading = 0;
              const std::unique_ptr<TBaseGrid> grid = LoadFresh(loading);
              const std::string firstBefore = grid->GetCellText(colNo, 1);
              TUndoHistory history(*grid);
              TSortSettings settings;
              settings.Column = colStatus;
              history.Begin("Sort by Status", {0, 1, settings});
              SortByColumn(*grid, settings, document_.Formats);
              history.End({0, 1, settings});
              held = history.Bytes();
              const TStopwatch clock;
              history.Undo();
              const double seconds = clock.Seconds();
              if (grid->GetCellText(colNo, 1) != firstBefore) report_.Fail("undoing a sort left another order");
              return seconds;
          });
    Timed("undo:sort", undoSeconds);
    report_.Value("undo:sort-held-MB", document_.Entries, double(held) / 1e6);
}

void TCoreFigures::AddEntries() {
    const FixedClock clock{BenchToday, {9, 30, 0}};
    const TaskTable::TNewEntryContext context{clock, document_.Formats};
    TEntryValues values;
    values.EntryDate = values.DueDate = FormatDate(BenchToday, document_.Formats.ShortDateFormat, document_.Formats);
    values.DueTime = "09:30:00";
    constexpr int Count = 100;
    for (const bool before : {false, true}) {
        Timed(before ? "add-before:100" : "add:100", MedianSeconds(runs_, [&] {
                  double loading = 0;
                  const std::unique_ptr<TBaseGrid> grid = LoadFresh(loading);
                  const TStopwatch stopwatch;
                  if (before) MultipleEntries::InsertBefore(*grid, 2, Count, values, context);
                  else MultipleEntries::AddAtEnd(*grid, Count, [&] { return values; }, context);
                  TaskTable::Renumber(*grid);
                  const double seconds = stopwatch.Seconds();
                  if (grid->RowCount() != document_.Entries + 1 + Count)
                      report_.Fail("adding entries gave " + std::to_string(grid->RowCount()) + " rows");
                  return seconds;
              }));
    }
}

void TCoreFigures::Filter(TBaseGrid& grid) {
    const std::string word = "invoice";
    const TFilterContext context{BenchToday, document_.Formats};
    int shown = 0;
    Timed("filter:type", MedianSeconds(runs_, [&] {
              TViewFilter view(grid);
              double slowest = 0;
              for (std::size_t letters = 1; letters <= word.size(); ++letters) {
                  const TStopwatch clock;
                  view.Apply({.Words = word.substr(0, letters)}, context);
                  slowest = std::max(slowest, clock.Seconds());
              }
              shown = grid.ShownRowCount() - grid.FixedRows();
              view.Apply({}, context);
              return slowest;
          }));
    if (std::size_t(shown) != FilterRows(grid, {.Words = word}, context).size())
        report_.Fail("typing the filter word shows other entries than filtering for it at once");
    TTaskFilter open;
    open.Show = TShowChoice::Open;
    Timed("filter:open", MedianSeconds(runs_, [&] {
              TViewFilter view(grid);
              const TStopwatch clock;
              view.Apply(open, context);
              const double seconds = clock.Seconds();
              view.Apply({}, context);
              return seconds;
          }));
    if (grid.RowsFiltered()) report_.Fail("clearing the filter left rows hidden");
    // What the window's thread spends on words filtered in the background:
    // starting the run, and showing its rows once found.
    Timed("filter:window", MedianSeconds(runs_, [&] {
              std::promise<std::uint64_t> ended;
              std::future<std::uint64_t> run = ended.get_future();
              TViewFilter view(grid);
              view.FilterInBackground(0, [&](std::uint64_t id) { ended.set_value(id); });
              const TStopwatch starting;
              view.Apply({.Words = word}, context);
              double seconds = starting.Seconds();
              const std::uint64_t id = run.get();
              const TStopwatch showing;
              if (!view.Finish(id)) report_.Fail("a background filter run on an unchanged list was not shown");
              seconds += showing.Seconds();
              if (std::size_t(grid.ShownRowCount() - grid.FixedRows()) != std::size_t(shown))
                  report_.Fail("the background filter shows other entries than filtering at once");
              view.Apply({}, context);
              return seconds;
          }));
    // An edit while the window filters in the background waits for the run to stop.
    Timed("filter:stop", MedianSeconds(runs_, [&] {
              TViewFilter view(grid);
              view.FilterInBackground(0, [](std::uint64_t) {});
              view.Apply({.Words = word}, context);
              const std::string kept = grid.GetCellText(colComment, 1);
              const TStopwatch clock;
              grid.SetCellText(colComment, 1, kept + "x");
              const double seconds = clock.Seconds();
              grid.SetCellText(colComment, 1, kept);
              return seconds;
          }));
}

void TCoreFigures::Recovery(const TBaseGrid& grid) {
    std::unique_ptr<const TBaseGrid> snapshot;
    Timed("recovery:snapshot", MedianSeconds(runs_, [&] {
              snapshot.reset();  // freeing the last copy is not part of taking one
              const TStopwatch clock;
              snapshot = std::make_unique<const TBaseGrid>(grid);
              return clock.Seconds();
          }));
    const std::string file = folder_ + "/unsaved.recovery";
    Timed("recovery:write",
          MedianSeconds(runs_,
                        [&] {
                            const TStopwatch clock;
                            WriteRecoveryFile(file, {"list.tkm", BenchToday, {12, 0, 0}}, *snapshot);
                            return clock.Seconds();
                        }),
          document_.Bytes);
    const TFileBytes written(file);
    const auto content = ReadRecoveryContent(written.View());
    if (!content || content->Table != TFileBytes(document_.FileName).View())
        report_.Fail("the recovery file does not hold the table as saved");
}

}  // namespace tkm::bench
