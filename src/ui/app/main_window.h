#pragma once

#include "grid/cell_style.h"
#include "settings/form_placement.h"
#include "settings/mru_manager.h"
#include "tasks/task_table.h"
#include "ui/app/app_services.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace tkm {

class TClipboardCommands;
class TDocumentCommands;
class TGridFindDialog;
class TTaskGrid;

// The one window: menus, tool bar, date band, the task grid and the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(const TAppServices& services, const QStringList& documents, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TTaskGrid* stgMain() const { return stgMain_; }
    TGridFindDialog* fdlgMain() const { return fdlgMain_; }
    bool Modified() const;
    bool EditTracking() const;
    bool ColorPrinting() const;
    const std::string& DocumentFileName() const;
    QString StatusPanelText(int panel) const;
    QAction* Action(const QString& objectName) const;

    const TMRUManager& mruMain() const { return mruMain_; }

    void SetModified(bool value);
    // A document named on the command line.
    void OpenDocument(const std::string& fileName);
    void mruMainClick(const std::string& recentName);
    void FillNewEntry();
    void ResetCurrentEntry();

public slots:
    void aclNewFileExecute();
    void aclOpenExecute();
    void aclFileSaveExecute();
    void aclSaveAsExecute();
    void aclAddNewEntryExecute();
    void aclDeleteExecute();
    void aclRenumberExecute();
    // Sorts by the column in the chosen Sort By item's data.
    void aclSortByColExecute(QAction* item);
    void aclStatExecute();
    void aclFindExecute();
    void aclCloseExecute();
    void mnuContents1Click();
    void mnuRefresh1Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(const QStringList& documents);
    void CreateCommands();
    void CreateStatusBar();
    QWidget* CreateDateBand();
    void stgMainGetEditorType(int col, int row, TEditorType& editor);
    void stgMainCellsChanged(const TGridRect& rect);
    void stgMainGetCellColor(int col, int row, TCellStyle& style);
    void stgMainGetEditText(int col, int row, std::string& value);
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
    TGridFindDialog* fdlgMain_ = nullptr;

    TFormPlacement frmstgMain_;
    TMRUManager mruMain_;
    std::unique_ptr<TDocumentCommands> documents_;
    bool windowShown_ = true;
};

}  // namespace tkm
