#pragma once

#include "grid/grid_observer.h"
#include "settings/form_placement.h"
#include "settings/mru_manager.h"
#include "settings/window_layout.h"
#include "tasks/due_status.h"
#include "tasks/task_table.h"
#include "ui/app/app_services.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;

namespace tkm {

class TClipboardCommands;
class TUndoCommands;
class TCommandTable;
class TDocumentCommands;
class TStatusProgress;
class TEntryCommands;
class TGridFindDialog;
class TMacroCommands;
class TTaskGrid;
class TRecoveryCommands;
class TReminderCommands;
class TTrayCommands;
class TFilterBar;
class TViewCommands;

// The status bar's panels, left to right.
enum class TStatusPanel { Modified, Divider, Hint };

// The one window: menus, tool bar, date band, the task grid and the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(const TAppServices& services, const QStringList& documents, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TTaskGrid* stgMain() const { return stgMain_; }
    TGridFindDialog* fdlgMain() const { return fdlgMain_; }
    TFilterBar* FilterBar() const { return filterBar_; }
    bool Modified() const;
    bool EditTracking() const;
    bool ColorPrinting() const;
    const std::string& DocumentFileName() const;
    QString StatusPanelText(TStatusPanel panel) const;
    QAction* Action(const QString& objectName) const;

    const TMRUManager& mruMain() const { return mruMain_; }

    void SetModified(bool value);
    // A document named on the command line.
    void OpenDocument(const std::string& fileName);
    // The documents named on the command line, opened in turn; the history
    // starts from the table as they leave it. The window may be on screen
    // already, so that a long list shows its progress.
    void OpenStartDocuments(const QStringList& documents);
    void mruMainClick(const std::string& recentName);
    // An execute transaction from another program: opens the documents its
    // "[Open(" lines name, one transaction after the other.
    void DDEMainExecuteMacro(const std::string& macro);
    // Off while the window is hidden in the tray.
    bool WindowShown() const;
    // Offers the unsaved changes that an earlier run left behind.
    void OfferRecovery();
    // This run's recovery file; empty when changes are not kept.
    std::string RecoveryFileName() const;
    // The program ends without the close question (a termination signal, a
    // desktop session that lets nothing be asked): the unsaved changes, the
    // text being typed too, go to the recovery file now and stay there for
    // the next start.
    void KeepChangesForNextStart();
    // The desktop session ends. Where it lets the program ask (`mayAsk`,
    // asked only when there are changes) the close question is asked, and
    // false means the user keeps the session going; where it does not, the
    // changes are kept for the next start.
    bool MaySessionEnd(const std::function<bool()>& mayAsk);

public slots:
    void aclNewFileExecute();
    void aclOpenExecute();
    void aclFileSaveExecute();
    void aclSaveAsExecute();
    void aclPrintExecute();
    void aclPrintSetupExecute();
    void aclAddNewEntryExecute();
    void aclDeleteExecute();
    void aclMultipleRowExecute();
    void aclRenumberExecute();
    void aclStatExecute();
    void aclFindExecute();
    void aclViewCalendarExecute();
    void aclCloseExecute();
    void mnuContents1Click();
    void aclaboutExecute();
    void mnuRefresh1Click();
    // The timer's and the shown window's look at a remote list's server.
    void RefreshRemoteQuietly();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A first start: wide enough for every column where the screen allows.
    void SizeForAllColumns();
    // The stored size, place, state and column widths, once at the first show.
    void ApplyLayout();
    // What the next start restores, taken before the INI file is written.
    void CaptureLayout();
    void SavePlacement();
    void FormCreate(const QStringList& documents);
    void WireCommands();
    void CreateStatusBar();
    QWidget* CreateDateBand();
    void stgMainGetEditorType(int col, int row, TEditorType& editor);
    void stgMainCellsChanged(const TGridRect& rect);
    void stgMainGetEditText(int col, int row, std::string& value);
    void ShowHint(const QString& hint);

    TAppServices services_;
    TTaskGrid* stgMain_ = nullptr;
    QLabel* lblTodaysDate_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    TStatusProgress* progress_ = nullptr;
    TCommandTable* commands_ = nullptr;
    TEntryCommands* entries_ = nullptr;
    TClipboardCommands* clipboard_ = nullptr;
    TUndoCommands* undo_ = nullptr;
    TFilterBar* filterBar_ = nullptr;
    TViewCommands* view_ = nullptr;
    TGridFindDialog* fdlgMain_ = nullptr;
    // Gone with the window's members, before the grid it watches.
    std::optional<TCellsChangedHook> cellsChangedHook_;
    std::optional<TDueLineWatch> dueLineWatch_;

    TFormPlacement frmstgMain_;
    TWindowLayout layout_;
    bool layoutApplied_ = false;
    // The last size and place while the window was neither maximised nor minimised.
    QRect normalPlace_;
    TMRUManager mruMain_;
    std::unique_ptr<TDocumentCommands> documents_;
    TReminderCommands* reminders_ = nullptr;
    std::unique_ptr<TTrayCommands> tray_;
    TMacroCommands* DDEMain_ = nullptr;
    // With a recovery folder only; gone before the document it keeps.
    std::unique_ptr<TRecoveryCommands> recovery_;
};

}  // namespace tkm
