#pragma once

#include "cli/cli_options.h"
#include "grid/io/export_formats.h"
#include "platform/office_converter.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tkm::cli {

struct TCommand {
    std::string Name;
    std::string Usage;
    std::vector<std::string> ValuedOptions;  // options of this command that take a value
    std::function<int(TArguments&)> Run;     // returns the exit code
};

// The most entries a command adds in one go.
constexpr int MaxEntryCount = 10'000'000;

// Every subcommand, in the order `tkm --help` lists them.
const std::vector<TCommand>& Commands();

// The document format's subcommands, each in its own file.
TCommand DumpCommand();
TCommand ResaveCommand();
TCommand NewCommand();

// `tkm add FILE [...]`: entries added as Add Multiple Entries adds them.
TCommand AddCommand();

// `tkm sort FILE --column N [--descending] [-o OUT]`.
TCommand SortCommand();

// `tkm find FILE TEXT [...]`: every hit in scan order as column<TAB>row.
TCommand FindCommand();

// `tkm export FILE OUT --type T [...]`: the Save As types through the same
// writers, the office types through `office`, and PDF through the print job.
TCommand ExportCommand(std::shared_ptr<OfficeConverter> office);
// `tkm import IN.ics OUT.tkm [--force]`: an iCalendar file's to-dos as a document.
TCommand ImportCommand();
// `tkm caldav list|pull|push ...`: lists on a CalDAV server.
TCommand CaldavCommand();

}  // namespace tkm::cli
