#include "ui/grid/grid_find_dialog.h"

#include "ui/grid/grid_find_form.h"
#include "ui/grid/task_grid.h"

namespace tkm {

TGridFindDialog::TGridFindDialog(TTaskGrid* grid, Dialogs& dialogs, QObject* parent)
    : QObject(parent), grid_(grid), form_(std::make_unique<TGridFindForm>(dialogs)) {}

TGridFindDialog::~TGridFindDialog() = default;

void TGridFindDialog::ShowFindDialog() {
    form_->SetGrid(grid_);
    form_->show();
    form_->raise();
    form_->activateWindow();
}

}  // namespace tkm
