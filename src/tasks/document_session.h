#pragma once

#include "grid/base_grid.h"
#include "grid/color_scheme.h"
#include "grid/io/csv_settings.h"
#include "grid/io/export_formats.h"
#include "grid/lookup_list.h"
#include "grid/undo_history.h"
#include "tasks/calendar_document.h"
#include "tasks/remote_list.h"
#include "tasks/task_table.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tkm {

class CalendarAccounts;
class Dialogs;
class TMRUManager;
struct TRemoteAddress;

// How a document command ended. Cancelled is silent; Failed carries the
// message for the error box.
struct TDocumentOutcome {
    // Busy: the document is waiting for its server; the command did nothing.
    enum TKind { Done, Cancelled, Failed, Busy };
    TKind Kind = Done;
    std::string Message;

    static TDocumentOutcome Failure(std::string message) { return {Failed, std::move(message)}; }
    bool GoesOn() const { return Kind == Done; }
};

// What the session asks of the window that shows the document.
class TDocumentView {
public:
    virtual ~TDocumentView() = default;
    // The caption: the document's base name and " - Taskmere".
    virtual void TitleChanged(const std::string& title) = 0;
    virtual void ModifiedChanged(bool modified) = 0;
    // Writes the text an open cell editor holds into the table.
    virtual void CommitEditor() = 0;
    virtual void SetEditingEnabled(bool enabled) = 0;
    // Opens the cell editor on the current cell once the queued events are done.
    virtual void StartEditing() = 0;
    // A file is being read or written: started, whole percentages, ended.
    // `mayStop`: FileProgress may end the operation with EAbort, which leaves
    // nothing half done (a read that has not touched the table, a write that
    // has not replaced the file).
    virtual void FileOperationStarted(bool mayStop) = 0;
    virtual void FileProgress(int percent) = 0;
    virtual void FileOperationEnded() = 0;
    // Shows the Save As column chooser: its OK hides the columns left out and
    // marks the document modified; its Cancel changes nothing.
    virtual void ChooseExportColumns() = 0;
    // Shows the Print column chooser for `grid` (the document, or a copy of the
    // entries a filter shows), whose OK opens the preview; the columns left out
    // stay hidden only while it is open.
    virtual void ChoosePrintColumns(TBaseGrid& grid) = 0;
    // The desktop's colours, for the system colours of a web page.
    virtual TColorScheme ColorScheme() const = 0;
    // A short note for the status bar: what a save or refresh of a remote
    // list did beyond the plain.
    virtual void ShowNote(const std::string&) {}
};

struct TDocumentParts {
    TBaseGrid& Grid;
    TLookupList& LookupItems;
    TMRUManager& RecentFiles;
    Dialogs& DialogBoxes;
    TDocumentView& View;
    TaskTable::TNewEntryContext NewEntry;
    std::string ExecutableFolder;  // where the file dialogs start while it can be written
    TOfficeExport OfficeExport = {};  // none: the office types say there is no server
    bool ExecutableFolderWritable = true;
    std::string DocumentsFolder = {};  // where they start otherwise, for an untitled document
    TUndoHistory* History = nullptr;  // forgotten with the document it belongs to
    std::string TimeZone = {};  // the desktop's, for iCalendar files; empty: floating times
    CalendarAccounts* Accounts = nullptr;  // none: no lists on servers
};

// The one document of the window: its file name and flags, New, Open,
// Reopen, Save, Save As, documents opened by name, and the question asked
// before unsaved changes could be lost.
class TDocumentSession {
public:
    explicit TDocumentSession(TDocumentParts parts);

    const std::string& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }
    void SetModified(bool value);
    // Off while Save runs: the edit-start side effects stay quiet.
    bool EditTracking() const { return editTracking_; }
    bool ColorPrinting() const { return colorPrinting_; }
    // What printing without a printer offers to save the pages as: the
    // document's name as a PDF file, where the other file dialogs start.
    std::string PdfFileName() const;
    // The name the caption and the questions give the document.
    std::string DocumentTitle() const;
    // Tells the view the caption again.
    void UpdateTitle();

    TDocumentOutcome New();
    TDocumentOutcome Open();
    TDocumentOutcome Reopen(const std::string& fileName);
    // A document named on the command line.
    TDocumentOutcome OpenNamed(const std::string& fileName);
    // A document another start of the program hands over: as on the command line.
    TDocumentOutcome OpenFromAnotherInstance(const std::string& fileName) { return OpenNamed(fileName); }
    TDocumentOutcome Save();
    // File > Open Remote List...: a list on a CalDAV server.
    TDocumentOutcome OpenRemote();
    bool IsRemote() const { return remote_.has_value(); }
    // Brings other clients' changes into a remote list; `quiet` (the timer)
    // keeps failures to itself.
    TDocumentOutcome Refresh(bool quiet = false);
    // Unsaved changes kept from a run that ended without closing: they take the
    // table's place under their document's name, still to be saved.
    void Restore(const std::string& fileName, TBaseGrid& document);
    // Exports the table; the document, its name and its title stay.
    TDocumentOutcome SaveAs();
    // Asks whether to print in colour, then lets the user choose the columns
    // and preview and print them. Editing and edit tracking are on afterwards,
    // and every column shown, however it ended.
    TDocumentOutcome Print();
    // Done: the window may close.
    TDocumentOutcome CloseQuestion();

private:
    enum class TLoadKind { Chosen, Named, Reopened };

    std::string SaveChangesText() const;
    // Asked only while the document is modified. Done when the command may go
    // on: no changes, No, or Yes and a completed Save. A failed write always
    // stops it; a cancelled save dialog only where asked to.
    TDocumentOutcome SaveQuestion(const std::string& question, bool cancelledSaveGoesOn);
    TDocumentOutcome Load(const std::string& fileName, TLoadKind kind);
    TDocumentOutcome LoadRemote(const TRemoteAddress& address, TLoadKind kind);
    TDocumentOutcome SaveRemote();
    // Runs a step against the list's server, asking for the password again
    // when the server refuses it.
    template <typename TStep>
    TDocumentOutcome WithServer(const TRemoteAddress& address, TStep step);
    void ShowRemoteRows(const TSyncResult& result);
    void KeepRemoteCache();
    void WriteDocument(const std::string& fileName);
    TDocumentOutcome ChooseAndExport();
    TDocumentOutcome Export(const std::string& fileName, const TExportFormat& format);
    // The list is too long for the type: offers the type that holds it.
    TDocumentOutcome OfferLargerType(const ERowLimitError& limit, const std::string& fileName);
    TExportSources ExportSources(const TBaseGrid& grid);
    // While a filter hides entries: whether the command is for the shown ones
    // ("Print the 12 entries shown?", %1 the entries shown and %2 all of
    // them); nothing when it is cancelled.
    std::optional<bool> AskShownOnly(const std::string& question);
    TCsvSettings ProgressSettings();
    TCalendarSettings CalendarSettings() const { return {parts_.NewEntry.Formats, parts_.TimeZone}; }
    void ResetDocument();
    std::string DialogFolder() const;

    TDocumentParts parts_;
    std::string fileName_;
    // What an opened iCalendar file holds beyond the cells; empty for the others.
    TCalendarOrigin calendar_;
    // The list on a server the document is, with its account; none for files.
    std::optional<TRemoteList> remote_;
    std::string remoteUser_;
    bool talking_ = false;  // a step against the server is under way
    bool modified_ = false;
    bool editTracking_ = true;
    bool colorPrinting_ = true;
    bool exportShownOnly_ = false;
    int saveAsFilterIndex_ = 1;
    bool saveColor_ = true;  // the last answer to the colour question
};

}  // namespace tkm
