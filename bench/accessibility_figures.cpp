#include "accessibility_figures.h"

#include "ui/grid/task_grid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>

namespace tkm::bench {

namespace {

// Stands in for the bridge to the accessibility bus: events are made and dropped.
void DropEvent(QAccessibleEvent*) {}

}  // namespace

void AccessibilityFigures(TTaskGrid& grid, int entries, int runs, TBenchReport& report) {
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&DropEvent);
    QAccessible::setActive(true);
    TBaseGrid& store = grid.Store();
    store.SetCurrentCell(colDescription, store.RowCount() / 2);
    grid.setFocus();
    QCoreApplication::processEvents();

    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    if (!table) return;  // the grid's view was not installed
    report.Seconds("a11y:screen", entries, MedianSeconds(runs, [&] {
        const TStopwatch clock;
        for (int row = store.TopRow(); row < store.RowCount() && !grid.CellRect(0, row).isEmpty(); ++row)
            for (int col = 0; col < table->columnCount(); ++col) table->cellAt(row, col)->text(QAccessible::Name);
        return clock.Seconds();
    }));
    report.Seconds("a11y:arrow-key", entries, MedianSeconds(runs, [&] {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        const TStopwatch clock;
        QCoreApplication::sendEvent(&grid, &down);
        return clock.Seconds();
    }));

    QAccessible::setActive(false);
    QAccessible::installUpdateHandler(previous);
}

}  // namespace tkm::bench
