#include "ui/app/document_commands.h"

#include "grid/print/desktop_print.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "settings/mru_manager.h"
#include "tasks/document_name.h"
#include "tasks/open_macro.h"
#include "tasks/task_list_print.h"
#include "ui/app/command_guard.h"
#include "ui/dialogs/column_chooser.h"
#include "ui/app/status_progress.h"
#include "ui/dialogs/export_progress.h"
#include "ui/dialogs/grid_preview_dialog.h"
#include "ui/dialogs/print_settings_dialog.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/task_grid.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace tkm {

TDocumentCommands::TDocumentCommands(const TAppServices& services, TMRUManager& recentFiles, TWindowParts window)
    : dialogs_(services.DialogBoxes), printer_(services.Printers), clock_(services.TimeSource), recentFiles_(recentFiles), window_(std::move(window)),
      session_({window_.Grid.Store(), window_.Grid.LookupItems(), recentFiles, services.DialogBoxes, *this,
                {services.TimeSource, services.Formats}, services.ExecutableFolder, WithExportProgress(services.OfficeExport, window_.Window), services.ExecutableFolderWritable,
                services.DocumentsFolder, &window_.Grid.History(), services.TimeZone, services.Accounts}) {
    recentFiles_.OnChange = [this] { RebuildReopenMenu(); };
    recentFiles_.OnClick = [this](const std::string& name, const std::string&, int) { Reopen(name); };
}

void TDocumentCommands::Report(const TDocumentOutcome& outcome) {
    if (outcome.Kind == TDocumentOutcome::Failed) dialogs_.ShowError(outcome.Message);
    // A dialog would wait behind the server's progress: the status bar says it.
    if (outcome.Kind == TDocumentOutcome::Busy) ShowNote(outcome.Message);
}

void TDocumentCommands::New() { Report(session_.New()); }
void TDocumentCommands::Open() { Report(session_.Open()); }
void TDocumentCommands::Reopen(const std::string& fileName) { Report(session_.Reopen(fileName)); }
void TDocumentCommands::Save() { Report(session_.Save()); }
void TDocumentCommands::OpenRemote() { Report(session_.OpenRemote()); }
void TDocumentCommands::Refresh(bool quiet) { Report(session_.Refresh(quiet)); }
void TDocumentCommands::SaveAs() { Report(session_.SaveAs()); }
void TDocumentCommands::Print() { Report(session_.Print()); }
void TDocumentCommands::OpenNamed(const std::string& fileName) { Report(session_.OpenNamed(fileName)); }

void TDocumentCommands::OpenMacro(std::string_view macro, const std::function<void()>& beforeOpen) {
    Report(RunOpenMacro(macro, [&](const std::string& fileName) {
        beforeOpen();
        return session_.OpenFromAnotherInstance(fileName);
    }));
}

bool TDocumentCommands::MayClose() {
    const TDocumentOutcome outcome = session_.CloseQuestion();
    Report(outcome);
    return outcome.GoesOn();
}

void TDocumentCommands::RebuildReopenMenu() {
    QMenu& menu = window_.ReopenMenu;
    menu.clear();
    for (const TRecentMenuItem& item : recentFiles_.MenuItems()) {
        const auto tab = item.Caption.find('\t');
        const QString accel = CellToDisplay(item.Caption.substr(0, tab));
        QString name = CellToDisplay(tab == std::string::npos ? "" : item.Caption.substr(tab + 1));
        name.replace('&', "&&");
        QAction* action = menu.addAction(accel + "  " + name);
        action->setStatusTip(CellToDisplay(item.Hint));
        const int tag = item.Tag;
        QObject::connect(action, &QAction::triggered, &menu, [this, tag] { recentFiles_.Click(tag); });
    }
    menu.setEnabled(recentFiles_.MenuEnabled());
}

// --- the view of the document ---

// Screen readers name the table after the document, as the title does the window.
void TDocumentCommands::TitleChanged(const std::string& title) {
    window_.Window.setWindowTitle(CellToDisplay(title));
    window_.Grid.setAccessibleName(CellToDisplay(session_.DocumentTitle()));
}

void TDocumentCommands::ModifiedChanged(bool modified) {
    window_.ModifiedPanel.setText(modified ? QCoreApplication::translate("TDocumentCommands", "Modified") : "");
    if (window_.ModifiedChanged) window_.ModifiedChanged(modified);
}

void TDocumentCommands::CommitEditor() { window_.Grid.CommitEditor(); }

void TDocumentCommands::SetEditingEnabled(bool enabled) { window_.Grid.SetEditingEnabled(enabled); }

void TDocumentCommands::StartEditing() { window_.Grid.StartEditing(); }

void TDocumentCommands::FileOperationStarted(bool mayStop) {
    waitCursor_.emplace();
    window_.Progress.Start(mayStop);
}

void TDocumentCommands::FileProgress(int percent) { window_.Progress.Step(percent); }

void TDocumentCommands::FileOperationEnded() {
    window_.Progress.Stop();
    waitCursor_.reset();
}

void TDocumentCommands::ChooseExportColumns() {
    TfrmSaveAs chooser(window_.Grid.Store(), [this] { session_.SetModified(true); }, &window_.Window);
    chooser.exec();
}

TTaskListPrint TDocumentCommands::GridPrint(const TBaseGrid& rows) {
    TTaskGrid& grid = window_.Grid;
    return TTaskListPrint(rows, grid.PrintSettings(), grid.Scheme(), grid.Formats(), clock_, session_.ColorPrinting());
}

void TDocumentCommands::PrepareForPrinter(TPrintEngine& engine) const {
    engine.SetDocumentName(DocumentShownName(session_.FileName()));
    engine.SetProgressView(&window_.Progress);
    // The preview shows the sheet the print will come out on.
    if (printer_)
        engine.SetSheetSource([printer = printer_](TPrintOrientation orientation) { return printer->NextSheet(orientation); });
}

void TDocumentCommands::PrintSetup() {
    TTaskListPrint print = GridPrint(window_.Grid.Store());
    PrepareForPrinter(print.Engine());
    TPrintableGrid grid{window_.Grid.PrintSettings(), print.Engine()};
    TGridPrintSettingsDialog dialog(dialogs_, &window_.Window);
    dialog.SetPrintPreview(false);
    dialog.SetGrid(&grid);
    ReportingStepFailures(dialogs_, [&] { dialog.Execute(); });
}

void TDocumentCommands::ChoosePrintColumns(TBaseGrid& rows) {
    TTaskListPrint print = GridPrint(rows);
    TPrintEngine& engine = print.Engine();
    PrepareForPrinter(engine);
    TTaskGrid& grid = window_.Grid;
    engine.SetScreenDpi(grid.logicalDpiX());
    TGridPreviewDialog preview(
        [this, &engine] {
            try {
                ReportingStepFailures(dialogs_,
                                      [&] { PrintOnDesktop(engine, *printer_, dialogs_, session_.PdfFileName()); });
            } catch (const EAbort&) {
                // Stopped while the pages were counted: nothing was printed.
            }
        },
        &window_.Window);
    preview.SetGrid(&engine);
    preview.SetPreviewWidth(600);
    preview.SetPreviewHeight(400);
    preview.PreviewCenter = true;
    preview.SetPrintable(printer_ != nullptr);
    TfrmPrint chooser(rows, [&] { preview.Execute(); }, &window_.Window);
    chooser.exec();
}

TColorScheme TDocumentCommands::ColorScheme() const { return window_.Grid.Scheme(); }

void TDocumentCommands::ShowNote(const std::string& note) { window_.ShowHint(CellToDisplay(note)); }

}  // namespace tkm
