#include "tasks/document_session.h"

#include "base/errors.h"
#include "base/save_record.h"
#include "base/translatable.h"
#include "grid/column_choice_guard.h"
#include "grid/io/csv_writer.h"
#include "platform/calendar_accounts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "settings/mru_manager.h"
#include "tasks/cell_styling.h"
#include "tasks/dialog_folder.h"
#include "tasks/document_name.h"
#include "tasks/remote_list_cache.h"
#include "tasks/task_document.h"

#include <filesystem>
#include <optional>

namespace tkm {

namespace {

std::string DocumentFilter() {
    return TKM_TR("Documents", "Taskmere and iCalendar files (*.tkm *.ics)|*.tkm;*.ics|Taskmere File (*.tkm)|*.tkm|"
                               "iCalendar to-do list (*.ics)|*.ics|All Files (*.*)|*.*");
}
std::string SaveFilter() { return TKM_TR("Documents", "Taskmere files (*.tkm)|*.tkm"); }

const TDocumentOutcome Cancelled{TDocumentOutcome::Cancelled, {}};
// The desktop's events keep coming while a server answers: a command that
// replaces or closes the document would pull the list from under the wait.
TDocumentOutcome Busy() {
    return {TDocumentOutcome::Busy,
            TKM_TR("Documents", "The list is busy with its server; try again when it is done.")};
}

std::string TrimmedBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Holds a flag at a value for as long as it lives, and sets it again however it ends.
class TFlagScope {
public:
    TFlagScope(bool& flag, bool during, bool after) : flag_(flag), after_(after) { flag_ = during; }
    ~TFlagScope() { flag_ = after_; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
    bool after_;
};

// The view shows a file operation from start to end, however it ends.
class TFileOperation {
public:
    TFileOperation(TDocumentView& view, bool mayStop) : view_(view) { view_.FileOperationStarted(mayStop); }
    ~TFileOperation() { view_.FileOperationEnded(); }
    TFileOperation(const TFileOperation&) = delete;
    TFileOperation& operator=(const TFileOperation&) = delete;

private:
    TDocumentView& view_;
};

}  // namespace

TDocumentSession::TDocumentSession(TDocumentParts parts)
    : parts_(std::move(parts)), fileName_(UntitledName) {}

void TDocumentSession::SetModified(bool value) {
    modified_ = value;
    if (!value && parts_.History) parts_.History->MarkSaved();
    parts_.View.ModifiedChanged(value);
}

// --- steps ---

std::string TDocumentSession::DocumentTitle() const {
    if (remote_) return remote_->State().DisplayName;
    return DocumentShownName(fileName_);
}

void TDocumentSession::UpdateTitle() { parts_.View.TitleChanged(DocumentTitle() + " - Taskmere"); }

std::string TDocumentSession::SaveChangesText() const {
    return FillText(TKM_TR("Documents", "Do you want to save the changes you made to %1?"), {DocumentTitle()});
}

TCsvSettings TDocumentSession::ProgressSettings() {
    TCsvSettings settings;
    settings.OnFileProgress = [this](int percent) { parts_.View.FileProgress(percent); };
    return settings;
}

void TDocumentSession::WriteDocument(const std::string& fileName) {
    // A save's writer may be stopped safely, but a user who saves wants it saved.
    const TFileOperation operation(parts_.View, false);
    if (IsCalendarFileName(fileName)) WriteCalendarFile(parts_.Grid, fileName, CalendarSettings(), &calendar_);
    else WriteCsvFile(parts_.Grid, fileName, ProgressSettings());
}

std::string TDocumentSession::PdfFileName() const {
    const std::filesystem::path document(fileName_);
    const bool untitled = document.empty() || fileName_ == UntitledName;
    const std::string name = remote_    ? DocumentTitle() + ".pdf"
                             : untitled ? DocumentShownName(UntitledName) + ".pdf"
                                        : document.filename().replace_extension(".pdf").string();
    return (std::filesystem::path(DialogFolder()) / name).string();
}

std::string TDocumentSession::DialogFolder() const {
    // A list on a server has no folder of its own.
    return ChooseDialogFolder(parts_.ExecutableFolder, parts_.ExecutableFolderWritable, remote_ ? "" : fileName_,
                              parts_.DocumentsFolder);
}

void TDocumentSession::ResetDocument() {
    // A new document has the task table's shape, whatever the last one had.
    TBaseGrid fresh = EmptyTaskDocument();
    ReplaceTaskDocument(parts_.Grid, fresh);
    parts_.Grid.SetCurrentCell(colDescription, 1);
    TaskTable::ResetCurrentEntry(parts_.Grid, parts_.NewEntry);
    parts_.View.StartEditing();
    fileName_ = UntitledName;
    calendar_ = {};
    remote_.reset();
    parts_.LookupItems.Clear();
    if (parts_.History) parts_.History->Clear();
    SetModified(false);
}

TDocumentOutcome TDocumentSession::Load(const std::string& fileName, TLoadKind kind) {
    if (const auto address = TRemoteAddress::Parse(fileName); address && parts_.Accounts) return LoadRemote(*address, kind);
    // The file is read whole before anything changes: a file that cannot be
    // read leaves the table, its name and its changes as they were.
    TBaseGrid document;
    TCalendarOrigin calendar;
    std::optional<std::string> restored;
    std::optional<std::string> failure;
    try {
        failure = StepFailure([&] {
            const TFileOperation operation(parts_.View, true);
            restored = RestoreUnfinishedSave(fileName);
            document = IsCalendarFileName(fileName) ? ReadCalendarDocument(fileName, CalendarSettings(), &calendar)
                                                    : ReadTaskDocument(fileName, ProgressSettings());
            // Letting a long list go takes a good part of a second: the bar stays until it is gone.
            ReplaceTaskDocument(parts_.Grid, document);
        });
    } catch (const EAbort&) {
        return Cancelled;
    }
    if (restored) parts_.DialogBoxes.ShowInformation(TKM_TR("Documents", "Information"), *restored);
    if (failure) return TDocumentOutcome::Failure(*failure);
    fileName_ = fileName;
    calendar_ = std::move(calendar);
    remote_.reset();
    if (kind != TLoadKind::Reopened) parts_.RecentFiles.Add(fileName_);
    UpdateTitle();
    if (kind == TLoadKind::Chosen) parts_.LookupItems.Clear();
    if (parts_.History) parts_.History->Clear();
    // The table is as its file has it, however it was opened; closing it
    // must not ask to save what nobody touched.
    SetModified(false);
    if (kind != TLoadKind::Reopened) {
        parts_.Grid.SetCurrentCell(colDescription, 1);
        parts_.View.StartEditing();
    }
    return {};
}

TDocumentOutcome TDocumentSession::SaveQuestion(const std::string& question, bool cancelledSaveGoesOn) {
    if (talking_) return Busy();
    if (!modified_) return {};
    switch (parts_.DialogBoxes.Confirm(question, TConfirmButtons::YesNoCancel)) {
    case TConfirmAnswer::Yes: {
        TDocumentOutcome saved = Save();
        // A remote save cancelled on its way leaves edits that were never sent.
        if (saved.Kind == TDocumentOutcome::Cancelled && cancelledSaveGoesOn && !remote_) return {};
        return saved;
    }
    case TConfirmAnswer::No: return {};
    default: return Cancelled;
    }
}

// --- commands ---

TDocumentOutcome TDocumentSession::New() {
    if (const TDocumentOutcome answer = SaveQuestion(SaveChangesText(), true); !answer.GoesOn()) return answer;
    ResetDocument();
    return {};
}

TDocumentOutcome TDocumentSession::Open() {
    // Busy leaves the modified flag as it is.
    if (talking_) return Busy();
    const bool wasModified = modified_;
    if (const TDocumentOutcome answer = SaveQuestion(SaveChangesText(), true); !answer.GoesOn()) {
        SetModified(true);
        return answer;
    }
    const auto choice =
        parts_.DialogBoxes.OpenFile({TKM_TR("Documents", "Open"), DocumentFilter(), 1, "", DialogFolder(), ""});
    if (!choice) {
        if (wasModified) SetModified(true);
        return Cancelled;
    }
    return Load(choice->FileName, TLoadKind::Chosen);
}

TDocumentOutcome TDocumentSession::Reopen(const std::string& fileName) {
    // Reopening must not silently drop unsaved changes.
    if (const TDocumentOutcome answer = SaveQuestion(SaveChangesText(), true); !answer.GoesOn()) return answer;
    return Load(fileName, TLoadKind::Reopened);
}

TDocumentOutcome TDocumentSession::OpenNamed(const std::string& fileName) {
    const std::string question =
        FillText(TKM_TR("Documents", "Do you want to save the changes to %1?"), {DocumentTitle()});
    if (const TDocumentOutcome answer = SaveQuestion(question, true); !answer.GoesOn()) return answer;
    return Load(fileName, TLoadKind::Named);
}

TDocumentOutcome TDocumentSession::Save() {
    parts_.View.CommitEditor();
    if (remote_) return SaveRemote();
    const TFlagScope tracking(editTracking_, false, true);
    const bool untitled = TrimmedBlanks(DocumentBaseName(fileName_)) == UntitledName;
    std::string target = fileName_;
    if (untitled) {
        // The dialog adds the type's extension itself, so its overwrite
        // question sees the name that is written.
        const auto choice = parts_.DialogBoxes.SaveFile(
            {TKM_TR("Documents", "Save"), SaveFilter(), 1, "tkm", DialogFolder(), DocumentShownName(UntitledName)});
        if (!choice) {
            SetModified(true);
            return Cancelled;
        }
        target = choice->FileName;
    }
    // A failed write keeps the modified flag as it was.
    if (const auto failure = StepFailure([&] { WriteDocument(target); }))
        return TDocumentOutcome::Failure(*failure);
    if (untitled) {
        fileName_ = target;
        UpdateTitle();
        parts_.RecentFiles.Add(fileName_);
    }
    SetModified(false);
    return {};
}

void TDocumentSession::Restore(const std::string& fileName, TBaseGrid& document) {
    ReplaceTaskDocument(parts_.Grid, document);
    fileName_ = fileName;
    // The calendar on disk still holds what the table does not show; when it
    // cannot be read any more, Save writes the entries alone.
    calendar_ = {};
    remote_.reset();
    if (IsCalendarFileName(fileName))
        (void)StepFailure([&] { ReadCalendarDocument(fileName, CalendarSettings(), &calendar_); });
    // A remote list's last known state is in its cache; the next save sends
    // the kept changes against it.
    if (const auto address = TRemoteAddress::Parse(fileName); address && parts_.Accounts) {
        std::optional<TRemoteListState> cached;
        (void)StepFailure([&] { cached = ReadRemoteListCache(RemoteListCacheFile(address->User, address->Url), CalendarSettings()); });
        if (cached) {
            remote_.emplace(std::move(*cached), CalendarSettings());
            remoteUser_ = address->User;
        }
    }
    UpdateTitle();
    SetModified(true);
    parts_.Grid.SetCurrentCell(colDescription, 1);
    parts_.View.StartEditing();
}

TExportSources TDocumentSession::ExportSources(const TBaseGrid& grid) {
    TExportSources sources;
    sources.Html.Settings.SaveColor = saveColor_;
    sources.Html.Settings.Scheme = parts_.View.ColorScheme();
    sources.Html.Colors = ScreenColorsForExport(
        grid, {.Today = parts_.NewEntry.TimeSource.Today(), .Formats = parts_.NewEntry.Formats});
    sources.Csv = ProgressSettings();
    sources.Html.OnFileProgress = sources.Csv.OnFileProgress;
    sources.Office = parts_.OfficeExport;
    sources.Calendar = [this](const TBaseGrid& grid, const std::string& fileName) {
        WriteCalendarFile(grid, fileName, CalendarSettings());
    };
    return sources;
}

TDocumentOutcome TDocumentSession::OfferLargerType(const ERowLimitError& limit, const std::string& fileName) {
    const TExportFormat& larger = limit.Larger();
    const std::string question = FillText(TKM_TR("Documents", "%1 Would you like to save it as %2 instead?"),
                                          {limit.what(), DescriptionText(larger)});
    if (parts_.DialogBoxes.Confirm(question, TConfirmButtons::YesNo) != TConfirmAnswer::Yes) return Cancelled;
    // Through the dialog again, so that replacing a file of the new name is asked about.
    const auto choice =
        parts_.DialogBoxes.SaveFile({TKM_TR("Documents", "Save As..."), ExportFilter(), ExportFilterIndex(larger),
                                     larger.Extension, DialogFolder(), WithExtension(fileName, larger.Extension)});
    if (!choice) return Cancelled;
    const TExportFormat* format = ExportFormatAt(choice->FilterIndex);
    return Export(choice->FileName, format ? *format : larger);
}

TDocumentOutcome TDocumentSession::Export(const std::string& fileName, const TExportFormat& format) {
    // Taken after the column chooser, so that its choice holds for the copy too.
    std::optional<TBaseGrid> shown;
    if (exportShownOnly_) shown.emplace(parts_.Grid.ShownRowsCopy());
    const TBaseGrid& grid = shown ? *shown : parts_.Grid;
    try {
        CheckRowLimit(grid, format);
    } catch (const ERowLimitError& limit) {
        return OfferLargerType(limit, fileName);
    }
    std::optional<std::string> failure;
    try {
        failure = StepFailure([&] {
            // The office server's export shows its own progress, with a Cancel.
            std::optional<TFileOperation> operation;
            if (format.Writer != TExportWriter::Office) operation.emplace(parts_.View, true);
            ExportGrid(grid, format, ExportSources(grid), fileName);
        });
    } catch (const EAbort&) {
        return Cancelled;
    }
    return failure ? TDocumentOutcome::Failure(*failure) : TDocumentOutcome{};
}

TDocumentOutcome TDocumentSession::ChooseAndExport() {
    if (const auto failure = StepFailure([&] { parts_.View.ChooseExportColumns(); }))
        return TDocumentOutcome::Failure(*failure);
    // The chooser's OK marks the document modified: on a document with unsaved
    // changes the save dialog comes even after its Cancel.
    if (!modified_) return Cancelled;
    const auto choice = parts_.DialogBoxes.SaveFile(
        {TKM_TR("Documents", "Save As..."), ExportFilter(), saveAsFilterIndex_, "txt", DialogFolder(), ""});
    if (!choice) return Cancelled;
    saveAsFilterIndex_ = choice->FilterIndex;
    // An index the dialog cannot give writes text, as "All files" does.
    const TExportFormat* chosen = ExportFormatAt(choice->FilterIndex);
    const TExportFormat& format = chosen ? *chosen : ExportFormats().front();
    if (format.Writer == TExportWriter::Html) {
        switch (parts_.DialogBoxes.Confirm(TKM_TR("Documents", "Would you like to save the colors as well?"),
                                           TConfirmButtons::YesNo)) {
        case TConfirmAnswer::Yes: colorPrinting_ = saveColor_ = true; break;
        case TConfirmAnswer::No: colorPrinting_ = saveColor_ = false; break;
        default: break;  // closed without an answer: both stay
        }
    }
    return Export(choice->FileName, format);
}

std::optional<bool> TDocumentSession::AskShownOnly(const std::string& question) {
    if (!parts_.Grid.RowsFiltered()) return false;
    const int fixed = std::min(parts_.Grid.FixedRows(), parts_.Grid.RowCount());
    const int shown = parts_.Grid.ShownRowCount() - fixed;
    const int all = parts_.Grid.RowCount() - fixed;
    const auto entries = [](int n) {
        return n == 1 ? TKM_TR("Documents", "1 entry")
                      : FillText(TKM_TR("Documents", "%1 entries"), {std::to_string(n)});
    };
    const std::string asked = FillText(question, {entries(shown), entries(all)});
    switch (parts_.DialogBoxes.Confirm(asked, TConfirmButtons::YesNoCancel)) {
    case TConfirmAnswer::Yes: return true;
    case TConfirmAnswer::No: return false;
    default: return std::nullopt;
    }
}

TDocumentOutcome TDocumentSession::SaveAs() {
    parts_.View.CommitEditor();
    const std::optional<bool> shownOnly = AskShownOnly(TKM_TR("Documents", "Save the %1 shown? No saves all %2."));
    if (!shownOnly) return Cancelled;
    const TFlagScope shown(exportShownOnly_, *shownOnly, false);
    colorPrinting_ = true;
    TDocumentOutcome outcome;
    {
        const TColumnChoiceGuard columns(parts_.Grid, [this](bool enabled) { parts_.View.SetEditingEnabled(enabled); });
        outcome = ChooseAndExport();
    }
    editTracking_ = true;
    SetModified(true);
    return outcome;
}

TDocumentOutcome TDocumentSession::Print() {
    parts_.View.CommitEditor();
    const std::optional<bool> shownOnly = AskShownOnly(TKM_TR("Documents", "Print the %1 shown? No prints all %2."));
    if (!shownOnly) return Cancelled;
    switch (parts_.DialogBoxes.Confirm(TKM_TR("Documents", "Would you like to print the colors as well?"),
                                       TConfirmButtons::YesNo)) {
    case TConfirmAnswer::Yes: colorPrinting_ = true; break;
    case TConfirmAnswer::No: colorPrinting_ = false; break;
    default: break;  // closed without an answer: the switch stays
    }
    const TFlagScope tracking(editTracking_, false, true);
    const TColumnChoiceGuard columns(parts_.Grid, [this](bool enabled) { parts_.View.SetEditingEnabled(enabled); });
    const auto failure = StepFailure([&] {
        if (!*shownOnly) return parts_.View.ChoosePrintColumns(parts_.Grid);
        TBaseGrid shown = parts_.Grid.ShownRowsCopy();
        parts_.View.ChoosePrintColumns(shown);
    });
    return failure ? TDocumentOutcome::Failure(*failure) : TDocumentOutcome{};
}

TDocumentOutcome TDocumentSession::CloseQuestion() {
    // Text still in the cell editor is a change too.
    parts_.View.CommitEditor();
    // Closing after a cancelled save dialog would lose the work: the window stays.
    return SaveQuestion(SaveChangesText(), false);
}

// --- lists on a server ---

namespace {

std::string Unreachable() {
    return TKM_TR("Documents",
                  "The server cannot be reached; your changes are kept and will be sent at the next Save.");
}

std::string ConflictNote(int conflicts) {
    return conflicts == 1 ? TKM_TR("Documents", "1 conflict: both versions of the entry are kept")
                          : FillText(TKM_TR("Documents", "%1 conflicts: both versions of the entries are kept"),
                                     {std::to_string(conflicts)});
}

}  // namespace

template <typename TStep>
TDocumentOutcome TDocumentSession::WithServer(const TRemoteAddress& address, TStep step) {
    // A timer's refresh must not start inside a save.
    if (talking_) return Busy();
    const TFlagScope talking(talking_, true, false);
    struct TDisconnect {
        CalendarAccounts& Accounts;
        ~TDisconnect() { Accounts.Disconnect(); }
    } disconnect{*parts_.Accounts};
    CalendarServer* server = parts_.Accounts->Connect(address, false);
    for (;;) {
        if (!server) return Cancelled;
        try {
            // The server's own progress window has the Cancel.
            const TFileOperation operation(parts_.View, false);
            return step(*server);
        } catch (const ECalendarServerError& e) {
            if (e.Kind() != ECalendarServerError::TKind::Unauthorized) throw;
            server = parts_.Accounts->Connect(address, true);
        } catch (const EAbort&) {
            return Cancelled;
        }
    }
}

void TDocumentSession::KeepRemoteCache() {
    if (const auto failure = StepFailure([&] {
            WriteRemoteListCache(RemoteListCacheFile(remoteUser_, remote_->State().CollectionUrl), remote_->State());
        }))
        parts_.View.ShowNote(*failure);
}

void TDocumentSession::ShowRemoteRows(const TSyncResult& result) {
    if (!result.RowsChanged) {
        // The rows stay; the ones just sent are named now.
        SetEntryRowKeys(parts_.Grid, result.RowKeys);
        return;
    }
    TBaseGrid document = TaskTableOf(result.Rows, result.RowKeys);
    const int row = parts_.Grid.Row(), col = parts_.Grid.Col();
    ReplaceTaskDocument(parts_.Grid, document);
    parts_.Grid.SetCurrentCell(col, std::min(std::max(row, 1), parts_.Grid.RowCount() - 1));
    // The steps to undo were taken on rows that are no longer there.
    if (parts_.History) parts_.History->Clear();
}

TDocumentOutcome TDocumentSession::OpenRemote() {
    if (!parts_.Accounts) return Cancelled;
    if (const TDocumentOutcome answer = SaveQuestion(SaveChangesText(), true); !answer.GoesOn()) return answer;
    const std::optional<TRemoteAddress> choice = parts_.Accounts->ChooseList();
    if (!choice) return Cancelled;
    return LoadRemote(*choice, TLoadKind::Chosen);
}

TDocumentOutcome TDocumentSession::LoadRemote(const TRemoteAddress& address, TLoadKind kind) {
    std::optional<TRemoteListState> cached;
    const std::string cacheFile = RemoteListCacheFile(address.User, address.Url);
    (void)StepFailure([&] { cached = ReadRemoteListCache(cacheFile, CalendarSettings()); });
    std::optional<TRemoteList> list;
    std::vector<TEntryCells> rows;
    std::vector<TRowKey> keys;
    bool offline = false;
    TDocumentOutcome outcome;
    try {
        outcome = WithServer(address, [&](CalendarServer& server) {
            TRemoteListState state = cached ? *cached : TRemoteListState{address.Url, {}, {}, {}};
            if (state.DisplayName.empty()) state.DisplayName = server.DisplayName(address.Url);
            list.emplace(std::move(state), CalendarSettings());
            rows = list->KnownRows();
            keys = list->KnownRowKeys();
            if (TSyncResult result = list->Refresh(server, rows, keys); result.RowsChanged) {
                rows = std::move(result.Rows);
                keys = std::move(result.RowKeys);
            }
            return TDocumentOutcome{};
        });
    } catch (const ECalendarServerError& e) {
        // Without a network the list opens as it was last seen.
        if (e.Kind() != ECalendarServerError::TKind::Unreachable || !cached) return TDocumentOutcome::Failure(e.what());
        list.emplace(std::move(*cached), CalendarSettings());
        rows = list->KnownRows();
        keys = list->KnownRowKeys();
        offline = true;
    }
    if (!outcome.GoesOn()) return outcome;
    TBaseGrid document = TaskTableOf(rows, keys);
    ReplaceTaskDocument(parts_.Grid, document);
    if (rows.empty()) {
        // An empty list starts as a new document does: one new entry to type into.
        parts_.Grid.SetCurrentCell(colDescription, 1);
        TaskTable::ResetCurrentEntry(parts_.Grid, parts_.NewEntry);
    }
    fileName_ = address.Name();
    calendar_ = {};
    remote_ = std::move(list);
    remoteUser_ = address.User;
    KeepRemoteCache();
    if (kind != TLoadKind::Reopened) parts_.RecentFiles.Add(fileName_);
    UpdateTitle();
    if (kind == TLoadKind::Chosen) parts_.LookupItems.Clear();
    if (parts_.History) parts_.History->Clear();
    SetModified(false);
    if (offline)
        parts_.View.ShowNote(
            TKM_TR("Documents", "The server cannot be reached; the list is shown as it was last seen."));
    if (kind != TLoadKind::Reopened) {
        parts_.Grid.SetCurrentCell(colDescription, 1);
        parts_.View.StartEditing();
    }
    return {};
}

TDocumentOutcome TDocumentSession::SaveRemote() {
    const TFlagScope tracking(editTracking_, false, true);
    const auto address = TRemoteAddress::Parse(fileName_);
    if (!address) return TDocumentOutcome::Failure(FillText(TKM_TR("Documents", "Cannot save %1"), {fileName_}));
    const std::vector<TEntryCells> rows = EntryRowsOf(parts_.Grid);
    const std::vector<TRowKey> keys = EntryRowKeysOf(parts_.Grid);
    try {
        return WithServer(*address, [&](CalendarServer& server) {
            const TSyncResult result = remote_->Save(server, rows, keys);
            KeepRemoteCache();
            ShowRemoteRows(result);
            if (result.Conflicts) parts_.View.ShowNote(ConflictNote(result.Conflicts));
            if (result.Failure) {
                SetModified(true);
                if (result.Failure->Kind() == ECalendarServerError::TKind::Unreachable)
                    return TDocumentOutcome::Failure(Unreachable());
                return TDocumentOutcome::Failure(result.Failure->what());
            }
            if (result.Cancelled) {
                SetModified(true);
                return Cancelled;
            }
            SetModified(!result.Complete);
            if (!result.Complete)
                return TDocumentOutcome::Failure(
                    TKM_TR("Documents", "Other clients kept changing the list; the rest is sent at the next Save."));
            return TDocumentOutcome{};
        });
    } catch (const ECalendarServerError& e) {
        SetModified(true);
        if (e.Kind() == ECalendarServerError::TKind::Unreachable) return TDocumentOutcome::Failure(Unreachable());
        return TDocumentOutcome::Failure(e.what());
    }
}

TDocumentOutcome TDocumentSession::Refresh(bool quiet) {
    if (!remote_) return Cancelled;
    parts_.View.CommitEditor();
    const auto address = TRemoteAddress::Parse(fileName_);
    if (!address) return Cancelled;
    const bool wasModified = modified_;
    try {
        const TDocumentOutcome outcome = WithServer(*address, [&](CalendarServer& server) {
            const std::string token = remote_->State().SyncToken;
            const TSyncResult result = remote_->Refresh(server, EntryRowsOf(parts_.Grid), EntryRowKeysOf(parts_.Grid));
            // Nothing new is the usual answer: the cache of a long list stays as it is.
            if (result.RowsChanged || remote_->State().SyncToken != token) KeepRemoteCache();
            ShowRemoteRows(result);
            if (result.Conflicts) parts_.View.ShowNote(ConflictNote(result.Conflicts));
            return TDocumentOutcome{};
        });
        // Unsent edits are still unsent, and other clients' changes are no edits.
        SetModified(wasModified);
        return outcome;
    } catch (const ECalendarServerError& e) {
        return quiet ? Cancelled : TDocumentOutcome::Failure(e.what());
    }
}

}  // namespace tkm
