#include "ui/app/command_table.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <array>

namespace tkm {

namespace {

using I = TCommandIcon;

constexpr std::array<TCommandLook, 25> Commands{{
    {"aclNewFile", "&New File", "Create a new file", "New File (Ctrl+N)", "Ctrl+N", I::NewFile},
    {"aclOpen", "&Open...", "Open a file", "Open (Ctrl+O)", "Ctrl+O", I::Open},
    {"aclOpenRemote", "Open Re&mote List...", "Open a to-do list on a CalDAV server", nullptr, "Ctrl+Shift+O", {}},
    {"aclFileSave", "&Save", "Save changes", "Save (Ctrl+S)", "Ctrl+S", I::Save},
    {"aclSaveAs", "Save &As...", "Save this entry as a file", nullptr, nullptr, {}},
    {"aclPrint", "&Print...", "Print current page", "Print", "Ctrl+P", I::Print},
    {"aclPrintSetup", "Print Setup", "Setup print properties", nullptr, nullptr, {}},
    {"aclClose", "Exit", "Closes and exit Taskmere", nullptr, "Ctrl+Q", {}},
    {"aclUndo", "&Undo", "Takes back the last change to the list", nullptr, "Ctrl+Z", {}},
    {"aclRedo", "&Redo", "Makes the last change taken back again", nullptr, "Ctrl+Y", {}},
    {"aclCut", "Cu&t", "Removes the current selection and copy it onto the Clipboard", "Cut", "Ctrl+X", I::Cut},
    {"aclCopy", "&Copy", "Copies the current selection onto the Clipboard", "Copy", "Ctrl+C", I::Copy},
    {"aclPaste", "&Paste", "Insert the item you have copied or cut into the selected location", "Paste", "Ctrl+V",
     I::Paste},
    {"aclAddNewEntry", "&Add New Entry", "Adds a new entry to the list", "Add New Entry", "Shift+Ins", I::AddEntry},
    {"aclDelete", "&Delete", "Deletes current entry", "Delete", "Shift+Del", I::Delete},
    {"aclMultipleRow", "Add &Multiple Entries...", "Adds multiple entries to the list", "Add Multiple Entries",
     "Ctrl+M", I::AddMultiple},
    {"aclFind", "Find", "Searches for text on the list", "Find", "Ctrl+F", I::Find},
    {"aclFilter", "&Filter", "Shows only the entries that hold the words typed, or are open or due", nullptr,
     "Ctrl+Shift+F", {}},
    {"mnuRefresh1", "&Refresh", "Refreshes the list", nullptr, nullptr, {}},
    {"aclViewCalendar", "&View Calendar", "Opens calendar window", "View Calendar", nullptr, I::Calendar},
    {"aclReminders", "Due &reminders", "Reminds of entries that are due today or overdue", nullptr, nullptr, {}},
    {"aclRenumber", "Re&number Entries", "Renumbers the list", nullptr, "F4", {}},
    {"aclStat", "St&atistics...", "Opens the statistic report on current list", nullptr, "F5", {}},
    {"mnuContents1", "&Contents", "Opens help", nullptr, "F1", {}},
    {"aclabout", "&About Taskmere", "About Taskmere", nullptr, nullptr, {}},
}};

const std::array<TMenuLayout, 6> Menus{{
    {"mnuFile", "&File", "Contains commands for working for the document",
     {"aclNewFile", "aclOpen", "aclOpenRemote", "mnuReopen", "-", "aclFileSave", "aclSaveAs", "-", "aclPrint", "aclPrintSetup", "-",
      "aclClose"}},
    {"mnuReopen", "&Reopen", "Reopen file", {}},
    {"mnuEdit", "&Edit", "Contains edit commands",
     {"aclUndo", "aclRedo", "-", "aclCut", "aclCopy", "aclPaste", "-", "aclAddNewEntry", "aclDelete",
      "aclMultipleRow", "-", "aclFind", "mnuRefresh1", "mnuSortBy", "aclViewCalendar", "aclReminders", "-",
      "aclRenumber", "-", "aclStat"}},
    {"mnuView", "&View", "Contains commands for what the list shows", {"aclFilter"}},
    {"mnuSortBy", "&Sort By...", "Sorts the entry based on column name", {}},
    {"mnuHelp", "&Help", "Contains commands for displaying help", {"mnuContents1", "-", "aclabout"}},
}};

const TMenuLayout PopupMenu{"pmMain", "", "",
                          {"aclUndo", "aclRedo", "-", "aclCut", "aclCopy", "aclPaste", "-", "aclAddNewEntry",
                           "aclDelete", "aclMultipleRow", "-", "aclRenumber"}};

const TMenuLayout ToolBarItems{"tlbMain", "Tools", "",
                             {"aclNewFile", "aclOpen", "aclFileSave", "-", "aclPrint", "aclFind", "-", "aclCut",
                              "aclCopy", "aclPaste", "-", "aclAddNewEntry", "aclDelete", "aclMultipleRow", "-",
                              "aclViewCalendar"}};

const TMenuLayout* FindMenuLayout(std::string_view name) {
    const auto found = std::find_if(Menus.begin(), Menus.end(), [&](const TMenuLayout& m) { return m.Name == name; });
    return found == Menus.end() ? nullptr : &*found;
}

}  // namespace

TCommandTable::TCommandTable(QMainWindow& window) : QObject(&window), window_(window) {
    for (const TCommandLook& command : Commands) {
        auto* action = new QAction(command.Caption, &window_);
        action->setObjectName(command.Name);
        action->setStatusTip(command.Hint);
        if (command.ToolTip) action->setToolTip(command.ToolTip);
        if (command.Shortcut) action->setShortcut(QKeySequence(command.Shortcut));
        if (command.Icon) action->setIcon(CommandIcon(*command.Icon));
        action->setEnabled(false);
        // Shortcuts work while the menus are closed and the tool bar is hidden.
        window_.addAction(action);
        actions_[command.Name] = action;
    }
    for (const char* name : {"mnuFile", "mnuEdit", "mnuView", "mnuHelp"})
        window_.menuBar()->addMenu(MakeMenu(*FindMenuLayout(name), &window_));
    MakeMenu(PopupMenu, &window_);

    toolBar_ = window_.addToolBar(ToolBarItems.Caption);
    toolBar_->setObjectName(ToolBarItems.Name);
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(16, 16));
    AddItems(toolBar_, ToolBarItems.Items);
}

QMenu* TCommandTable::MakeMenu(const TMenuLayout& layout, QWidget* parent) {
    auto* menu = new QMenu(layout.Caption, parent);
    menu->setObjectName(layout.Name);
    menu->menuAction()->setStatusTip(layout.Hint);
    menus_[layout.Name] = menu;
    AddItems(menu, layout.Items);
    return menu;
}

void TCommandTable::AddItems(QWidget* target, std::initializer_list<const char*> items) {
    for (const char* item : items) {
        if (std::string_view(item) == "-") {
            if (auto* menu = qobject_cast<QMenu*>(target)) menu->addSeparator();
            else static_cast<QToolBar*>(target)->addSeparator();
        } else if (const TMenuLayout* sub = FindMenuLayout(item)) {
            target->addAction(MakeMenu(*sub, target)->menuAction());
        } else {
            target->addAction(Action(item));
        }
    }
}

QAction* TCommandTable::Action(std::string_view name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QMenu* TCommandTable::Menu(std::string_view name) const {
    const auto found = menus_.find(name);
    return found == menus_.end() ? nullptr : found->second;
}

void TCommandTable::Bind(std::string_view name, std::function<void()> handler) {
    QAction* action = Action(name);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    action->setEnabled(true);
}

}  // namespace tkm
