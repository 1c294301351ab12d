#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"

#include <memory>
#include <string>

namespace tkm::bench {

// The figures of the cell store and the code around it: no window needed.
class TCoreFigures {
public:
    TCoreFigures(const TBenchDocument& document, int runs, const std::string& folder, TBenchReport& report)
        : document_(document), runs_(runs), folder_(folder), report_(report) {}

    // Returns the grid of the last run for the figures that only read it.
    std::unique_ptr<TBaseGrid> Load();
    void Save(const TBaseGrid& grid);
    void Statistics(const TBaseGrid& grid);
    // The Find dialog's default search for a text no cell holds.
    void FindNothing(TBaseGrid& grid);
    // Each run sorts a freshly loaded grid ascending by the real column.
    void Sort(const std::string& name, int column);
    // Undoing a sort by Status, and the memory the history holds for it.
    void UndoSort();
    // Add Multiple Entries with 100 entries and the renumbering after it, on a
    // freshly loaded grid: after the last row, and before row 2.
    void AddEntries();
    // Keeping unsaved changes: the copy of the table the window's thread takes
    // (recovery:snapshot) and writing it out as the worker thread does (recovery:write).
    void Recovery(const TBaseGrid& grid);
    // Typing "invoice" into the filter bar: the slowest keystroke of the word
    // (filter:type, the first letter looks at every row, the later ones at the
    // rows still shown), and showing the open entries (filter:open).
    void Filter(TBaseGrid& grid);

private:
    std::unique_ptr<TBaseGrid> LoadFresh(double& seconds) const;
    void Timed(const std::string& name, double seconds, std::uint64_t bytes = 0);

    const TBenchDocument& document_;
    int runs_;
    std::string folder_;
    TBenchReport& report_;
};

}  // namespace tkm::bench
