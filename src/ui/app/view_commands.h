#pragma once

#include "grid/grid_observer.h"
#include "tasks/task_filter.h"
#include "ui/wait_cursor.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

namespace tkm {

class Clock;
class TCommandTable;
class TFilterBar;
class TGridFindForm;
class TTaskGrid;

// View > Filter: the filter bar above the table and the rows it leaves shown.
// A list that is loaded afresh is filtered afresh. Case matters as Find's
// options say. A very long list is filtered on a worker thread, so typing
// never waits for it; the rows of the newest words are shown once found.
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
    // The words match with Find's "Case sensitive" as it stands, and again when it is switched.
    void FollowFind(TGridFindForm& find);
    // Filters the table by what the bar holds now.
    void Apply();

private:
    void RowsReplaced() override;
    void Finished(std::uint64_t run);
    void ShowCount();

    TParts parts_;
    TViewFilter filter_;
    QPointer<TGridFindForm> find_;
    std::optional<TWaitCursor> busy_;  // while rows are worked out in the background
};

}  // namespace tkm
