#include "tasks/calendar_document.h"

#include "tasks/task_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tkm {
namespace {

using TRow = std::vector<std::string>;

TBaseGrid TableOfRows(const std::vector<TRow>& rows) {
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    grid.SetRowCount(int(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) grid.SetCellText(int(c), int(r) + 1, rows[r][c]);
    return grid;
}

std::vector<TRow> EntryRows(const TBaseGrid& grid) {
    std::vector<TRow> rows;
    for (int r = 1; r < grid.RowCount(); ++r) {
        TRow row;
        for (int c = 0; c < TaskColumnCount; ++c) row.emplace_back(grid.CellView(c, r));
        rows.push_back(row);
    }
    return rows;
}

std::string CalendarText(const TBaseGrid& grid, const TCalendarSettings& settings,
                         const TCalendarOrigin* origin = nullptr) {
    std::string text;
    WriteCalendar(grid, settings, origin, [&](std::string_view bytes) { text += bytes; });
    return text;
}

TBaseGrid ReadText(const std::string& text, const TCalendarSettings& settings, TCalendarOrigin* origin = nullptr) {
    return CalendarDocumentFromText(text, "list.ics", settings, origin);
}

std::string ReadFailure(const std::string& text, const TCalendarSettings& settings = {}) {
    try {
        ReadText(text, settings);
    } catch (const EGridFileError& e) {
        return e.FullMessage();
    }
    return "read without failing";
}

TCalendarSettings Berlin() {
    TCalendarSettings settings;
    settings.TimeZone = "Europe/Berlin";
    return settings;
}

TCalendarSettings TwelveHourNewYork() {
    TCalendarSettings settings;
    settings.Formats.ShortDateFormat = "m/d/yyyy";
    settings.Formats.LongTimeFormat = "h:nn:ss AM/PM";
    settings.TimeZone = "America/New_York";
    return settings;
}

std::string Calendar(const std::string& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//Program//EN\r\n" + body + "END:VCALENDAR\r\n";
}

std::string Todo(const std::string& properties) {
    return "BEGIN:VTODO\r\nUID:u-" + std::to_string(properties.size()) + "\r\nDTSTAMP:20261201T100000Z\r\n" +
           properties + "END:VTODO\r\n";
}

// Every status and priority, a comment of several lines, text that is not
// ASCII or not UTF-8, an empty due time, and cells that are no dates, times
// or numbers: everything comes back byte for byte.
std::vector<TRow> AwkwardList(const TCalendarSettings& settings) {
    const bool dayFirst = settings.Formats.ShortDateFormat == "dd/mm/yyyy";
    const std::string date = dayFirst ? "07/12/2026" : "12/7/2026";
    const std::string time = dayFirst ? "09:30:00" : "9:30:00 AM";
    return {
        {"1", date, "Not Started", "Plain", "Most Important", date, time, "Ann Smith, Bob Jones", "1.5", "12.00", "0",
         date, time, ""},
        {"2", date, "In Progress", "Größe prüfen – ½ €", "High", date, "", "Carla", "0", "0", "40", "", "",
         "first line\r\nsecond line\r\n\r\nfourth"},
        {"3", "", "Pending", "Mixed\nbreaks\r\nand\ttabs", "Normal", "next week", "soon", "Ann,Bob", "", "", "",
         "", "", "a \"quoted\" comment, with; commas\\"},
        {"4", "7/12/26", "Completed", "caf\xE9 written on Windows", "Low", date, "9:30", " padded ", "x", "-1",
         "100", date, time, "100%"},
        {"5", date, "Cancelled", "", "Lowest", "", "", "", "", "", "abc", "31/02/2026", "25:00:00", "%"},
        {"6", "yesterday", "Postponed", "  spaces kept  ", "", "", "10:00:00", "", "", "", "", "", "noon",
         "ends with a break\n"},
        {"7", "", "", "Unknown status", "Urgent", "", "", "", "", "", "", "", "", ""},
        {"", "", "Waiting", "", "normal", "", "", "", "", "", "", "", "", "\x01\x7F control bytes"},
        // Due in the hour the clocks skip in spring.
        {"9", "", "", "Skipped hour", "", dayFirst ? "29/03/2026" : "3/8/2026", dayFirst ? "02:30:00" : "2:30:00 AM",
         "", "", "", "", "", "", ""},
    };
}

TEST(CalendarDocumentTest, ListComesBackCellForCellInEveryZoneAndFormat) {
    TCalendarSettings floating;
    for (const TCalendarSettings& settings : {Berlin(), TwelveHourNewYork(), floating}) {
        const std::vector<TRow> rows = AwkwardList(settings);
        const std::string text = CalendarText(TableOfRows(rows), settings);
        EXPECT_EQ(EntryRows(ReadText(text, settings)), rows) << settings.TimeZone << "\n" << text;
    }
}

TEST(CalendarDocumentTest, CellsTravelInTheStandardPropertiesOtherProgramsRead) {
    const TCalendarSettings settings = Berlin();
    const std::vector<TRow> rows = {
        {"1", "07/12/2026", "Not Started", "Call", "Most Important", "24/12/2026", "09:30:00", "Ann Smith, Bob", "2.5",
         "10.00", "0", "08/12/2026", "10:00:00", "line one\r\nline two"},
        {"2", "07/12/2026", "In Progress", "Write", "High", "24/12/2026", "", "", "", "", "50", "", "", ""},
        {"3", "07/12/2026", "Completed", "Done", "Normal", "", "", "", "", "", "100", "08/12/2026", "18:15:00", ""},
        {"4", "07/12/2026", "Cancelled", "Dropped", "Low", "", "", "", "", "", "0", "", "", ""},
        {"5", "07/12/2026", "Pending", "Waiting", "Lowest", "", "", "", "", "", "0", "", "", ""},
    };
    const std::string text = CalendarText(TableOfRows(rows), settings);
    for (const char* expected :
         {"BEGIN:VCALENDAR\r\n", "PRODID:-//Taskmere//Taskmere 0.", "VERSION:2.0\r\n", "BEGIN:VTIMEZONE\r\n",
          "TZID:Europe/Berlin\r\n", "SUMMARY:Call\r\n", "PRIORITY:1\r\n", "PRIORITY:3\r\n", "PRIORITY:5\r\n",
          "PRIORITY:7\r\n", "PRIORITY:9\r\n", "STATUS:NEEDS-ACTION\r\n", "STATUS:IN-PROCESS\r\n",
          "STATUS:COMPLETED\r\n", "STATUS:CANCELLED\r\n", "DUE;TZID=Europe/Berlin:20261224T093000\r\n",
          "DUE;VALUE=DATE:20261224\r\n", "COMPLETED:20261208T171500Z\r\n", "CREATED:20261206T230000Z\r\n",
          "PERCENT-COMPLETE:50\r\n", "RESOURCES:Ann Smith, Bob\r\n", "X-TASKMERE-HOURS:2.5\r\n",
          "X-TASKMERE-COST:10.00\r\n", "X-TASKMERE-NUMBER:1\r\n", "DESCRIPTION:line one\\nline two\r\n",
          "X-TASKMERE-STATUS;X-TASKMERE-OF=", ":Pending\r\n", "END:VCALENDAR\r\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // Other programs take any COMPLETED as done: only the completed entry has one.
    EXPECT_EQ(text.find("\nCOMPLETED:"), text.rfind("\nCOMPLETED:")) << text;
    EXPECT_NE(text.find("X-TASKMERE-COMPLETION-DATE"), std::string::npos) << text;
    // Cells their standard property gives back need no copy.
    EXPECT_EQ(text.find("X-TASKMERE-TASK"), std::string::npos) << text;
    EXPECT_EQ(text.find("X-TASKMERE-DUE-DATE"), std::string::npos) << text;
    EXPECT_EQ(text.find("X-TASKMERE-PRIORITY"), std::string::npos) << text;
}

TEST(CalendarDocumentTest, HiddenColumnsAreLeftOut) {
    TBaseGrid grid = TableOfRows({{"1", "07/12/2026", "Pending", "Call", "High", "24/12/2026", "09:30:00", "Ann",
                                   "2", "3", "0", "", "", "secret"}});
    grid.HideColumn(colComment);
    grid.HideColumn(colDueTime);
    grid.HideColumn(colStatus);
    const std::string text = CalendarText(grid, Berlin());
    EXPECT_EQ(text.find("secret"), std::string::npos) << text;
    EXPECT_EQ(text.find("STATUS"), std::string::npos) << text;
    EXPECT_NE(text.find("DUE;VALUE=DATE:20261224\r\n"), std::string::npos) << text;
}

TEST(CalendarDocumentTest, OtherProgramsToDosReadInTheDesktopsFormatsAndZone) {
    const std::string text = Calendar(
        "BEGIN:VTIMEZONE\r\nTZID:Custom/Zone\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
        "TZOFFSETFROM:+0300\r\nTZOFFSETTO:+0300\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n" +
        Todo("SUMMARY:utc due\r\nDUE:20261224T080000Z\r\nPRIORITY:0\r\nSTATUS:NEEDS-ACTION\r\n") +
        Todo("SUMMARY:own zone\r\nDUE;TZID=Custom/Zone:20261224T120000\r\nPRIORITY:2\r\n") +
        Todo("SUMMARY:system zone not defined in the file\r\nDUE;TZID=America/New_York:20261224T040000\r\n"
             "PRIORITY:4\r\n") +
        Todo("SUMMARY:date\r\nDUE;VALUE=DATE:20261224\r\nPRIORITY:6\r\nCOMPLETED:20261230T233000Z\r\n") +
        Todo("SUMMARY:floating\r\nDUE:20261224T070000\r\nPRIORITY:8\r\nPERCENT-COMPLETE:30\r\n") +
        Todo("SUMMARY:bare\r\nPRIORITY:9\r\nRESOURCES:Ann,Bob\r\nRESOURCES:Carla\r\n") +
        Todo("SUMMARY:no priority\r\nPRIORITY:1\r\nSTATUS:IN-PROCESS\r\n"));
    const std::vector<TRow> rows = EntryRows(ReadText(text, Berlin()));
    ASSERT_EQ(rows.size(), 7u);
    const auto due = [&](std::size_t r) { return rows[r][colDueDate] + " " + rows[r][colDueTime]; };
    EXPECT_EQ(due(0), "24/12/2026 09:00:00");
    EXPECT_EQ(due(1), "24/12/2026 10:00:00");
    EXPECT_EQ(due(2), "24/12/2026 10:00:00");
    EXPECT_EQ(due(3), "24/12/2026 ");
    EXPECT_EQ(due(4), "24/12/2026 07:00:00");
    EXPECT_EQ(rows[3][colCompletionDate] + " " + rows[3][colCompletionTime], "31/12/2026 00:30:00");
    EXPECT_EQ(rows[0][colPriority], "Normal");
    EXPECT_EQ(rows[1][colPriority], "High");
    EXPECT_EQ(rows[2][colPriority], "High");
    EXPECT_EQ(rows[3][colPriority], "Low");
    EXPECT_EQ(rows[4][colPriority], "Low");
    EXPECT_EQ(rows[5][colPriority], "Lowest");
    EXPECT_EQ(rows[6][colPriority], "Most Important");
    EXPECT_EQ(rows[0][colStatus], "Not Started");
    EXPECT_EQ(rows[6][colStatus], "In Progress");
    EXPECT_EQ(rows[4][colProgress], "30");
    EXPECT_EQ(rows[5][colResources], "Ann, Bob, Carla");
    // No numbers in the file: the file's order.
    for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r][colNo], std::to_string(r + 1));
}

TEST(CalendarDocumentTest, ACopyGivesWayWhenAnotherProgramChangedItsProperty) {
    const TCalendarSettings settings = Berlin();
    const std::string text = CalendarText(
        TableOfRows({{"1", "", "Pending", "Wait", "", "7/12/26", "9:30", "", "", "", "", "", "", ""}}), settings);
    std::string changed = text;
    changed.replace(changed.find("STATUS:NEEDS-ACTION"), 19, "STATUS:COMPLETED");
    changed.replace(changed.find("20261207T093000"), 15, "20261210T093000");
    const TRow row = EntryRows(ReadText(changed, settings))[0];
    EXPECT_EQ(row[colStatus], "Completed");
    EXPECT_EQ(row[colDueDate], "10/12/2026");
    EXPECT_EQ(row[colDueTime], "09:30:00") << "the whole due property changed";
    EXPECT_EQ(EntryRows(ReadText(text, settings))[0][colDueDate], "7/12/26");
}

TEST(CalendarDocumentTest, EntriesComeInTheirNumbersOrder) {
    const std::string text = Calendar(Todo("SUMMARY:third\r\nX-TASKMERE-NUMBER:3\r\n") +
                                      Todo("SUMMARY:first\r\nX-TASKMERE-NUMBER:1\r\n") +
                                      Todo("SUMMARY:second\r\nX-TASKMERE-NUMBER:2\r\n"));
    TCalendarOrigin origin;
    const std::vector<TRow> rows = EntryRows(ReadText(text, {}, &origin));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][colDescription], "first");
    EXPECT_EQ(rows[2][colDescription], "third");
    ASSERT_EQ(origin.Entries.size(), 3u);
    EXPECT_NE(origin.Entries[0].Text.find("SUMMARY:first"), std::string::npos);
}

TEST(CalendarDocumentTest, AnEntryNumberedByItsPlaceKeepsItsNumberOnceSortedAmongNumberedOnes) {
    // "later" is No 2 by its place, so it comes before No 5, and saving must
    // not let it become No 1 by its new place.
    const std::string text =
        Calendar(Todo("SUMMARY:numbered\r\nX-TASKMERE-NUMBER:5\r\n") + Todo("SUMMARY:later\r\n"));
    TCalendarOrigin origin;
    const TBaseGrid grid = ReadText(text, {}, &origin);
    const std::vector<TRow> rows = EntryRows(grid);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][colNo] + " " + rows[0][colDescription], "2 later");
    // Twice: the second time from what the first save wrote.
    for (int save = 0; save < 2; ++save) {
        std::string saved;
        TCalendarOrigin written;
        WriteCalendar(grid, {}, &origin, [&](std::string_view bytes) { saved += bytes; }, &written);
        EXPECT_EQ(EntryRows(ReadText(saved, {})), rows) << saved;
        EXPECT_NE(saved.find("SUMMARY:later\r\nX-TASKMERE-NUMBER:2\r\nEND:VTODO"), std::string::npos) << saved;
        origin = std::move(written);
    }
}

const std::string Foreign = Calendar(
    "X-WR-CALNAME:Home\r\n"
    "BEGIN:VEVENT\r\nUID:event-1\r\nDTSTAMP:20261201T100000Z\r\nDTSTART:20261224T180000Z\r\n"
    "SUMMARY:Dinner\r\nEND:VEVENT\r\n"
    "BEGIN:VTODO\r\nUID:todo-kept\r\nDTSTAMP:20261201T100000Z\r\nSUMMARY:Water plants\r\n"
    "RRULE:FREQ=WEEKLY\r\nX-OTHER-APP:keep me\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Soon\r\n"
    "TRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VTODO\r\n"
    "BEGIN:VTODO\r\nUID:todo-edited\r\nDTSTAMP:20261201T100000Z\r\nSUMMARY:Old text\r\n"
    "X-OTHER-APP:still here\r\nEND:VTODO\r\n"
    "BEGIN:VJOURNAL\r\nUID:journal-1\r\nDTSTAMP:20261201T100000Z\r\nSUMMARY:Notes\r\nEND:VJOURNAL\r\n");

TEST(CalendarDocumentTest, SavingAnOpenedCalendarKeepsWhatTheTableDoesNotShow) {
    TCalendarOrigin origin;
    TBaseGrid grid = ReadText(Foreign, {}, &origin);
    ASSERT_EQ(grid.RowCount(), 3) << "events and journals are not entries";
    EXPECT_EQ(grid.CellView(colDescription, 2), "Old text");
    grid.SetCellText(colDescription, 2, "New text");
    const std::string saved = CalendarText(grid, {}, &origin);
    for (const char* kept :
         {"X-WR-CALNAME:Home\r\n", "BEGIN:VEVENT\r\nUID:event-1\r\n", "SUMMARY:Dinner\r\n", "BEGIN:VJOURNAL\r\n",
          "UID:todo-kept\r\n", "RRULE:FREQ=WEEKLY\r\n", "X-OTHER-APP:keep me\r\n", "BEGIN:VALARM\r\n",
          "TRIGGER:-PT15M\r\n", "UID:todo-edited\r\n", "X-OTHER-APP:still here\r\n", "SUMMARY:New text\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << "\n" << saved;
    EXPECT_EQ(saved.find("Old text"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("PRODID:-//Other"), std::string::npos) << saved;
    EXPECT_EQ(EntryRows(ReadText(saved, {})), EntryRows(grid));
}

TEST(CalendarDocumentTest, AnOpenedCalendarSavedUnchangedReadsBackCellForCell) {
    // A lone CR inside a value is read into the cell, but the library would
    // not write it out again.
    const std::string text = Calendar(Todo("SUMMARY:caf\r+\r\nDESCRIPTION:line\\nother\r\n"));
    TCalendarOrigin origin;
    const TBaseGrid grid = ReadText(text, Berlin(), &origin);
    EXPECT_EQ(EntryRows(ReadText(CalendarText(grid, Berlin(), &origin), Berlin())), EntryRows(grid));
}

TEST(CalendarDocumentTest, EntriesAlikeButForTheirPlacesGoOutAsTheyCameIn) {
    // Written again by the library, the lone CR would be lost.
    const std::string todo = "BEGIN:VTODO\r\nUID:same\r\nSUMMARY:caf\r+\r\nEND:VTODO\r\n";
    const std::string text = Calendar(todo + todo + todo);
    TCalendarOrigin origin;
    const TBaseGrid grid = ReadText(text, {}, &origin);
    const std::string saved = CalendarText(grid, {}, &origin);
    EXPECT_NE(saved.find(todo + todo + todo), std::string::npos) << saved;
    EXPECT_EQ(EntryRows(ReadText(saved, {})), EntryRows(grid));
}

TEST(CalendarDocumentTest, AnUnchangedEntryGoesOutAsItCameInEvenAfterASort) {
    TCalendarOrigin origin;
    TBaseGrid grid = ReadText(Foreign, {}, &origin);
    const std::string kept = origin.Entries[0].Text;
    std::string saved = CalendarText(grid, {}, &origin);
    EXPECT_NE(saved.find(kept), std::string::npos) << saved;
    // Renumbered by a sort: only the order changes.
    const std::vector<std::uint32_t> swap{1, 0};
    grid.PermuteRows(1, swap);
    TaskTable::Renumber(grid);
    saved = CalendarText(grid, {}, &origin);
    const std::vector<TRow> rows = EntryRows(ReadText(saved, {}));
    EXPECT_EQ(rows[0][colDescription], "Old text");
    EXPECT_EQ(rows[1][colDescription], "Water plants");
    EXPECT_NE(saved.find("BEGIN:VALARM"), std::string::npos) << saved;
}

std::string UidOf(const std::string& calendar, const std::string& summary) {
    const std::size_t at = calendar.find("SUMMARY:" + summary + "\r\n");
    const std::size_t begin = calendar.rfind("BEGIN:VTODO", at);
    const std::size_t uid = calendar.find("UID:", begin);
    return at == std::string::npos || uid > at ? "" : calendar.substr(uid, calendar.find('\r', uid) - uid);
}

TEST(CalendarDocumentTest, AnEntryKeepsItsUidFromSaveToSave) {
    TCalendarOrigin origin;
    TBaseGrid grid = ReadText(Foreign, {}, &origin);
    grid.SetRowCount(4);
    grid.SetCellText(colNo, 3, "3");
    grid.SetCellText(colDescription, 3, "Fresh");
    std::string first;
    TCalendarOrigin written;
    WriteCalendar(grid, {}, &origin, [&](std::string_view bytes) { first += bytes; }, &written);
    grid.SetCellText(colDescription, 3, "Fresher");
    grid.SetCellText(colDescription, 1, "Water the plants");
    const std::string second = CalendarText(grid, {}, &written);
    ASSERT_NE(UidOf(first, "Fresh"), "");
    EXPECT_EQ(UidOf(first, "Fresh"), UidOf(second, "Fresher"));
    EXPECT_EQ(UidOf(second, "Water the plants"), "UID:todo-kept");
    EXPECT_NE(second.find("BEGIN:VEVENT"), std::string::npos);
}

TEST(CalendarDocumentTest, BadInputIsRefusedNamingTheFileAndTheReason) {
    EXPECT_EQ(ReadFailure("No,Entry Date\r\n1,07/12/2026\r\n"), "Cannot open file list.ics: it is not an iCalendar file");
    EXPECT_EQ(ReadFailure(""), "Cannot open file list.ics: it is not an iCalendar file");
    EXPECT_EQ(ReadFailure(Calendar("BEGIN:VEVENT\r\nUID:e\r\nEND:VEVENT\r\n")),
              "Cannot open file list.ics: it holds no to-do entries");
    EXPECT_EQ(ReadFailure("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:x\r\nEND:VCALENDAR\r\n"),
              "Cannot open file list.ics: line 4: END:VCALENDAR without its BEGIN");
    EXPECT_EQ(ReadFailure("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:cut off"),
              "Cannot open file list.ics: BEGIN:VTODO is never ended");
    EXPECT_EQ(ReadFailure(Calendar(Todo("DUE;TZID=Nowhere/Atlantis:20261224T080000\r\n"))),
              "Cannot open file list.ics: line 4: unknown time zone Nowhere/Atlantis");
    std::string deep = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 100; ++i) deep += "BEGIN:VTODO\r\n";
    EXPECT_EQ(ReadFailure(deep), "Cannot open file list.ics: line 17: components nested too deeply");
}

// Thousands of entries are read and written on several threads at once: the
// order, the UIDs, what an opened calendar keeps and the first bad to-do of
// the file are as if they were taken one by one.
TEST(CalendarDocumentTest, ALargeCalendarComesBackInOrderAndFailsAtItsFirstBadToDo) {
    const TCalendarSettings settings = Berlin();
    std::vector<TRow> rows;
    for (int i = 1; i <= 3000; ++i)
        rows.push_back({std::to_string(i), "07/12/2026", i % 3 ? "Pending" : "Completed", "Entry " + std::to_string(i),
                        "High", "24/12/2026", i % 2 ? "09:30:00" : "", "", "", "", "", "08/12/2026", "10:00:00", ""});
    const std::string text = CalendarText(TableOfRows(rows), settings);
    TCalendarOrigin origin;
    TBaseGrid grid = ReadText(text, settings, &origin);
    EXPECT_EQ(EntryRows(grid), rows);
    std::set<std::string> uids;
    for (std::size_t at = text.find("\nUID:"); at != std::string::npos; at = text.find("\nUID:", at + 1))
        uids.insert(text.substr(at, text.find('\r', at) - at));
    EXPECT_EQ(uids.size(), rows.size());

    grid.SetCellText(colDescription, 1500, "Edited");
    const std::vector<std::uint32_t> reversed = [] {
        std::vector<std::uint32_t> order(3000);
        for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = std::uint32_t(order.size() - 1 - i);
        return order;
    }();
    grid.PermuteRows(1, reversed);
    TaskTable::Renumber(grid);
    const std::string saved = CalendarText(grid, settings, &origin);
    EXPECT_EQ(EntryRows(ReadText(saved, settings)), EntryRows(grid));
    EXPECT_EQ(UidOf(saved, "Entry 7"), UidOf(text, "Entry 7"));

    std::string broken = text;
    for (const int entry : {2500, 1200}) {
        const std::size_t at = broken.find("SUMMARY:Entry " + std::to_string(entry) + "\r\n");
        broken.insert(at, "DUE;TZID=Nowhere/" + std::to_string(entry) + ":20261224T080000\r\n");
    }
    EXPECT_NE(ReadFailure(broken, settings).find(": unknown time zone Nowhere/1200"), std::string::npos)
        << ReadFailure(broken, settings);
}

TEST(CalendarDocumentTest, LinesWithBrokenValuesAreLeftOut) {
    const std::vector<TRow> rows = EntryRows(ReadText(
        Calendar(Todo("SUMMARY:still read\r\nthis line has no colon\r\nDUE:notadate\r\nPRIORITY:high\r\n")), {}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][colDescription], "still read");
    EXPECT_EQ(rows[0][colDueDate], "");
}

TEST(CalendarDocumentTest, FileNamesEndingInIcsAreCalendars) {
    EXPECT_TRUE(IsCalendarFileName("/home/ann/Tasks.ICS"));
    EXPECT_TRUE(IsCalendarFileName("list.ics"));
    EXPECT_FALSE(IsCalendarFileName("list.tkm"));
    EXPECT_FALSE(IsCalendarFileName("/home/ann/.ics"));
    EXPECT_FALSE(IsCalendarFileName("ics"));
}

}  // namespace
}  // namespace tkm
