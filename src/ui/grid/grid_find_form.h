#pragma once

#include "grid/find_options.h"
#include "grid/grid_types.h"

#include <QDialog>
#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRect;

namespace tkm {

class Dialogs;
class TTaskGrid;

// "Find text": each OK finds the next matching cell after the last hit and
// makes it the grid's current cell, or says that there is none. Modeless; it is
// hidden, not freed, when closed, and keeps its history, options and last hit.
class TGridFindForm : public QDialog {
    Q_OBJECT
public:
    enum TScope { AllCells = 0, CurrentRowOnly = 1, CurrentColumnOnly = 2 };

    explicit TGridFindForm(Dialogs& dialogs);

    void SetGrid(TTaskGrid* grid) { grid_ = grid; }
    TTaskGrid* Grid() const { return grid_; }
    TGridCoord LastHit() const { return lastHit_; }
    // The options the controls stand for.
    TFindOptions Options() const;

    QComboBox* TextToFind() const { return TextToFind_; }
    QPushButton* OkBtn() const { return OkBtn_; }

public slots:
    void OkBtnClick();

signals:
    // "Case sensitive" was switched: the filter bar matches as Find does.
    void MatchCaseChanged();

private:
    void CreateOptions(const QRect& place);
    void CreateDirection(const QRect& place);
    void CreateScope(const QRect& place);
    void ScopeClick(int scope);
    void RememberText(const QString& text);

    Dialogs& dialogs_;
    QPointer<TTaskGrid> grid_;
    TGridCoord lastHit_;

    QComboBox* TextToFind_ = nullptr;
    QCheckBox* Docase_ = nullptr;
    QCheckBox* Whole_ = nullptr;
    QCheckBox* MatchFirst_ = nullptr;
    QCheckBox* IgnoreHTML_ = nullptr;
    QCheckBox* Fixed_ = nullptr;
    QCheckBox* cbForwardTB_ = nullptr;
    QCheckBox* cbForwardLR_ = nullptr;
    QCheckBox* cbBackwardBT_ = nullptr;
    QCheckBox* cbBackwardRL_ = nullptr;
    QButtonGroup* directions_ = nullptr;
    QButtonGroup* Scope_ = nullptr;
    QPushButton* OkBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

}  // namespace tkm
