#pragma once

#include "ui/app/command_icons.h"

#include <QObject>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string_view>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tkm {

// What the user sees of one command; the controllers bind what it does.
struct TCommandLook {
    const char* Name;  // the action's object name
    const char* Caption;
    const char* Hint;     // shown in the status bar
    const char* ToolTip;  // the tool button's caption, or nullptr
    const char* Shortcut;  // or nullptr
    std::optional<TCommandIcon> Icon;
};

// A menu, a sub-menu, the grid's pop-up menu or the tool bar: its items are
// command names, sub-menu names, or "-" for a separator.
struct TMenuLayout {
    const char* Name;
    const char* Caption;
    const char* Hint;
    std::initializer_list<const char*> Items;
};

// Every command of the main window, made once from one table, with its menus,
// pop-up menu and tool bar. A command stays disabled until a handler is bound.
class TCommandTable : public QObject {
    Q_OBJECT
public:
    explicit TCommandTable(QMainWindow& window);

    QAction* Action(std::string_view name) const;
    QMenu* Menu(std::string_view name) const;
    QToolBar* ToolBar() const { return toolBar_; }
    void Bind(std::string_view name, std::function<void()> handler);

private:
    QMenu* MakeMenu(const TMenuLayout& layout, QWidget* parent);
    void AddItems(QWidget* target, std::initializer_list<const char*> items);

    QMainWindow& window_;
    std::map<std::string_view, QAction*> actions_;
    std::map<std::string_view, QMenu*> menus_;
    QToolBar* toolBar_ = nullptr;
};

}  // namespace tkm
