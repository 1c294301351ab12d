#include "ui/app/view_commands.h"

#include "platform/clock.h"
#include "ui/app/command_table.h"
#include "ui/app/filter_bar.h"
#include "ui/grid/grid_find_form.h"
#include "ui/grid/task_grid.h"
#include "ui/wait_cursor.h"

#include <optional>

namespace tkm {

TViewCommands::TViewCommands(TParts parts, QObject* parent) : QObject(parent), parts_(std::move(parts)) {
    parts_.Grid.Store().AddObserver(*this);
    connect(&parts_.Bar, &TFilterBar::FilterChanged, this, &TViewCommands::Apply);
    connect(&parts_.Bar, &TFilterBar::Closed, this, [this] { parts_.Grid.setFocus(); });
}

TViewCommands::~TViewCommands() { parts_.Grid.Store().RemoveObserver(*this); }

void TViewCommands::Bind(TCommandTable& commands) {
    commands.Bind("aclFilter", [this] { parts_.Bar.Open(); });
}

void TViewCommands::FollowFind(TGridFindForm& find) {
    find_ = &find;
    connect(&find, &TGridFindForm::MatchCaseChanged, this, &TViewCommands::Apply);
    Apply();
}

void TViewCommands::Apply() {
    TTaskFilter filter = parts_.Bar.Filter();
    filter.MatchCase = find_ && find_->Options().Has(TFindOption::MatchCase);
    if (filter == filter_.Current() && filter.Active() == parts_.Grid.Store().RowsFiltered()) return;
    // A long list takes a moment on the first letters.
    std::optional<TWaitCursor> wait;
    if (parts_.Grid.Store().RowCount() > 100'000) wait.emplace();
    const TDate today = parts_.TimeSource.Today();
    filter_.Apply(parts_.Grid.Store(), filter, {today, parts_.Formats});
    parts_.ShowHint(filter.Active() ? QString::fromStdString(ShownEntriesText(parts_.Grid.Store())) : QString());
}

// The load is still under way: the new rows are filtered once it is done.
void TViewCommands::RowsReplaced() {
    filter_.Forget();
    QMetaObject::invokeMethod(this, &TViewCommands::Apply, Qt::QueuedConnection);
}

}  // namespace tkm
