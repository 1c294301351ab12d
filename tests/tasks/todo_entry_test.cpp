#include "tasks/todo_entry.h"

#include "tasks/calendar_zones.h"
#include "tasks/content_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tkm {
namespace {

struct TComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

TComponent Parsed(const std::string& text) { return TComponent(icalparser_parse_string(text.c_str())); }

struct TSettings {
    TLocaleFormats Formats;
    std::string Zone;
};

std::vector<TSettings> EverySetting() {
    TSettings twelveHour;
    twelveHour.Formats.ShortDateFormat = "m/d/yyyy";
    twelveHour.Formats.LongTimeFormat = "h:nn:ss AM/PM";
    twelveHour.Zone = "America/New_York";
    return {{TLocaleFormats{}, "Europe/Berlin"}, twelveHour, {TLocaleFormats{}, "UTC"}, {TLocaleFormats{}, ""}};
}

// Entries with texts that fold anywhere, multi-byte characters across the
// fold, every character the escapes care about, and dates, times and numbers
// both readable and not.
std::vector<TEntryCells> VariedEntries(const TLocaleFormats& formats) {
    std::mt19937 random(20261209);
    const auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    const std::vector<std::string> pieces{"a", "Z", " ", ":", ";", ",", "\\", "\n", "\r\n", "\t", "%", "\"",
                                          "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xE9", "word ", "x"};
    const auto text = [&](std::size_t most) {
        std::string out;
        for (std::size_t n = random() % most; n > 0; --n) out += pick(pieces);
        return out;
    };
    const std::string date = FormatDate(TDate{2026, 3, 29}, formats.ShortDateFormat, formats);
    const std::string time = FormatTime(TTimeOfDay{2, 30, 0}, formats.LongTimeFormat, formats);
    std::vector<TEntryCells> entries;
    for (int i = 0; i < 300; ++i) {
        TEntryCells cells;
        cells[colNo] = pick({std::to_string(i + 1), "", "7a"});
        cells[colEntryDate] = pick({date, "", "31/02/2026", "7/12/26"});
        cells[colStatus] = pick({"Not Started", "In Progress", "Pending", "Completed", "Cancelled", "Postponed", "Odd"});
        cells[colDescription] = text(120);
        cells[colPriority] = pick({"Most Important", "High", "Normal", "Low", "Lowest", "", "urgent"});
        cells[colDueDate] = pick({date, "", "next week"});
        cells[colDueTime] = pick({time, "", "9:30", "25:00:00"});
        cells[colResources] = text(60);
        cells[colTotalHours] = pick({"1.5", "", "x"});
        cells[colCost] = pick({"12.00", "", " 3 "});
        cells[colProgress] = pick({"0", "40", "100", "", "150"});
        cells[colCompletionDate] = pick({date, ""});
        cells[colCompletionTime] = pick({time, "", "noon"});
        cells[colComment] = text(200);
        entries.push_back(cells);
    }
    return entries;
}

std::vector<std::string_view> Views(const TEntryCells& cells) { return {cells.begin(), cells.end()}; }

TWrittenColumns AllColumns() {
    TWrittenColumns written;
    written.fill(true);
    return written;
}

std::string TodoText(const TEntryCells& cells, const TTodoFormats& formats) {
    std::string text = "BEGIN:VTODO\r\n";
    AppendEntryLines(Views(cells), AllColumns(), formats, text);
    return text + "END:VTODO\r\n";
}

TEST(TodoEntryTest, EntriesAreWrittenAsTheLibraryWritesThemAndReadPlainlyAsItReadsThem) {
    for (const TSettings& settings : EverySetting()) {
        const TCalendarZones zones(settings.Zone);
        const TTodoFormats formats{settings.Formats, zones};
        for (const TEntryCells& cells : VariedEntries(settings.Formats)) {
            // The library writes the same properties byte for byte, once its
            // bare semicolons in lists are escaped.
            const std::string text = TodoText(cells, formats);
            const TComponent built(icalcomponent_new(ICAL_VTODO_COMPONENT));
            WriteEntryProperties(Views(cells), AllColumns(), formats, built.get());
            EXPECT_EQ(ComponentText(built.get()), text);

            const TComponent parsed = Parsed(text);
            ASSERT_TRUE(parsed) << text;
            const auto plain = EntryFromTodoText(text, formats, "9");
            ASSERT_TRUE(plain) << "Taskmere's own to-do was not read plainly:\n" << text;
            EXPECT_EQ(*plain, EntryFromTodo(parsed.get(), formats, "9")) << text;
            EXPECT_EQ(*plain, cells) << text;
        }
    }
}

// What other programs write, and what is odd enough that the library has
// ways of its own with it: the plain reading either gives what the library
// gives or leaves the to-do to the library.
TEST(TodoEntryTest, ThePlainReadingOfAnyToDoGivesWhatTheLibraryGivesOrNothing) {
    const std::vector<std::string> bodies{
        "SUMMARY:Thunderbird\r\nDUE;TZID=Europe/Berlin:20261224T093000\r\nCREATED:20261201T100000Z\r\n"
        "X-MOZ-GENERATION:2\r\nPRIORITY:0\r\nSTATUS:IN-PROCESS\r\nPERCENT-COMPLETE:30\r\n",
        "SUMMARY:todoman\r\nDUE;VALUE=DATE:20261224\r\nCOMPLETED:20261230T233000Z\r\nSTATUS:COMPLETED\r\n",
        "SUMMARY:raw, commas; semicolons: colons\r\nDESCRIPTION:a\\nb\\Nc\\,d\\;e\\\\f\r\n",
        "SUMMARY:tab\there\r\nRESOURCES:Ann,Bob\r\nRESOURCES:Carla, Dee\r\n",
        "SUMMARY:fol\r\n ded\r\n\tagain\r\nDUE:20261224T070000\r\n",
        "SUMMARY;LANGUAGE=de:Hallo\r\n",
        "summary:lower case\r\n",
        "x-taskmere-task:lower case copy\r\n",
        "SUMMARY:x\\ty\\rz\\q\r\n",
        "SUMMARY:ends in a backslash\\\r\n",
        "SUMMARY: blanks \r\n",
        "SUMMARY:\r\n",
        "SUMMARY:lone\rCR\r\n",
        "PRIORITY:05\r\nPERCENT-COMPLETE:007\r\n",
        "PRIORITY:12\r\nPRIORITY:+3\r\nPRIORITY:-1\r\n",
        "STATUS:needs-action\r\nSTATUS:X-WAITING\r\n",
        "DUE:20260230T100000\r\n",
        "DUE:20261224T250000\r\n",
        "DUE;VALUE=DATE-TIME:20261224\r\n",
        "DUE;TZID=\"Europe/Berlin\":20261224T100000\r\n",
        "DUE;TZID=America/New_York:20261224T100000Z\r\n",
        "DUE;VALUE=DATE;TZID=Nowhere:20261224\r\n",
        "DUE:30011224T100000\r\n",
        "X-TASKMERE-TASK;X-TASKMERE-OF=0000000000000000:a\\,b\r\n",
        "X-TASKMERE-NUMBER:12\r\nX-TASKMERE-NUMBER:7\r\nX-TASKMERE-COST;X-OTHER=1:5\r\n",
        "X-TASKMERE-TASK;X-TASKMERE-OF=\"q:r\":v\r\n",
        "SUMMARY:outside\r\nBEGIN:VALARM\r\nSUMMARY:inside the alarm\r\nDESCRIPTION:x\r\nEND:VALARM\r\n",
        "begin:VALARM\r\nSUMMARY:inside\r\nEND:VALARM\r\n",
        "SUMMARY:a\r\n\r\nSUMMARY:b\r\n",
        "SUMMARY:caf\xE9\r\nDESCRIPTION:\xF0\x9F\x98\x80\r\n",
    };
    const TCalendarZones zones("Europe/Berlin");
    const TTodoFormats formats{TLocaleFormats{}, zones};
    int plain = 0;
    for (const std::string& body : bodies) {
        const std::string text = "BEGIN:VTODO\r\nUID:x\r\n" + body + "END:VTODO\r\n";
        const auto cells = EntryFromTodoText(text, formats, "3");
        if (!cells) continue;
        ++plain;
        const TComponent parsed = Parsed(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*cells, EntryFromTodo(parsed.get(), formats, "3")) << text;
    }
    // The common forms at the top are read plainly.
    EXPECT_GE(plain, 5);
    for (const char* odd : {"SUMMARY;LANGUAGE=de:Hallo\r\n", "summary:x\r\n", "PRIORITY:05\r\n", "DUE:20260230T100000\r\n"})
        EXPECT_FALSE(EntryFromTodoText(std::string("BEGIN:VTODO\r\n") + odd + "END:VTODO\r\n", formats, "1")) << odd;
}

std::vector<std::string> Values(icalcomponent* todo, icalproperty_kind kind) {
    std::vector<std::string> values;
    for (icalproperty* p = icalcomponent_get_first_property(todo, kind); p; p = icalcomponent_get_next_property(todo, kind))
        values.emplace_back(icalvalue_get_text(icalproperty_get_value(p)));
    return values;
}

TEST(TodoEntryTest, SemicolonsInTextListsAreEscapedWhoeverWritesTheLine) {
    const TCalendarZones zones("UTC");
    const TTodoFormats formats{TLocaleFormats{}, zones};
    TEntryCells cells;
    cells[colDescription] = "meeting";
    cells[colResources] = "Room 1; east wing, C:\\beamer";
    const std::string text = TodoText(cells, formats);
    EXPECT_NE(text.find("\r\nRESOURCES:Room 1\\; east wing, C:\\\\beamer\r\n"), std::string::npos) << text;
    const TComponent parsed = Parsed(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(EntryFromTodo(parsed.get(), formats, "1")[colResources], cells[colResources]);
    EXPECT_EQ(*EntryFromTodoText(text, formats, "1"), EntryFromTodo(parsed.get(), formats, "1"));

    // Another program's list, folded, goes back with its semicolons escaped
    // and its other lines as they were.
    const std::string categories = "CATEGORIES:" + std::string(60, 'c') + ";after the fold,x\\;y";
    const TComponent foreign =
        Parsed("BEGIN:VTODO\r\nUID:1\r\nSUMMARY:a\\; b\r\n" + categories + "\r\nEND:VTODO\r\n");
    ASSERT_TRUE(foreign);
    const std::string written = ComponentText(foreign.get());
    std::string folded;
    AppendFoldedLine("CATEGORIES:" + std::string(60, 'c') + "\\;after the fold", folded);
    EXPECT_NE(written.find(folded), std::string::npos) << written;
    EXPECT_NE(written.find("\r\nCATEGORIES:x\\;y\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\r\nSUMMARY:a\\; b\r\n"), std::string::npos) << written;
    const TComponent again = Parsed(written);
    EXPECT_EQ(Values(again.get(), ICAL_CATEGORIES_PROPERTY), Values(foreign.get(), ICAL_CATEGORIES_PROPERTY));
}

TEST(TodoEntryTest, ATimeZoneNobodyKnowsIsAnErrorEitherWay) {
    const TCalendarZones zones("Europe/Berlin");
    const TTodoFormats formats{TLocaleFormats{}, zones};
    const std::string text = "BEGIN:VTODO\r\nDUE;TZID=Nowhere/Atlantis:20261224T080000\r\nEND:VTODO\r\n";
    EXPECT_THROW(EntryFromTodoText(text, formats, "1"), EGridError);
    const TComponent parsed = Parsed(text);
    EXPECT_THROW(EntryFromTodo(parsed.get(), formats, "1"), EGridError);
}

std::string LibraryFolded(const std::string& value) {
    icalproperty* property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, "X-A");
    char* text = icalproperty_as_ical_string_r(property);
    std::string out(text);
    std::free(text);
    icalproperty_free(property);
    return out;
}

TEST(TodoEntryTest, LinesFoldAsTheLibraryFoldsThemButNeverBetweenCrAndLf) {
    std::mt19937 random(75);
    const std::vector<std::string> pieces{"a", "1", " ", ":", ";", ",", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
    for (int i = 0; i < 3000; ++i) {
        std::string value;
        for (std::size_t n = random() % 250; n > 0; --n) value += pieces[random() % pieces.size()];
        if (value.empty()) continue;
        std::string mine;
        AppendFoldedLine("X-A:" + value, mine);
        const std::string library = LibraryFolded(value);
        if (library.find("\r\r\n") == std::string::npos) EXPECT_EQ(mine, library);
    }
    // 73 octets left with no place to break: the library would put the CR
    // at the end of one line and the LF on the next.
    const std::string digits(73, '7');
    ASSERT_NE(LibraryFolded(digits).find("\r\r\n \n"), std::string::npos);
    std::string mine;
    AppendFoldedLine("X-A:" + digits, mine);
    EXPECT_EQ(mine, "X-A:\r\n " + digits + "\r\n");
}

}  // namespace
}  // namespace tkm
