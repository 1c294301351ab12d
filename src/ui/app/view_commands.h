#pragma once

#include "grid/grid_observer.h"
#include "tasks/task_filter.h"

#include <QObject>
#include <QString>

#include <functional>

namespace tkm {

class Clock;
class TCommandTable;
class TFilterBar;
class TTaskGrid;

// View > Filter: the filter bar above the table and the rows it leaves shown.
// A list that is loaded afresh is filtered afresh.
class TViewCommands final : public QObject, private TGridObserver {
    Q_OBJECT
public:
    struct TParts {
        TTaskGrid& Grid;
        TFilterBar& Bar;
        const Clock& TimeSource;
        const TLocaleFormats& Formats;
        std::function<void(const QString&)> ShowHint;
    };
    TViewCommands(TParts parts, QObject* parent);
    ~TViewCommands() override;

    void Bind(TCommandTable& commands);
    // Filters the table by what the bar holds now.
    void Apply();

private:
    void RowsReplaced() override;

    TParts parts_;
    TViewFilter filter_;
};

}  // namespace tkm
