#include "tasks/document_session.h"

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/translatable.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "settings/mru_manager.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"
#include "tasks/task_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace tkm {
namespace {

using test::ReadBytes;
using test::TTempFolder;
using test::WriteBytes;

const std::string Header =
    "No,Entry Date,Status,Task Description,Priority,Due Date,Due Time,Resources,Total Hours,Cost,Progress,"
    "Completion Date,Completion Time,Comment\r\n";

class TRecordingView final : public TDocumentView {
public:
    std::vector<std::string> Titles;
    std::vector<bool> EditingSwitches;
    int EditStarts = 0;
    int OpenOperations = 0;
    // What committing the cell editor writes, as the grid does.
    std::function<void()> OnCommit;
    // The column chooser's answer: nothing is Cancel.
    std::function<void()> OnChooseColumns;
    int PrintedRows = -1;

    void TitleChanged(const std::string& title) override { Titles.push_back(title); }
    void ModifiedChanged(bool) override {}
    void CommitEditor() override {
        if (OnCommit) OnCommit();
    }
    void SetEditingEnabled(bool enabled) override { EditingSwitches.push_back(enabled); }
    void StartEditing() override { ++EditStarts; }
    std::vector<bool> Stoppable;  // per file operation
    int StopAt = -1;              // the percentage at which the user stops one
    void FileOperationStarted(bool mayStop) override {
        ++OpenOperations;
        Stoppable.push_back(mayStop);
    }
    void FileProgress(int percent) override {
        if (percent == StopAt && Stoppable.back()) throw EAbort();
    }
    void FileOperationEnded() override { --OpenOperations; }
    void ChooseExportColumns() override {
        if (OnChooseColumns) OnChooseColumns();
    }
    void ChoosePrintColumns(TBaseGrid& grid) override {
        PrintedRows = grid.RowCount();
        if (OnChooseColumns) OnChooseColumns();
    }
    TColorScheme ColorScheme() const override { return TColorScheme::Classic(); }
};

class DocumentSessionTest : public ::testing::Test {
protected:
    TTempFolder folder;
    TBaseGrid grid = EmptyTaskDocument();
    TLookupList lookup;
    TMRUManager recent;
    ScriptedDialogs dialogs;
    TRecordingView view;
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    TLocaleFormats formats;
    TDocumentSession session{{grid, lookup, recent, dialogs, view, {clock, formats}, "/start"}};

    std::string Path(const std::string& name) { return folder.File(name); }
    std::string Cell(int col, int row) { return grid.GetCellText(col, row); }
    // Unsaved work in the first entry.
    void Work(const std::string& text) {
        grid.SetCellText(colDescription, 1, text);
        session.SetModified(true);
    }
    void ChooseSaveName(const std::string& name, int filterIndex = 1) {
        dialogs.SaveChoices.push_back(TFileDialogResult{name, filterIndex});
    }
    // A document on disk whose first entry has `description`, in `columns` columns.
    std::string Document(const std::string& name, const std::string& description, int columns = TaskColumnCount) {
        std::string header = "No";
        for (int c = 1; c < columns; ++c)
            header += "," + (c < TaskColumnCount ? std::string(TaskTable::Headers[std::size_t(c)]) : "Extra");
        WriteBytes(Path(name), header + "\r\n1,08/12/2026,Pending," + description + "\r\n");
        return Path(name);
    }
};

TEST_F(DocumentSessionTest, SavingAnUntitledDocumentAsksForANameThenSavesInPlace) {
    view.OnCommit = [&] { grid.SetCellText(colDescription, 1, "Water the plants"); };  // still in the editor
    ChooseSaveName(Path("home.tkm"));
    EXPECT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    ASSERT_EQ(dialogs.SaveRequests.size(), 1u);
    const TFileDialogRequest& request = dialogs.SaveRequests[0];
    EXPECT_EQ(request.Title, "Save");
    EXPECT_EQ(request.Filter, "Taskmere files (*.tkm)|*.tkm");
    EXPECT_EQ(request.FileName, "Untitled");
    EXPECT_EQ(request.DefaultExt, "tkm");
    EXPECT_EQ(request.InitialDir, "/start");
    EXPECT_EQ(view.Titles, std::vector<std::string>{"home - Taskmere"});
    EXPECT_EQ(session.FileName(), Path("home.tkm"));
    EXPECT_FALSE(session.Modified());
    EXPECT_TRUE(session.EditTracking());
    EXPECT_EQ(recent.Entries().at(0).Name, Path("home.tkm"));
    EXPECT_NE(ReadBytes(Path("home.tkm")).find("Water the plants"), std::string::npos);
    EXPECT_EQ(view.OpenOperations, 0);

    view.OnCommit = [&] { grid.SetCellText(colDescription, 1, "Feed the cat"); };
    session.SetModified(true);
    EXPECT_EQ(session.Save().Kind, TDocumentOutcome::Done);  // a named document: no dialog, same title
    EXPECT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(view.Titles.size(), 1u);
    EXPECT_NE(ReadBytes(Path("home.tkm")).find("Feed the cat"), std::string::npos);

    // A file named Untitled is still asked a name for.
    ASSERT_EQ(session.OpenNamed(Document(" Untitled .tkm", "x")).Kind, TDocumentOutcome::Done);
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(session.Save().Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(dialogs.SaveRequests.size(), 2u);
}

TEST_F(DocumentSessionTest, AStoppedLoadLeavesTheListAsItWasAndASaveCannotBeStopped) {
    Work("unsaved work");
    std::string lines = Header;
    for (int i = 1; i <= 300; ++i) lines += std::to_string(i) + ",08/12/2026,Pending,Entry " + std::to_string(i) + "\r\n";
    WriteBytes(Path("long.tkm"), lines);
    view.StopAt = 50;
    dialogs.Answers.push_back(TConfirmAnswer::No);  // the unsaved work is not saved first
    EXPECT_EQ(session.OpenNamed(Path("long.tkm")).Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(Cell(colDescription, 1), "unsaved work");
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(session.FileName(), "Untitled");
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(recent.Entries().empty());
    EXPECT_EQ(view.OpenOperations, 0);

    ChooseSaveName(Path("saved.tkm"));
    EXPECT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(view.Stoppable, (std::vector<bool>{true, false}));
    EXPECT_NE(ReadBytes(Path("saved.tkm")).find("unsaved work"), std::string::npos);
}

TEST_F(DocumentSessionTest, ACancelledOrFailedSaveKeepsTheWorkMarked) {
    Work("old work");
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(session.Save().Kind, TDocumentOutcome::Cancelled);
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(session.EditTracking());

    ChooseSaveName(Path("no/such/folder/x.tkm"));
    const TDocumentOutcome failed = session.Save();
    EXPECT_EQ(failed.Kind, TDocumentOutcome::Failed);
    EXPECT_NE(failed.Message.find("Cannot Create file " + Path("no/such/folder/x.tkm")), std::string::npos);
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(session.EditTracking());
    EXPECT_EQ(session.FileName(), "Untitled");
    EXPECT_TRUE(view.Titles.empty());
    EXPECT_TRUE(recent.Entries().empty());
    EXPECT_EQ(view.OpenOperations, 0);
}

TEST_F(DocumentSessionTest, NewWithUnsavedChangesAsksAndStopsOnlyForCancelOrAFailedWrite) {
    Work("old work");
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_EQ(session.New().Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(Cell(colDescription, 1), "old work");

    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("no/such/folder/x.tkm"));
    EXPECT_EQ(session.New().Kind, TDocumentOutcome::Failed);
    EXPECT_EQ(Cell(colDescription, 1), "old work");
    EXPECT_TRUE(session.Modified());

    // Yes and then a cancelled save dialog: the user gave the work up.
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(session.New().Kind, TDocumentOutcome::Done);
    ASSERT_EQ(dialogs.Questions.size(), 3u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes you made to Untitled?");
    EXPECT_EQ(dialogs.Questions[0].Buttons, TConfirmButtons::YesNoCancel);
    EXPECT_EQ(Cell(colDescription, 1), "");
    EXPECT_FALSE(session.Modified());
}

TEST_F(DocumentSessionTest, NewAndOpenStartFromTheTaskTablesShape) {
    const std::string wide = Document("wide.tkm", "wide", 30);
    ASSERT_EQ(session.OpenNamed(wide).Kind, TDocumentOutcome::Done);
    ASSERT_EQ(grid.ColCount(), 30);
    lookup.Add("typed once");

    EXPECT_EQ(session.New().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(grid.ColCount(), 14);
    ASSERT_EQ(grid.RowCount(), 2);
    for (int c = 0; c < TaskColumnCount; ++c) EXPECT_EQ(Cell(c, 0), TaskTable::Headers[std::size_t(c)]);
    EXPECT_EQ(Cell(colNo, 1), "1");
    EXPECT_EQ(Cell(colStatus, 1), "Not Started");
    EXPECT_EQ(Cell(colDueTime, 1), "09:30:05");
    EXPECT_EQ(Cell(colDescription, 1), "");
    EXPECT_NE(grid.CellObject(colProgress, 1), nullptr);
    EXPECT_EQ(grid.Col(), colDescription);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(session.FileName(), "Untitled");
    EXPECT_EQ(view.Titles.back(), "wide - Taskmere");  // New leaves the title alone
    EXPECT_TRUE(lookup.Items().empty());
    EXPECT_FALSE(session.Modified());
    ChooseSaveName(Path("new.tkm"));
    ASSERT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(ReadBytes(Path("new.tkm")).substr(0, Header.size()), Header);

    ASSERT_EQ(session.OpenNamed(wide).Kind, TDocumentOutcome::Done);
    dialogs.OpenChoices.push_back(TFileDialogResult{Document("narrow.tkm", "narrow"), 1});
    EXPECT_EQ(session.Open().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(grid.ColCount(), 14);
    session.SetModified(true);
    ASSERT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(ReadBytes(Path("narrow.tkm")),
              Header + "1,08/12/2026,Pending,narrow,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

TEST_F(DocumentSessionTest, AnInstalledProgramsDialogsStartInTheDocumentsFolderThenBesideTheDocument) {
    TDocumentSession installed{
        {grid, lookup, recent, dialogs, view, {clock, formats}, "/usr/bin", {}, false, "/home/ann/Documents"}};
    EXPECT_EQ(installed.PdfFileName(), "/home/ann/Documents/Untitled.pdf");
    dialogs.OpenChoices.push_back(TFileDialogResult{Document("list.tkm", "Call Ann"), 1});
    EXPECT_EQ(installed.Open().Kind, TDocumentOutcome::Done);
    view.OnChooseColumns = [&] { installed.SetModified(true); };
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(installed.SaveAs().Kind, TDocumentOutcome::Cancelled);
    ASSERT_EQ(dialogs.OpenRequests.size(), 1u);
    ASSERT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(dialogs.OpenRequests[0].InitialDir, "/home/ann/Documents");
    EXPECT_EQ(dialogs.SaveRequests[0].InitialDir, folder.Path().string());
    // Pages printed without a printer are offered beside the document too.
    EXPECT_EQ(installed.PdfFileName(), (folder.Path() / "list.pdf").string());
}

// The names offered for a new document's file are in the user's language;
// the document itself is still kept as "Untitled".
TEST_F(DocumentSessionTest, ANewDocumentsSuggestedFileNamesAreInTheUsersLanguage) {
    SetTextTranslator([](const char*, const char* text) { return "[" + std::string(text) + "]"; });
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(session.Save().Kind, TDocumentOutcome::Cancelled);
    const std::string pdf = session.PdfFileName();
    SetTextTranslator(nullptr);
    ASSERT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(dialogs.SaveRequests[0].FileName, "[Untitled]");
    EXPECT_EQ(std::filesystem::path(pdf).filename(), "[Untitled].pdf");
    EXPECT_EQ(session.FileName(), "Untitled");
}

TEST_F(DocumentSessionTest, OpenLoadsTheChosenFileAsTheTaskTable) {
    const std::string list = Document("list.tkm", "Call Ann");
    lookup.Add("typed once");
    dialogs.OpenChoices.push_back(TFileDialogResult{list, 1});
    EXPECT_EQ(session.Open().Kind, TDocumentOutcome::Done);
    ASSERT_EQ(dialogs.OpenRequests.size(), 1u);
    EXPECT_EQ(dialogs.OpenRequests[0].Title, "Open");
    EXPECT_EQ(dialogs.OpenRequests[0].Filter,
              "Taskmere and iCalendar files (*.tkm *.ics)|*.tkm;*.ics|Taskmere File (*.tkm)|*.tkm|"
              "iCalendar to-do list (*.ics)|*.ics|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs.OpenRequests[0].InitialDir, "/start");
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(Cell(colDescription, 1), "Call Ann");
    EXPECT_NE(grid.CellObject(colProgress, 1), nullptr);
    EXPECT_NE(grid.CellObject(colComment, 1), nullptr);
    EXPECT_EQ(session.FileName(), list);
    EXPECT_EQ(view.Titles, std::vector<std::string>{"list - Taskmere"});
    EXPECT_EQ(recent.Entries().at(0).Name, list);
    EXPECT_TRUE(lookup.Items().empty());
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(grid.Col(), colDescription);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(view.EditStarts, 1);

    dialogs.OpenChoices.push_back(std::nullopt);  // an unchanged document: cancelling asks nothing
    EXPECT_EQ(session.Open().Kind, TDocumentOutcome::Cancelled);
    EXPECT_FALSE(session.Modified());
}

TEST_F(DocumentSessionTest, OpenWithUnsavedChangesNeverLosesThem) {
    Work("unsaved");
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_EQ(session.Open().Kind, TDocumentOutcome::Cancelled);
    EXPECT_TRUE(dialogs.OpenRequests.empty());
    EXPECT_TRUE(session.Modified());

    dialogs.Answers.push_back(TConfirmAnswer::No);
    dialogs.OpenChoices.push_back(TFileDialogResult{Path("missing.tkm"), 1});
    const TDocumentOutcome failed = session.Open();
    EXPECT_EQ(failed.Kind, TDocumentOutcome::Failed);
    EXPECT_NE(failed.Message.find("Cannot open file " + Path("missing.tkm")), std::string::npos);
    EXPECT_EQ(session.FileName(), "Untitled");
    EXPECT_TRUE(view.Titles.empty());
    EXPECT_EQ(Cell(colDescription, 1), "unsaved");
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(view.OpenOperations, 0);

    dialogs.Answers.push_back(TConfirmAnswer::No);
    dialogs.OpenChoices.push_back(std::nullopt);
    EXPECT_EQ(session.Open().Kind, TDocumentOutcome::Cancelled);
    EXPECT_TRUE(session.Modified());
}

TEST_F(DocumentSessionTest, ReopenAsksBeforeReplacingUnsavedChanges) {
    const std::string list = Document("list.tkm", "from disk");
    recent.Add(list);
    recent.Add(Path("newer.tkm"));
    Work("unsaved");
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_EQ(session.Reopen(list).Kind, TDocumentOutcome::Cancelled);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes you made to Untitled?");
    EXPECT_EQ(Cell(colDescription, 1), "unsaved");

    lookup.Add("typed once");
    grid.SetCurrentCell(colResources, 1);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    EXPECT_EQ(session.Reopen(list).Kind, TDocumentOutcome::Done);
    EXPECT_EQ(Cell(colDescription, 1), "from disk");
    EXPECT_EQ(session.FileName(), list);
    EXPECT_EQ(view.Titles.back(), "list - Taskmere");
    EXPECT_FALSE(session.Modified()) << "nothing was changed since it was read";
    EXPECT_EQ(recent.Entries().at(0).Name, Path("newer.tkm"));  // the list keeps its order
    EXPECT_EQ(lookup.Items().size(), 1u);
    EXPECT_EQ(grid.Col(), colResources);
    EXPECT_EQ(view.EditStarts, 0);
}

TEST_F(DocumentSessionTest, CommandLineOpenNeverReplacesWorkThatFailedToSave) {
    const std::string list = Document("list.tkm", "from disk");
    Work("unsaved");
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("no/such/folder/x.tkm"));
    EXPECT_EQ(session.OpenNamed(list).Kind, TDocumentOutcome::Failed);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes to Untitled?");
    EXPECT_EQ(Cell(colDescription, 1), "unsaved");
    EXPECT_EQ(session.FileName(), "Untitled");
    EXPECT_TRUE(session.Modified());

    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_EQ(session.OpenFromAnotherInstance(list).Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(Cell(colDescription, 1), "unsaved");

    lookup.Add("typed once");
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("kept.tkm"));
    EXPECT_EQ(session.OpenFromAnotherInstance(list).Kind, TDocumentOutcome::Done);
    EXPECT_NE(ReadBytes(Path("kept.tkm")).find("unsaved"), std::string::npos);
    EXPECT_EQ(Cell(colDescription, 1), "from disk");
    EXPECT_EQ(session.FileName(), list);
    EXPECT_EQ(view.Titles.back(), "list - Taskmere");
    EXPECT_EQ(recent.Entries().at(0).Name, list);
    EXPECT_EQ(lookup.Items().size(), 1u);  // a named open keeps the words
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), colDescription);
    EXPECT_EQ(view.EditStarts, 1);
}

// A save in place that a kill cut short: the open puts the version before
// it back and says so.
TEST_F(DocumentSessionTest, OpeningADocumentWhoseSaveWasCutShortRestoresTheVersionBefore) {
    const test::TScopedEnv state("XDG_STATE_HOME", Path("state"));
    const std::string list = Document("list.tkm", "before the save");
    ASSERT_EQ(link(list.c_str(), Path("other-name.tkm").c_str()), 0);
    if (fork() == 0) {
        TAtomicFile file(list);
        file.Write("No,Entry");
        _exit(0);
    }
    wait(nullptr);
    EXPECT_EQ(session.OpenNamed(list).Kind, TDocumentOutcome::Done);
    EXPECT_EQ(Cell(colDescription, 1), "before the save");
    EXPECT_EQ(dialogs.Informations, std::vector<std::string>{"Information: " + list +
                                                             " was not saved completely; the version before that "
                                                             "save was restored"});
}

TEST_F(DocumentSessionTest, SaveAsExportsTheChosenColumnsAndShowsThemAllAgain) {
    grid.SetRowCells(1, colNo, std::vector<std::string_view>{"1", "", "Not Started", "Write report"});
    // As the chooser's OK does, with only No., Status and Task Description checked.
    view.OnChooseColumns = [&] {
        for (int col = 0; col < TaskColumnCount; ++col)
            if (col != colNo && col != colStatus && col != colDescription) grid.HideColumn(col);
        session.SetModified(true);
    };
    ChooseSaveName(Path("export.txt"), 1);
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Done);
    ASSERT_EQ(dialogs.SaveRequests.size(), 1u);
    const TFileDialogRequest& request = dialogs.SaveRequests[0];
    EXPECT_EQ(request.Title, "Save As...");
    EXPECT_EQ(request.Filter.substr(0, 48), "Text document (*.txt)|*.txt|Web Document (*.htm)");
    EXPECT_EQ(request.DefaultExt, "txt");
    EXPECT_EQ(request.FileName, "");
    EXPECT_EQ(ReadBytes(Path("export.txt")),
              "No Status      Task Description \r\n1  Not Started Write report     \r\n");
    EXPECT_EQ(grid.ColCount(), TaskColumnCount);
    EXPECT_EQ(view.EditingSwitches, (std::vector<bool>{false, true}));
    EXPECT_EQ(session.FileName(), "Untitled");
    EXPECT_TRUE(view.Titles.empty());
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(session.EditTracking());

    // The chosen type is offered again; CSV is the document writer.
    ChooseSaveName(Path("export.csv"), 3);
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(dialogs.SaveRequests[1].FilterIndex, 1);
    EXPECT_EQ(ReadBytes(Path("export.csv")).substr(0, 29), "No,Status,Task Description\r\n1");
    ChooseSaveName(Path("again.txt"), 1);
    session.SaveAs();
    EXPECT_EQ(dialogs.SaveRequests[2].FilterIndex, 3);
}

TEST_F(DocumentSessionTest, AnOpenedCalendarIsSavedBackAsOneKeepingWhatTheTableDoesNotShow) {
    const std::string tasks = Path("tasks.ics");
    WriteBytes(tasks,
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VTODO\r\nUID:kept\r\n"
               "DTSTAMP:20261201T100000Z\r\nSUMMARY:Water plants\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
               "DESCRIPTION:Soon\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VTODO\r\nBEGIN:VEVENT\r\nUID:event\r\n"
               "DTSTAMP:20261201T100000Z\r\nDTSTART:20261224T180000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    dialogs.OpenChoices.push_back(TFileDialogResult{tasks, 1});
    ASSERT_EQ(session.Open().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(Cell(colDescription, 1), "Water plants");
    EXPECT_EQ(view.Titles.back(), "tasks - Taskmere");
    EXPECT_EQ(recent.Entries().at(0).Name, tasks);
    Work("Water the plants");
    ASSERT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    EXPECT_TRUE(dialogs.SaveRequests.empty());
    const std::string saved = ReadBytes(tasks);
    for (const char* part : {"BEGIN:VCALENDAR", "UID:kept", "SUMMARY:Water the plants", "TRIGGER:-PT15M", "UID:event"})
        EXPECT_NE(saved.find(part), std::string::npos) << part << "\n" << saved;
    // A new document forgets the calendar: it is saved as a list.
    dialogs.Answers.push_back(TConfirmAnswer::No);
    session.New();
    grid.SetCellText(colDescription, 1, "plain");
    ChooseSaveName(Path("plain.tkm"));
    ASSERT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(ReadBytes(Path("plain.tkm")).substr(0, Header.size()), Header);
}

TEST_F(DocumentSessionTest, ChangesKeptFromACrashedRunStillSaveTheCalendarsOtherComponents) {
    const std::string tasks = Path("tasks.ics");
    WriteBytes(tasks, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VTODO\r\nUID:kept\r\nSUMMARY:Old\r\nEND:VTODO\r\n"
                      "BEGIN:VEVENT\r\nUID:event\r\nDTSTART:20261224T180000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    TBaseGrid kept = EmptyTaskDocument();
    kept.SetCellText(colNo, 1, "1");
    kept.SetCellText(colDescription, 1, "New");
    session.Restore(tasks, kept);
    ASSERT_EQ(session.Save().Kind, TDocumentOutcome::Done);
    const std::string saved = ReadBytes(tasks);
    EXPECT_NE(saved.find("UID:event"), std::string::npos) << saved;
    EXPECT_NE(saved.find("UID:kept"), std::string::npos) << saved;
    EXPECT_NE(saved.find("SUMMARY:New"), std::string::npos) << saved;
}

TEST_F(DocumentSessionTest, SaveAsWritesICalendarToDosAfterTheOtherTypes) {
    grid.SetRowCells(1, colNo, std::vector<std::string_view>{"1", "", "In Progress", "Write report"});
    view.OnChooseColumns = [&] { session.SetModified(true); };
    const int calendarType = int(ExportFormats().size());
    ChooseSaveName(Path("export.ics"), calendarType);
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Done);
    EXPECT_NE(dialogs.SaveRequests[0].Filter.find("|iCalendar to-do list (*.ics)|*.ics"), std::string::npos);
    const std::string written = ReadBytes(Path("export.ics"));
    EXPECT_NE(written.find("SUMMARY:Write report"), std::string::npos) << written;
    EXPECT_NE(written.find("STATUS:IN-PROCESS"), std::string::npos) << written;
    EXPECT_EQ(session.FileName(), "Untitled");
}

TEST_F(DocumentSessionTest, CancellingTheChooserOnAnUnchangedDocumentWritesNothing) {
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Cancelled);
    EXPECT_TRUE(dialogs.SaveRequests.empty());
    EXPECT_TRUE(session.Modified());  // Save As always leaves the mark
    // With unsaved changes the dialog comes even after Cancel.
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(view.EditingSwitches, (std::vector<bool>{false, true, false, true}));
}

TEST_F(DocumentSessionTest, TheColourAnswerDecidesTheWebPagesColours) {
    grid.SetCellText(colNo, 1, "1");
    session.SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    ChooseSaveName(Path("plain.htm"), 2);
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(dialogs.Questions.at(0).Text, "Would you like to save the colors as well?");
    EXPECT_EQ(dialogs.Questions.at(0).Buttons, TConfirmButtons::YesNo);
    const std::string plain = ReadBytes(Path("plain.htm"));
    EXPECT_NE(plain.find("<td nowrap bgcolor=\"#C0C0C0\"><b>No</b></td>"), std::string::npos);
    EXPECT_NE(plain.find("<td nowrap>1</td>"), std::string::npos);
    EXPECT_FALSE(session.ColorPrinting());

    // Closing the box keeps the last answer; Yes colours the cells as the screen does.
    dialogs.Answers.push_back(TConfirmAnswer::None);
    ChooseSaveName(Path("still-plain.htm"), 2);
    session.SaveAs();
    EXPECT_EQ(ReadBytes(Path("still-plain.htm")), plain);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("coloured.htm"), 2);
    session.SaveAs();
    EXPECT_NE(ReadBytes(Path("coloured.htm")).find("<td nowrap bgcolor=\"#FFFFFF\"><font color=\"#000000\">1</font></td>"),
              std::string::npos);
    EXPECT_TRUE(session.ColorPrinting());
}

TEST_F(DocumentSessionTest, AFailedExportIsReportedAndTheColumnsAndEditingComeBack) {
    view.OnChooseColumns = [&] {
        grid.HideColumn(colComment);
        session.SetModified(true);
    };
    ChooseSaveName(Path("missing/export.htm"), 2);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    const TDocumentOutcome outcome = session.SaveAs();
    EXPECT_EQ(outcome.Kind, TDocumentOutcome::Failed);
    EXPECT_NE(outcome.Message.find("Cannot Create file " + Path("missing/export.htm")), std::string::npos);
    EXPECT_FALSE(grid.IsColumnHidden(colComment));
    EXPECT_EQ(view.EditingSwitches, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.OpenOperations, 0);

    // No office server: the types that need one say so.
    ChooseSaveName(Path("export.xls"), 5);
    EXPECT_EQ(session.SaveAs().Message, "Excel OLE server not found");
    EXPECT_FALSE(grid.IsColumnHidden(colComment));
}

TEST_F(DocumentSessionTest, AListTooLongForAnExcel97SheetIsOfferedAsAWorkbook) {
    std::vector<std::pair<TOfficeFormat, std::string>> exported;
    TDocumentSession office{{grid, lookup, recent, dialogs, view, {clock, formats}, "/start",
                             [&](const TBaseGrid&, TOfficeFormat format, const std::string& fileName,
                                 std::stop_token) {
                                 exported.emplace_back(format, fileName);
                             }}};
    grid.SetRowCount(65537);
    office.SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    ChooseSaveName(Path("big.xls"), 5);
    EXPECT_EQ(office.SaveAs().Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(dialogs.Questions.at(0).Text,
              "Microsoft Excel (*.xls) holds at most 65,536 rows, and this list has 65,537. "
              "Would you like to save it as Excel Workbook (*.xlsx) instead?");
    EXPECT_TRUE(exported.empty());

    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("big.xls"), 5);
    ChooseSaveName(Path("big.xlsx"), 8);
    EXPECT_EQ(office.SaveAs().Kind, TDocumentOutcome::Done);
    const TFileDialogRequest& offered = dialogs.SaveRequests.back();
    EXPECT_EQ(offered.FileName, Path("big.xlsx"));
    EXPECT_EQ(offered.FilterIndex, 8);
    EXPECT_EQ(exported, (std::vector<std::pair<TOfficeFormat, std::string>>{{TOfficeFormat::Xlsx, Path("big.xlsx")}}));
}

TEST_F(DocumentSessionTest, AStoppedOfficeExportEndsSilentlyWithTheColumnsAndEditingBack) {
    TDocumentSession office{{grid, lookup, recent, dialogs, view, {clock, formats}, "/start",
                             [](const TBaseGrid&, TOfficeFormat, const std::string&, std::stop_token) {
                                 throw EAbort();
                             }}};
    view.OnChooseColumns = [&] {
        grid.HideColumn(colComment);
        office.SetModified(true);
    };
    ChooseSaveName(Path("list.doc"), 4);
    EXPECT_EQ(office.SaveAs().Kind, TDocumentOutcome::Cancelled);
    EXPECT_FALSE(grid.IsColumnHidden(colComment));
    EXPECT_EQ(view.EditingSwitches, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.OpenOperations, 0);
}

// Text and web exports move the bar as CSV does, so a long one can be stopped
// halfway; the file it was to replace stays as it was.
TEST_F(DocumentSessionTest, TextAndWebExportsCanBeStoppedHalfwayAndWriteNothing) {
    grid.SetRowCount(301);
    for (int r = 1; r <= 300; ++r) grid.SetCellText(colDescription, r, "Entry " + std::to_string(r));
    view.StopAt = 50;
    view.OnChooseColumns = [&] { session.SetModified(true); };  // the chooser's OK
    dialogs.Answers.push_back(TConfirmAnswer::Yes);            // the web page's colours
    for (const auto& [name, filterIndex] : {std::pair{"list.txt", 1}, std::pair{"list.htm", 2}}) {
        WriteBytes(Path(name), "kept");
        ChooseSaveName(Path(name), filterIndex);
        EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Cancelled) << name;
        EXPECT_EQ(ReadBytes(Path(name)), "kept");
        ASSERT_FALSE(view.Stoppable.empty());
        EXPECT_TRUE(view.Stoppable.back());
    }
    EXPECT_EQ(view.Stoppable.size(), 2u);
    EXPECT_EQ(view.OpenOperations, 0);
}

TEST_F(DocumentSessionTest, TheCloseQuestionCountsTypedTextAndKeepsUnsavedWork) {
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Done);
    EXPECT_TRUE(dialogs.Questions.empty());

    // Text still in the editor becomes a change when it is committed.
    view.OnCommit = [&] { session.SetModified(true); };
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Cancelled);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes you made to Untitled?");
    view.OnCommit = nullptr;

    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    dialogs.SaveChoices.push_back(std::nullopt);
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Cancelled);  // the window stays

    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("no/such/folder/x.tkm"));
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Failed);

    dialogs.Answers.push_back(TConfirmAnswer::None);
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Cancelled);

    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    ChooseSaveName(Path("saved.tkm"));
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Done);
    EXPECT_FALSE(session.Modified());

    session.SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    EXPECT_EQ(session.CloseQuestion().Kind, TDocumentOutcome::Done);
}

}  // namespace
}  // namespace tkm

namespace tkm {
namespace {

TEST_F(DocumentSessionTest, PrintKeepsTheColourAnswerAndBringsEditingBackHoweverItEnds) {
    bool trackingWhileChoosing = true;
    view.OnChooseColumns = [&] {
        trackingWhileChoosing = session.EditTracking();
        grid.HideColumn(colDescription);
    };
    dialogs.Answers.push_back(TConfirmAnswer::No);
    EXPECT_EQ(session.Print().Kind, TDocumentOutcome::Done);
    EXPECT_FALSE(session.ColorPrinting());
    EXPECT_FALSE(trackingWhileChoosing);
    EXPECT_TRUE(session.EditTracking());
    EXPECT_FALSE(grid.IsColumnHidden(colDescription));
    EXPECT_EQ(view.EditingSwitches, (std::vector<bool>{false, true}));

    // Closing the question without an answer keeps the switch; a failing
    // preview still restores everything.
    view.OnChooseColumns = [&] {
        grid.HideColumn(colComment);
        throw EGridError("Cannot start printing on Office");
    };
    dialogs.Answers.push_back(TConfirmAnswer::None);
    EXPECT_EQ(session.Print().Message, "Cannot start printing on Office");
    EXPECT_FALSE(session.ColorPrinting());
    EXPECT_TRUE(session.EditTracking());
    EXPECT_FALSE(grid.IsColumnHidden(colComment));
    EXPECT_EQ(view.EditingSwitches, (std::vector<bool>{false, true, false, true}));

    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    view.OnChooseColumns = nullptr;
    session.Print();
    EXPECT_TRUE(session.ColorPrinting());
}

// A filter's view prints and exports only when asked so.
TEST_F(DocumentSessionTest, PrintAndSaveAsOfAFilteredListAskWhichEntries) {
    grid.SetRowCount(4);
    for (int r = 1; r <= 3; ++r)
        grid.SetRowCells(r, colNo, std::vector<std::string_view>{std::to_string(r), "", "Pending", "entry"});
    grid.ShowOnlyRows({2});
    view.OnChooseColumns = [&] {
        for (int col = colEntryDate; col < TaskColumnCount; ++col) grid.HideColumn(col);
        session.SetModified(true);
    };
    dialogs.Answers = {TConfirmAnswer::Yes, TConfirmAnswer::Yes};
    EXPECT_EQ(session.Print().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(dialogs.Questions.front().Text, "Print the 1 entry shown? No prints all 3 entries.");
    EXPECT_EQ(view.PrintedRows, 2);
    dialogs.Answers = {TConfirmAnswer::No, TConfirmAnswer::Yes};
    session.Print();
    EXPECT_EQ(view.PrintedRows, 4);
    dialogs.Answers = {TConfirmAnswer::Cancel};
    view.PrintedRows = -1;
    EXPECT_EQ(session.Print().Kind, TDocumentOutcome::Cancelled);
    EXPECT_EQ(view.PrintedRows, -1);

    // The chooser's choice of columns holds for the entries shown too.
    dialogs.Answers = {TConfirmAnswer::Yes};
    ChooseSaveName(Path("shown.txt"), 1);
    EXPECT_EQ(session.SaveAs().Kind, TDocumentOutcome::Done);
    EXPECT_EQ(dialogs.Questions.back().Text, "Save the 1 entry shown? No saves all 3 entries.");
    EXPECT_EQ(ReadBytes(Path("shown.txt")), "No \r\n2  \r\n");
    dialogs.Answers = {TConfirmAnswer::No};
    ChooseSaveName(Path("all.txt"), 1);
    session.SaveAs();
    EXPECT_EQ(ReadBytes(Path("all.txt")), "No \r\n1  \r\n2  \r\n3  \r\n");
    EXPECT_EQ(grid.ShownRowCount(), 2);  // the view stays as it was
}

}  // namespace
}  // namespace tkm
