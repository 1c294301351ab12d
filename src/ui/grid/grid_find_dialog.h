#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

namespace tkm {

class Dialogs;
class TGridFindForm;
class TTaskGrid;

// The find command's one window for the program's life: bound to a grid (and
// unbound when that grid goes), its form made once and kept between uses.
class TGridFindDialog : public QObject {
    Q_OBJECT
public:
    TGridFindDialog(TTaskGrid* grid, Dialogs& dialogs, QObject* parent = nullptr);
    ~TGridFindDialog() override;

    TTaskGrid* Grid() const { return grid_; }
    TGridFindForm& Form() const { return *form_; }

    // Shows the form modelessly over the bound grid's window.
    void ShowFindDialog();

private:
    QPointer<TTaskGrid> grid_;
    std::unique_ptr<TGridFindForm> form_;
};

}  // namespace tkm
