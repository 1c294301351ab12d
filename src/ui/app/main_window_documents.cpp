// The document commands of the main window: New, Open, Reopen, Save, Save As,
// documents named on the command line, and the close question.
#include "ui/app/main_window.h"

#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"
#include "base/errors.h"
#include "platform/dialogs.h"
#include "ui/app/command_table.h"
#include "tasks/document_name.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/task_grid.h"
#include "ui/wait_cursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>

#include <exception>

namespace tkm {

namespace {

// A cancelled dialog or question: the command and its callers stop silently.
struct EAbort {};

constexpr const char* DocumentFilter = "Taskmere File (*.tkm)|*.tkm|All Files (*.*)|*.*";
constexpr const char* SaveFilter = "Taskmere files (*.tkm)|*.tkm";
constexpr const char* SaveAsFilter =
    "Text document (*.txt)|*.txt|Web Document (*.htm)|*.htm|"
    "CSV (Comma delimited) (*.csv)|*.csv|"
    "Microsoft Word (*.doc)|*.doc|Microsoft Excel (*.xls)|*.xls|All files (*.*)|*.*";
constexpr int SaveAsCsvIndex = 3;
constexpr const char* SaveAsTypeNames[] = {"Text document", "Web Document", "CSV (Comma delimited)",
                                           "Microsoft Word", "Microsoft Excel", "All files"};

std::string ErrorText(const std::exception& e) {
    if (const auto* file = dynamic_cast<const EGridFileError*>(&e)) return file->FullMessage();
    return e.what();
}

// Runs Save and hands back how it ended early, if it did.
template <typename SaveFn>
std::exception_ptr TrySave(SaveFn&& save) {
    try {
        save();
        return nullptr;
    } catch (...) {
        return std::current_exception();
    }
}

bool IsAbort(const std::exception_ptr& early) {
    if (!early) return false;
    try {
        std::rethrow_exception(early);
    } catch (const EAbort&) {
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

template <typename Steps>
void TfrmMain::RunCommand(Steps&& steps) {
    try {
        steps();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        services_.DialogBoxes.ShowError(ErrorText(e));
    }
}

// --- internal steps ---

void TfrmMain::UpdateTitle() {
    setWindowTitle(CellToDisplay(DocumentBaseName(documentFileName_)) + " - Taskmere");
}

void TfrmMain::AttachCellObjects() {
    TBaseGrid& grid = stgMain_->Store();
    try {
        for (int row = 1; row < grid.RowCount(); ++row) TaskTable::AttachCellObjects(grid, row);
    } catch (const std::exception&) {
        // The loop ends where it failed.
    }
}

void TfrmMain::ResetDocument() {
    stgMain_->Store().SetRowCount(2);
    ResetCurrentEntry();
    documentFileName_ = std::string(UntitledName);
    stgMain_->LookupItems().Clear();
    SetModified(false);
}

void TfrmMain::ShowFileProgress(int percent) {
    ShowHint(QString("%1%").arg(percent));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TCsvSettings TfrmMain::ProgressReportingSettings() {
    TCsvSettings settings;
    settings.OnFileProgress = [this](int percent) { ShowFileProgress(percent); };
    return settings;
}

void TfrmMain::WriteDocumentFile(const std::string& fileName) {
    const TWaitCursor wait;
    WriteCsvFile(stgMain_->Store(), fileName, ProgressReportingSettings());
    ShowHint("");
}

void TfrmMain::ReadDocumentFile(const std::string& fileName) {
    const TWaitCursor wait;
    TBaseGrid& grid = stgMain_->Store();
    LoadCsvDocument(grid, fileName, ProgressReportingSettings());
    // The table always keeps its header and at least one entry.
    if (grid.RowCount() < 2) grid.SetRowCount(2);
    if (grid.CellView(colNo, 0).empty()) TaskTable::WriteHeaders(grid);
    ShowHint("");
}

void TfrmMain::LoadChosenFile(const std::string& fileName) {
    ReadDocumentFile(fileName);
    documentFileName_ = fileName;
    mruMain_.Add(fileName);
    AttachCellObjects();
    UpdateTitle();
    stgMain_->LookupItems().Clear();
    SetModified(false);
    stgMain_->Store().SetCurrentCell(colDescription, 1);
    stgMain_->StartEditing();
}

void TfrmMain::OpenNamedDocument(const std::string& fileName, bool focusGrid) {
    ReadDocumentFile(fileName);
    documentFileName_ = fileName;
    mruMain_.Add(fileName);
    UpdateTitle();
    SetModified(false);
    AttachCellObjects();
    if (focusGrid) stgMain_->setFocus();
    stgMain_->Store().SetCurrentCell(colDescription, 1);
    stgMain_->StartEditing();
}

std::string TfrmMain::SaveChangesQuestion() const {
    return "Do you want to save the changes you made to " + DocumentBaseName(documentFileName_) + "?";
}

bool TfrmMain::SaveQuestionAllowsGoingOn(const std::string& text) {
    switch (services_.DialogBoxes.Confirm(text, TConfirmButtons::YesNoCancel)) {
    case TConfirmAnswer::Yes: {
        const std::exception_ptr early = TrySave([this] { Save(); });
        // A cancelled save dialog lets the command go on; a failed write never
        // lets the unsaved document be replaced.
        if (early && !IsAbort(early)) std::rethrow_exception(early);
        return true;
    }
    case TConfirmAnswer::No: return true;
    default: return false;
    }
}

void TfrmMain::Save() {
    editTracking_ = false;
    try {
        const std::string base = DocumentBaseName(documentFileName_);
        const auto first = base.find_first_not_of(' ');
        const std::string trimmed =
            first == std::string::npos ? "" : base.substr(first, base.find_last_not_of(' ') - first + 1);
        stgMain_->CommitEditor();
        if (trimmed != UntitledName) {
            WriteDocumentFile(documentFileName_);
        } else {
            TFileDialogRequest request{"Save", SaveFilter, 1, "tkm", services_.ExecutableFolder, "Untitled"};
            const auto choice = services_.DialogBoxes.SaveFile(request);
            if (!choice) {
                SetModified(true);
                editTracking_ = true;
                throw EAbort{};
            }
            const std::string name = WithTypeExtension(choice->FileName, SaveFilter, choice->FilterIndex, "tkm");
            WriteDocumentFile(name);
            documentFileName_ = name;
            UpdateTitle();
            mruMain_.Add(documentFileName_);
        }
    } catch (...) {
        editTracking_ = true;
        throw;
    }
    SetModified(false);
    editTracking_ = true;
}

void TfrmMain::ExportAs(const std::string& fileName, int filterIndex) {
    if (filterIndex == SaveAsCsvIndex) {
        WriteDocumentFile(fileName);
        return;
    }
    const int type = std::clamp(filterIndex, 1, 6) - 1;
    throw std::runtime_error("Cannot save \"" + fileName + "\": saving as " + SaveAsTypeNames[type] +
                             " is not available yet; choose CSV (Comma delimited).");
}

// --- commands ---

void TfrmMain::aclNewFileExecute() {
    RunCommand([this] {
        if (!modified_) {
            ResetDocument();
            return;
        }
        if (!SaveQuestionAllowsGoingOn(SaveChangesQuestion()))
            throw EAbort{};
        ResetDocument();
    });
}

void TfrmMain::aclOpenExecute() {
    RunCommand([this] {
        const bool wasModified = modified_;
        if (wasModified && !SaveQuestionAllowsGoingOn(SaveChangesQuestion())) {
            SetModified(true);
            throw EAbort{};
        }
        const auto choice = services_.DialogBoxes.OpenFile(
            {"", DocumentFilter, 1, "", services_.ExecutableFolder, ""});
        if (!choice) {
            if (wasModified) SetModified(true);
            throw EAbort{};
        }
        LoadChosenFile(choice->FileName);
    });
}

void TfrmMain::mruMainClick(const std::string& recentName) {
    RunCommand([&] {
        // Reopening must not silently drop unsaved changes.
        if (modified_ && !SaveQuestionAllowsGoingOn(SaveChangesQuestion()))
            throw EAbort{};
        ReadDocumentFile(recentName);
        documentFileName_ = recentName;
        UpdateTitle();
        AttachCellObjects();
    });
}

void TfrmMain::aclFileSaveExecute() {
    RunCommand([this] { Save(); });
}

void TfrmMain::aclSaveAsExecute() {
    RunCommand([this] {
        colorPrinting_ = true;
        stgMain_->SetEditingEnabled(false);
        // Put the columns and editing back however the export ends.
        struct TRestore {
            TfrmMain* Window;
            ~TRestore() {
                TBaseGrid& grid = Window->stgMain_->Store();
                for (int col = 0; col < TaskColumnCount; ++col) grid.UnhideColumn(col);
                Window->stgMain_->SetEditingEnabled(true);
                Window->editTracking_ = true;
                Window->SetModified(true);
            }
        } restore{this};
        // Until the column chooser exists every column is exported, as after its OK.
        SetModified(true);
        const TFileDialogRequest request{"Save As...", SaveAsFilter, saveFilterIndex_,
                                         saveDefaultExt_.empty() ? "txt" : saveDefaultExt_,
                                         services_.ExecutableFolder, saveFileName_};
        const auto choice = services_.DialogBoxes.SaveFile(request);
        if (!choice) return;
        saveFilterIndex_ = choice->FilterIndex;
        ExportAs(WithTypeExtension(choice->FileName, SaveAsFilter, choice->FilterIndex, "txt"),
                 choice->FilterIndex);
        saveDefaultExt_ = "txt";
        saveFileName_.clear();
    });
}

void TfrmMain::OpenDocument(const std::string& fileName) {
    RunCommand([&] {
        if (!modified_) {
            OpenNamedDocument(fileName, false);
            return;
        }
        const std::string question = "Do you want to save the changes to " + DocumentBaseName(documentFileName_) + "?";
        switch (services_.DialogBoxes.Confirm(question, TConfirmButtons::YesNoCancel)) {
        case TConfirmAnswer::Yes: {
            const std::exception_ptr early = TrySave([this] { Save(); });
            if (early && !IsAbort(early)) std::rethrow_exception(early);
            OpenNamedDocument(fileName, false);
            break;
        }
        case TConfirmAnswer::No: OpenNamedDocument(fileName, true); break;
        default: throw EAbort{};
        }
    });
}

// --- the reopen list and the INI file ---

void TfrmMain::RebuildReopenMenu() {
    QMenu* mnuReopen = commands_->Menu("mnuReopen");
    mnuReopen->clear();
    for (const TRecentMenuItem& item : mruMain_.MenuItems()) {
        const auto tab = item.Caption.find('\t');
        const QString accel = CellToDisplay(item.Caption.substr(0, tab));
        QString name = CellToDisplay(tab == std::string::npos ? "" : item.Caption.substr(tab + 1));
        name.replace('&', "&&");
        QAction* action = mnuReopen->addAction(accel + "  " + name);
        action->setStatusTip(CellToDisplay(item.Hint));
        const int tag = item.Tag;
        connect(action, &QAction::triggered, this, [this, tag] { mruMain_.Click(tag); });
    }
    mnuReopen->setEnabled(mruMain_.MenuEnabled());
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    RunCommand([this] { frmstgMain_.Restore(); });
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (modified_) {
        switch (services_.DialogBoxes.Confirm(SaveChangesQuestion(), TConfirmButtons::YesNoCancel)) {
        case TConfirmAnswer::Yes:
            try {
                Save();
            } catch (const EAbort&) {
            } catch (const std::exception& e) {
                // The changes are not on disk: keep the window and the work.
                services_.DialogBoxes.ShowError(ErrorText(e));
                event->ignore();
                return;
            }
            break;
        case TConfirmAnswer::No: break;
        default: event->ignore(); return;
        }
    }
    RunCommand([this] { frmstgMain_.Save(); });
    event->accept();
}

}  // namespace tkm
