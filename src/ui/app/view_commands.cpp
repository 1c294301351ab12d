#include "ui/app/view_commands.h"

#include "platform/clock.h"
#include "ui/app/command_table.h"
#include "ui/app/filter_bar.h"
#include "ui/grid/grid_find_form.h"
#include "ui/grid/task_grid.h"

namespace tkm {

namespace {

// Up to a million rows are filtered between two keystrokes; more go to a worker thread.
constexpr std::size_t BackgroundRows = 1'000'000;

}  // namespace

TViewCommands::TViewCommands(TParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), filter_(parts_.Grid.Store()) {
    filter_.FilterInBackground(BackgroundRows, [this](std::uint64_t run) {
        QMetaObject::invokeMethod(this, [this, run] { Finished(run); }, Qt::QueuedConnection);
    });
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
    if (filter == filter_.Current() && (filter_.Busy() || filter.Active() == parts_.Grid.Store().RowsFiltered()))
        return;
    const TDate today = parts_.TimeSource.Today();
    bool done = false;
    {
        // A long list takes a moment on the first letters.
        std::optional<TWaitCursor> wait;
        if (parts_.Grid.Store().RowCount() > 100'000) wait.emplace();
        done = filter_.Apply(filter, {today, parts_.Formats});
    }
    if (done) ShowCount();
    else if (!busy_) busy_.emplace(Qt::BusyCursor);
}

void TViewCommands::Finished(std::uint64_t run) {
    if (filter_.Finish(run)) ShowCount();
    if (!filter_.Busy()) busy_.reset();
}

void TViewCommands::ShowCount() {
    busy_.reset();
    parts_.ShowHint(filter_.Current().Active() ? QString::fromStdString(ShownEntriesText(parts_.Grid.Store()))
                                               : QString());
}

// The load is still under way: the new rows are filtered once it is done.
void TViewCommands::RowsReplaced() {
    filter_.Forget();
    QMetaObject::invokeMethod(this, &TViewCommands::Apply, Qt::QueuedConnection);
}

}  // namespace tkm
