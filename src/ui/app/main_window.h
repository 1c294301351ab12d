#pragma once

#include "grid/cell_style.h"
#include "tasks/task_table.h"
#include "ui/app/app_services.h"

#include <QMainWindow>
#include <QStringList>

#include <string>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace tkm {

class TClipboardCommands;
class TTaskGrid;

// The one window: menus, tool bar, date band, the task grid and the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(const TAppServices& services, const QStringList& documents, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TTaskGrid* stgMain() const { return stgMain_; }
    bool Modified() const { return modified_; }
    bool EditTracking() const { return editTracking_; }
    bool ColorPrinting() const { return colorPrinting_; }
    const std::string& DocumentFileName() const { return documentFileName_; }
    QString StatusPanelText(int panel) const;
    QAction* Action(const QString& objectName) const;

    void SetModified(bool value);
    void FillNewEntry();
    void ResetCurrentEntry();

public slots:
    void aclAddNewEntryExecute();
    void aclDeleteExecute();
    void aclRenumberExecute();
    void aclCloseExecute();
    void mnuContents1Click();
    void mnuRefresh1Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QStringList& documents);
    void CreateCommands();
    void CreateStatusBar();
    QWidget* CreateDateBand();
    void stgMainGetEditorType(int col, int row, TEditorType& editor);
    void stgMainCellsChanged(const TGridRect& rect);
    void RemoveEntry(int row);
    void ShowHint(const QString& hint);
    TaskTable::TNewEntryContext NewEntryContext() const;

    TAppServices services_;
    TTaskGrid* stgMain_ = nullptr;
    QToolBar* tlbMain_ = nullptr;
    QLabel* lblTodaysDate_ = nullptr;
    QLabel* panels_[3] = {};
    QMenu* mnuReopen_ = nullptr;
    QMenu* mnuSortBy_ = nullptr;
    QMenu* pmMain_ = nullptr;
    TClipboardCommands* clipboard_ = nullptr;

    std::string documentFileName_ = "Untitled";
    bool modified_ = false;
    bool editTracking_ = true;
    bool colorPrinting_ = true;
    bool windowShown_ = true;
};

}  // namespace tkm
