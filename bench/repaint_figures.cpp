#include "repaint_figures.h"

#include "accessibility_figures.h"

#include "platform/fake/fake_clock.h"
#include "platform/shell.h"
#include "ui/grid/task_grid.h"

#include <QCoreApplication>
#include <QImage>

#include <algorithm>

namespace tkm::bench {

namespace {

// The grid's size in the main window at the window's first size.
constexpr QSize GridSize(545, 330);

// The bench clicks no links.
class TNoShell final : public Shell {
public:
    void Open(const std::string&) override {}
};

}  // namespace

void RepaintFigures(const TBenchDocument& document, int runs, std::unique_ptr<TBaseGrid> loaded,
                    TBenchReport& report) {
    TNoShell shell;
    const FixedClock clock(BenchToday, {});
    TTaskGrid grid(shell);
    grid.SetClock(clock);
    grid.SetFormats(document.Formats);
    grid.AdoptStore(std::move(*loaded));
    loaded.reset();
    grid.resize(GridSize);
    grid.show();
    QCoreApplication::processEvents();

    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const auto repaint = [&] {
        const TStopwatch clock;
        grid.viewport()->render(&image);
        return clock.Seconds();
    };
    // Glyphs are rasterised once per program, not once per repaint.
    repaint();

    const int rows = grid.Store().RowCount();
    for (const auto& [name, row] : {std::pair{"repaint:top", 1}, {"repaint:middle", rows / 2}, {"repaint:end", rows - 1}}) {
        grid.Store().SetCurrentCell(colDescription, row);
        QCoreApplication::processEvents();
        report.Seconds(name, document.Entries, MedianSeconds(runs, repaint));
    }

    // Every text cell on screen in mark-up, laid out on each repaint.
    TBaseGrid& store = grid.Store();
    const int top = store.TopRow();
    for (int row = top; row < std::min(rows, top + 40); ++row)
        for (const int col : {colDescription, colResources, colComment})
            store.SetCellText(col, row, "<B>Call</B> <FONT COLOR=\"#C00000\">Ann</FONT> &amp; <I>Bob</I><BR>re <U>budget</U>");
    QCoreApplication::processEvents();
    report.Seconds("repaint:markup", document.Entries, MedianSeconds(runs, repaint));

    AccessibilityFigures(grid, document.Entries, runs, report);
}

}  // namespace tkm::bench
