#pragma once

#include "tasks/document_session.h"
#include "tasks/task_list_print.h"
#include "ui/app/app_services.h"
#include "ui/wait_cursor.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QMenu;
class QWidget;

namespace tkm {

class Clock;
class Printer;
class TMRUManager;
class TStatusProgress;
class TTaskGrid;

// The window's side of the document commands: runs them on the document
// session, shows their failures in the error box, and shows the session's
// title, modified mark and file progress in the window.
class TDocumentCommands final : private TDocumentView {
public:
    struct TWindowParts {
        QWidget& Window;
        TTaskGrid& Grid;
        QMenu& ReopenMenu;
        QLabel& ModifiedPanel;
        std::function<void(const QString&)> ShowHint;
        TStatusProgress& Progress;
        std::function<void(bool modified)> ModifiedChanged = {};
    };

    TDocumentCommands(const TAppServices& services, TMRUManager& recentFiles, TWindowParts window);

    TDocumentSession& Session() { return session_; }
    const TDocumentSession& Session() const { return session_; }

    void New();
    void Open();
    void Reopen(const std::string& fileName);
    void Save();
    // A list on a CalDAV server; Refresh brings other clients' changes into one.
    void OpenRemote();
    void Refresh(bool quiet = false);
    void SaveAs();
    void Print();
    void PrintSetup();
    void OpenNamed(const std::string& fileName);
    // Opens the documents an execute macro names; beforeOpen runs before each.
    void OpenMacro(std::string_view macro, const std::function<void()>& beforeOpen);
    // The close question; true when the window may close.
    bool MayClose();

private:
    void Report(const TDocumentOutcome& outcome);
    void RebuildReopenMenu();
    // The print engine of `rows` (the document or its shown entries), coloured
    // as the colour question was answered.
    TTaskListPrint GridPrint(const TBaseGrid& rows);
    // The job's name and the sheet the preview lays its pages out on.
    void PrepareForPrinter(TPrintEngine& engine) const;

    // TDocumentView
    void TitleChanged(const std::string& title) override;
    void ModifiedChanged(bool modified) override;
    void CommitEditor() override;
    void SetEditingEnabled(bool enabled) override;
    void StartEditing() override;
    void FileOperationStarted(bool mayStop) override;
    void FileProgress(int percent) override;
    void FileOperationEnded() override;
    void ChooseExportColumns() override;
    void ChoosePrintColumns(TBaseGrid& rows) override;
    TColorScheme ColorScheme() const override;
    void ShowNote(const std::string& note) override;

    Dialogs& dialogs_;
    Printer* printer_;
    const Clock& clock_;
    TMRUManager& recentFiles_;
    TWindowParts window_;
    std::optional<TWaitCursor> waitCursor_;
    TDocumentSession session_;
};

}  // namespace tkm
