#include "ui/app/undo_commands.h"

#include "ui/app/command_guard.h"
#include "ui/app/command_table.h"
#include "ui/grid/task_grid.h"

#include <QAction>
#include <QMenu>

namespace tkm {

namespace {

// caption alone, or named with %1 for the step's name.
void ShowStep(QAction* action, const QString& caption, const QString& named, bool enabled, const std::string& name) {
    action->setEnabled(enabled);
    action->setText(enabled ? named.arg(QString::fromStdString(name)) : caption);
}

}  // namespace

TUndoCommands::TUndoCommands(TTaskGrid& grid, std::function<void(bool)> setModified, QObject* parent)
    : QObject(parent), grid_(grid), setModified_(std::move(setModified)) {}

void TUndoCommands::Bind(TCommandTable& commands) {
    commands.Bind("aclUndo", [this] { Undo(); });
    commands.Bind("aclRedo", [this] { Redo(); });
    undo_ = commands.Action("aclUndo");
    redo_ = commands.Action("aclRedo");
    redo_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    for (const char* menu : {"mnuEdit", "pmMain"})
        connect(commands.Menu(menu), &QMenu::aboutToShow, this, &TUndoCommands::Update);
    grid_.History().OnChanged = [this] { Update(); };
    Update();
}

// An open editor's changes are what Undo takes back once the editor closes.
void TUndoCommands::Update() {
    const TUndoHistory& history = grid_.History();
    ShowStep(undo_, tr("&Undo"), tr("&Undo %1"), history.HasUndo(), history.UndoName());
    ShowStep(redo_, tr("&Redo"), tr("&Redo %1"), history.CanRedo(), history.RedoName());
}

void TUndoCommands::Undo() {
    IgnoringStepFailures([this] { grid_.Undo(); });
    ShowModified();
}

void TUndoCommands::Redo() {
    IgnoringStepFailures([this] { grid_.Redo(); });
    ShowModified();
}

void TUndoCommands::ShowModified() { setModified_(!grid_.History().AtSavedPoint()); }

}  // namespace tkm
