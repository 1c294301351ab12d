#include "cli/commands.h"
#include "cli/document_files.h"
#include "tasks/multiple_entries.h"

#include <algorithm>
#include <limits>

namespace tkm::cli {

namespace {

template <std::size_t N>
std::string VocabularyWord(TArguments& args, const std::string& option, const std::array<std::string_view, N>& words,
                           std::string_view fallback) {
    const std::string word = args.TakeValue(option).value_or(std::string(fallback));
    if (std::find(words.begin(), words.end(), word) == words.end()) {
        std::string known;
        for (const std::string_view w : words) known += (known.empty() ? "" : ", ") + std::string(w);
        throw EUsage("unknown " + option.substr(2) + " '" + word + "' (one of " + known + ")");
    }
    return word;
}

// Dates and times are written as the dialog's pickers write them.
std::string DateValue(TArguments& args, const std::string& option, const TDate& fallback) {
    const std::optional<std::string> text = args.TakeValue(option);
    const std::optional<TDate> date = text ? ParseDate(*text, args.Formats) : fallback;
    if (!date)
        throw EUsage("bad value for " + option + ": " + *text + " (a date as " + args.Formats.ShortDateFormat + ")");
    return FormatDate(*date, args.Formats.ShortDateFormat, args.Formats);
}

std::string TimeValue(TArguments& args, const std::string& option, const TTimeOfDay& fallback) {
    const std::optional<std::string> text = args.TakeValue(option);
    const std::optional<TTimeOfDay> time = text ? ParseTime(*text, args.Formats) : fallback;
    if (!time) throw EUsage("bad value for " + option + ": " + *text);
    return FormatTime(*time, args.Formats.LongTimeFormat, args.Formats);
}

// An unsigned decimal number, shown to the dialog edit's places.
std::string NumberValue(TArguments& args, const std::string& option, int decimals) {
    const std::string text = args.TakeValue(option).value_or("0");
    const char separator = args.Formats.DecimalSeparator;
    const bool readable = !text.empty() && std::count(text.begin(), text.end(), separator) <= 1 &&
                          std::all_of(text.begin(), text.end(), [&](char c) {
                              return (c >= '0' && c <= '9') || c == separator;
                          }) && text != std::string(1, separator);
    if (!readable) throw EUsage("bad value for " + option + ": " + text + " (an unsigned number)");
    return MultipleEntries::FixedDecimals(text, decimals, separator);
}

int RunAdd(TArguments& args) {
    const int count = args.TakeInteger("--count", MultipleEntries::InitialCount, 1, MaxEntryCount);
    const int before = args.TakeInteger("--before", 0, 1, std::numeric_limits<int>::max());
    TEntryValues values;
    values.Status = VocabularyWord(args, "--status", TaskTable::StatusVocabulary, values.Status);
    values.Priority = VocabularyWord(args, "--priority", TaskTable::PriorityVocabulary, values.Priority);
    values.EntryDate = DateValue(args, "--entry-date", args.Clock.Today());
    values.DueDate = DateValue(args, "--due-date", args.Clock.Today());
    values.DueTime = TimeValue(args, "--due-time", args.Clock.Now());
    values.TotalHours = NumberValue(args, "--hours", 1);
    values.Cost = NumberValue(args, "--cost", 2);
    values.Resources = args.TakeValue("--resources").value_or("");
    const std::optional<std::string> output = args.TakeValue("-o");
    args.RejectUnknown();
    args.ExpectPositional(1, 1);

    TBaseGrid grid;
    TCalendarOrigin origin;
    LoadDocument(grid, args.Positional[0], args, &origin);
    const TaskTable::TNewEntryContext context{args.Clock, args.Formats};
    if (before >= grid.RowCount())
        throw EUsage("bad value for --before: " + std::to_string(before) + " (the list's entries are rows 1 to " +
                     std::to_string(grid.RowCount() - 1) + ")");
    if (before > 0) {
        MultipleEntries::InsertBefore(grid, before, count, values, context);
    } else {
        MultipleEntries::AddAtEnd(grid, count, [&] { return values; }, context);
    }
    TaskTable::Renumber(grid);
    SaveDocument(grid, output.value_or(args.Positional[0]), args, &origin);
    return 0;
}

}  // namespace

TCommand AddCommand() {
    return {"add",
            "add FILE [--count N] [--before ROW] [--status S] [--priority P] [--entry-date D] [--due-date D]\n"
            "    [--due-time T] [--hours H] [--cost C] [--resources R] [-o OUT]\n"
            "                            add entries as Add Multiple Entries does and renumber; OUT defaults to FILE",
            {"--count", "--before", "--status", "--priority", "--entry-date", "--due-date", "--due-time", "--hours",
             "--cost", "--resources"},
            RunAdd};
}

}  // namespace tkm::cli
