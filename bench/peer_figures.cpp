#include "peer_figures.h"

#include "child_process.h"
#include "document_generator.h"

#include <cctype>
#include <filesystem>

namespace tkm::bench {

namespace {

constexpr const char* PythonReader =
    "import csv, sys\n"
    "with open(sys.argv[1], newline='', encoding='latin-1') as f:\n"
    "    rows = list(csv.reader(f))\n"
    "print(len(rows))\n";

}  // namespace

bool TPeerFigures::TimeCommand(const std::string& name, const std::vector<std::string>& args) {
    bool failed = false;
    const double seconds = MedianSeconds(runs_, [&] {
        const TProcessResult run = RunProcess(args);
        if (run.ExitCode != 0 && !failed) {
            Note(name + " failed (" + std::to_string(run.ExitCode) + "): " + run.Output);
            failed = true;
        }
        return run.Seconds;
    });
    if (failed) return false;
    report_.Seconds(name, document_.Entries, seconds, document_.Bytes);
    return true;
}

void TPeerFigures::PythonCsv() {
    if (!ProgramOnPath("python3")) return Note("peer:python-csv skipped: python3 is not installed");
    // A version manager's python3 is a script that starts the interpreter: time the interpreter.
    TProcessResult where = RunProcess({"python3", "-c", "import sys; print(sys.executable)"});
    while (!where.Output.empty() && std::isspace(static_cast<unsigned char>(where.Output.back())))
        where.Output.pop_back();
    const std::string python = where.ExitCode == 0 && !where.Output.empty() ? where.Output : "python3";
    TimeCommand("peer:python-csv", {python, "-c", PythonReader, document_.FileName});
}

void TPeerFigures::LibreOffice() { LibreOfficeConversion("peer:libreoffice", "csv", "csv"); }

void TPeerFigures::LibreOfficeXls() { LibreOfficeConversion("peer:libreoffice-xls", "xls:MS Excel 97", "xls"); }

void TPeerFigures::LibreOfficeConversion(const std::string& name, const std::string& filter,
                                         const std::string& extension) {
    if (!ProgramOnPath("soffice")) return Note(name + " skipped: soffice is not installed");
    namespace fs = std::filesystem;
    const std::string profile = "-env:UserInstallation=file://" + folder_ + "/soffice-profile";
    const fs::path input = folder_ + "/soffice-in", output = folder_ + "/soffice-out";
    fs::create_directories(input);
    const auto convert = [&](const fs::path& file) {
        return std::vector<std::string>{"soffice", profile,    "--headless", "--norestore", "--convert-to",
                                        filter,    "--outdir", output,       file};
    };
    // The first start of a fresh profile sets it up; that is no part of a conversion.
    const fs::path tiny = input / "warmup.csv";
    GenerateDocument(tiny, 1, BenchToday, document_.Formats);
    RunProcess(convert(tiny));
    // Named .csv, so LibreOffice opens it with its CSV import as a user's double-click would.
    const fs::path csv = input / "document.csv";
    fs::remove(csv);
    fs::create_symlink(fs::absolute(document_.FileName), csv);  // the cached document may be on another file system
    const bool timed = TimeCommand(name, convert(csv));
    fs::remove(csv);
    const fs::path converted = output / ("document." + extension);
    if (timed && (!fs::exists(converted) || fs::file_size(converted) < document_.Bytes / 2))
        Note(name + " wrote " + converted.string() + " short or not at all: not a whole conversion");
}

}  // namespace tkm::bench
