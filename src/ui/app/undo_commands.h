#pragma once

#include <QObject>

#include <functional>

class QAction;

namespace tkm {

class TCommandTable;
class TTaskGrid;

// Undo and Redo of the task table: their captions name the step they act on,
// and the modified flag follows the history back to the saved state.
class TUndoCommands : public QObject {
    Q_OBJECT
public:
    TUndoCommands(TTaskGrid& grid, std::function<void(bool)> setModified, QObject* parent);

    void Bind(TCommandTable& commands);
    void Update();
    void Undo();
    void Redo();

private:
    void ShowModified();

    TTaskGrid& grid_;
    std::function<void(bool)> setModified_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace tkm
