#include "ui/app/command_table.h"

#include <QAction>
#include <QCoreApplication>
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
    {"aclNewFile", QT_TRANSLATE_NOOP("Commands", "&New File"), QT_TRANSLATE_NOOP("Commands", "Create a new file"),
     QT_TRANSLATE_NOOP("Commands", "New File (Ctrl+N)"), "Ctrl+N", I::NewFile},
    {"aclOpen", QT_TRANSLATE_NOOP("Commands", "&Open..."), QT_TRANSLATE_NOOP("Commands", "Open a file"),
     QT_TRANSLATE_NOOP("Commands", "Open (Ctrl+O)"), "Ctrl+O", I::Open},
    {"aclOpenRemote", QT_TRANSLATE_NOOP("Commands", "Open Re&mote List..."),
     QT_TRANSLATE_NOOP("Commands", "Open a to-do list on a CalDAV server"), nullptr, "Ctrl+Shift+O", {}},
    {"aclFileSave", QT_TRANSLATE_NOOP("Commands", "&Save"), QT_TRANSLATE_NOOP("Commands", "Save changes"),
     QT_TRANSLATE_NOOP("Commands", "Save (Ctrl+S)"), "Ctrl+S", I::Save},
    {"aclSaveAs", QT_TRANSLATE_NOOP("Commands", "Save &As..."),
     QT_TRANSLATE_NOOP("Commands", "Save this entry as a file"), nullptr, nullptr, {}},
    {"aclPrint", QT_TRANSLATE_NOOP("Commands", "&Print..."), QT_TRANSLATE_NOOP("Commands", "Print current page"),
     QT_TRANSLATE_NOOP("Commands", "Print"), "Ctrl+P", I::Print},
    {"aclPrintSetup", QT_TRANSLATE_NOOP("Commands", "Print Setup"),
     QT_TRANSLATE_NOOP("Commands", "Setup print properties"), nullptr, nullptr, {}},
    {"aclClose", QT_TRANSLATE_NOOP("Commands", "Exit"), QT_TRANSLATE_NOOP("Commands", "Closes and exit Taskmere"),
     nullptr, "Ctrl+Q", {}},
    {"aclUndo", QT_TRANSLATE_NOOP("Commands", "&Undo"),
     QT_TRANSLATE_NOOP("Commands", "Takes back the last change to the list"), nullptr, "Ctrl+Z", {}},
    {"aclRedo", QT_TRANSLATE_NOOP("Commands", "&Redo"),
     QT_TRANSLATE_NOOP("Commands", "Makes the last change taken back again"), nullptr, "Ctrl+Y", {}},
    {"aclCut", QT_TRANSLATE_NOOP("Commands", "Cu&t"),
     QT_TRANSLATE_NOOP("Commands", "Removes the current selection and copy it onto the Clipboard"),
     QT_TRANSLATE_NOOP("Commands", "Cut"), "Ctrl+X", I::Cut},
    {"aclCopy", QT_TRANSLATE_NOOP("Commands", "&Copy"),
     QT_TRANSLATE_NOOP("Commands", "Copies the current selection onto the Clipboard"),
     QT_TRANSLATE_NOOP("Commands", "Copy"), "Ctrl+C", I::Copy},
    {"aclPaste", QT_TRANSLATE_NOOP("Commands", "&Paste"),
     QT_TRANSLATE_NOOP("Commands", "Insert the item you have copied or cut into the selected location"),
     QT_TRANSLATE_NOOP("Commands", "Paste"), "Ctrl+V", I::Paste},
    {"aclAddNewEntry", QT_TRANSLATE_NOOP("Commands", "&Add New Entry"),
     QT_TRANSLATE_NOOP("Commands", "Adds a new entry to the list"), QT_TRANSLATE_NOOP("Commands", "Add New Entry"),
     "Shift+Ins", I::AddEntry},
    {"aclDelete", QT_TRANSLATE_NOOP("Commands", "&Delete"), QT_TRANSLATE_NOOP("Commands", "Deletes current entry"),
     QT_TRANSLATE_NOOP("Commands", "Delete"), "Shift+Del", I::Delete},
    {"aclMultipleRow", QT_TRANSLATE_NOOP("Commands", "Add &Multiple Entries..."),
     QT_TRANSLATE_NOOP("Commands", "Adds multiple entries to the list"),
     QT_TRANSLATE_NOOP("Commands", "Add Multiple Entries"), "Ctrl+M", I::AddMultiple},
    {"aclFind", QT_TRANSLATE_NOOP("Commands", "Find"), QT_TRANSLATE_NOOP("Commands", "Searches for text on the list"),
     QT_TRANSLATE_NOOP("Commands", "Find"), "Ctrl+F", I::Find},
    {"aclFilter", QT_TRANSLATE_NOOP("Commands", "&Filter"),
     QT_TRANSLATE_NOOP("Commands", "Shows only the entries that hold the words typed, or are open or due"),
     nullptr, "Ctrl+Shift+F", {}},
    {"mnuRefresh1", QT_TRANSLATE_NOOP("Commands", "&Refresh"), QT_TRANSLATE_NOOP("Commands", "Refreshes the list"),
     nullptr, nullptr, {}},
    {"aclViewCalendar", QT_TRANSLATE_NOOP("Commands", "&View Calendar"),
     QT_TRANSLATE_NOOP("Commands", "Opens calendar window"), QT_TRANSLATE_NOOP("Commands", "View Calendar"),
     nullptr, I::Calendar},
    {"aclReminders", QT_TRANSLATE_NOOP("Commands", "Due &reminders"),
     QT_TRANSLATE_NOOP("Commands", "Reminds of entries that are due today or overdue"), nullptr, nullptr, {}},
    {"aclRenumber", QT_TRANSLATE_NOOP("Commands", "Re&number Entries"),
     QT_TRANSLATE_NOOP("Commands", "Renumbers the list"), nullptr, "F4", {}},
    {"aclStat", QT_TRANSLATE_NOOP("Commands", "St&atistics..."),
     QT_TRANSLATE_NOOP("Commands", "Opens the statistic report on current list"), nullptr, "F5", {}},
    {"mnuContents1", QT_TRANSLATE_NOOP("Commands", "&Contents"), QT_TRANSLATE_NOOP("Commands", "Opens help"),
     nullptr, "F1", {}},
    {"aclabout", QT_TRANSLATE_NOOP("Commands", "&About Taskmere"), QT_TRANSLATE_NOOP("Commands", "About Taskmere"),
     nullptr, nullptr, {}},
}};

const std::array<TMenuLayout, 6> Menus{{
    {"mnuFile", QT_TRANSLATE_NOOP("Commands", "&File"),
     QT_TRANSLATE_NOOP("Commands", "Contains commands for working for the document"),
     {"aclNewFile", "aclOpen", "aclOpenRemote", "mnuReopen", "-", "aclFileSave", "aclSaveAs", "-", "aclPrint", "aclPrintSetup", "-",
      "aclClose"}},
    {"mnuReopen", QT_TRANSLATE_NOOP("Commands", "&Reopen"), QT_TRANSLATE_NOOP("Commands", "Reopen file"), {}},
    {"mnuEdit", QT_TRANSLATE_NOOP("Commands", "&Edit"), QT_TRANSLATE_NOOP("Commands", "Contains edit commands"),
     {"aclUndo", "aclRedo", "-", "aclCut", "aclCopy", "aclPaste", "-", "aclAddNewEntry", "aclDelete",
      "aclMultipleRow", "-", "aclFind", "mnuRefresh1", "mnuSortBy", "aclViewCalendar", "aclReminders", "-",
      "aclRenumber", "-", "aclStat"}},
    {"mnuView", QT_TRANSLATE_NOOP("Commands", "&View"),
     QT_TRANSLATE_NOOP("Commands", "Contains commands for what the list shows"), {"aclFilter"}},
    {"mnuSortBy", QT_TRANSLATE_NOOP("Commands", "&Sort By..."),
     QT_TRANSLATE_NOOP("Commands", "Sorts the entry based on column name"), {}},
    {"mnuHelp", QT_TRANSLATE_NOOP("Commands", "&Help"),
     QT_TRANSLATE_NOOP("Commands", "Contains commands for displaying help"), {"mnuContents1", "-", "aclabout"}},
}};

const TMenuLayout PopupMenu{"pmMain", "", "",
                          {"aclUndo", "aclRedo", "-", "aclCut", "aclCopy", "aclPaste", "-", "aclAddNewEntry",
                           "aclDelete", "aclMultipleRow", "-", "aclRenumber"}};

const TMenuLayout ToolBarItems{"tlbMain", QT_TRANSLATE_NOOP("Commands", "Tools"), "",
                             {"aclNewFile", "aclOpen", "aclFileSave", "-", "aclPrint", "aclFind", "-", "aclCut",
                              "aclCopy", "aclPaste", "-", "aclAddNewEntry", "aclDelete", "aclMultipleRow", "-",
                              "aclViewCalendar"}};

QString Translated(const char* text) { return QCoreApplication::translate("Commands", text); }

const TMenuLayout* FindMenuLayout(std::string_view name) {
    const auto found = std::find_if(Menus.begin(), Menus.end(), [&](const TMenuLayout& m) { return m.Name == name; });
    return found == Menus.end() ? nullptr : &*found;
}

}  // namespace

TCommandTable::TCommandTable(QMainWindow& window) : QObject(&window), window_(window) {
    for (const TCommandLook& command : Commands) {
        auto* action = new QAction(Translated(command.Caption), &window_);
        action->setObjectName(command.Name);
        action->setStatusTip(Translated(command.Hint));
        if (command.ToolTip) action->setToolTip(Translated(command.ToolTip));
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

    toolBar_ = window_.addToolBar(Translated(ToolBarItems.Caption));
    toolBar_->setObjectName(ToolBarItems.Name);
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(16, 16));
    AddItems(toolBar_, ToolBarItems.Items);
}

QMenu* TCommandTable::MakeMenu(const TMenuLayout& layout, QWidget* parent) {
    auto* menu = new QMenu(Translated(layout.Caption), parent);
    menu->setObjectName(layout.Name);
    menu->menuAction()->setStatusTip(Translated(layout.Hint));
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
