#include "platform/core/libreoffice_converter.h"

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/percent_encoding.h"
#include "base/termination_cleanup.h"
#include "base/translatable.h"
#include "grid/io/export_formats.h"
#include "platform/core/ods_cell_tabs.h"
#include "platform/core/time_limited_process.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tkm {

namespace {

namespace fs = std::filesystem;

// LibreOffice converts about 1 MB of flat document a second to OpenDocument
// and half that to the Word and Excel formats; a fifth of that leaves room
// for a busy machine.
constexpr std::uintmax_t BytesPerExtraSecond = 200 * 1024;

bool IsOpenDocument(TOfficeFormat format) { return format == TOfficeFormat::Odt || format == TOfficeFormat::Ods; }

// Word's own formats, which the Word filters write.
bool IsWordFormat(TOfficeFormat format) {
    return TraitsOf(format).Server == TOfficeServer::Word && !IsOpenDocument(format);
}

std::chrono::seconds ExtraTimeFor(TOfficeFormat format, std::uintmax_t sourceBytes) {
    const std::uintmax_t rate = IsOpenDocument(format) ? BytesPerExtraSecond : BytesPerExtraSecond / 2;
    std::uintmax_t seconds = sourceBytes / rate;
    // The Word filters' time grows with the square of the document too: 127 MB
    // (100,000 entries) took them nine and a half minutes of one core.
    if (IsWordFormat(format)) {
        const std::uintmax_t megabytes = sourceBytes >> 20;
        seconds += megabytes * megabytes / 25;
    }
    return std::chrono::seconds(seconds);
}

// The Save As type that holds the same list in far less time: OpenDocument
// Text for a Word document, a file without LibreOffice for the others.
std::string FasterTypeThan(TOfficeFormat format) {
    return DescriptionText(*ExportFormatFor(IsWordFormat(format) ? "odt" : "csv"));
}
constexpr std::size_t MostOfWhatItSaid = 400;

[[noreturn]] void CannotCreate(const std::string& targetPath, const std::string& reason) {
    throw EGridFileError(CannotCreateFileText(targetPath), targetPath, reason);
}

// The folder of one conversion: the document, LibreOffice's profile and its
// output, removed with everything in it, by a termination signal too.
class TWorkFolder {
public:
    explicit TWorkFolder(const std::string& targetPath) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/taskmere-office-XXXXXX";
        if (!mkdtemp(pattern.data()))
            CannotCreate(targetPath, FillText(TKM_TR("Office", "no working folder for LibreOffice in %1: %2"),
                                              {fs::path(pattern).parent_path().string(), ErrnoText(errno)}));
        path_ = pattern;
        removedOnTermination_.emplace(pattern, TRemovedOnTermination::TKind::Folder);
    }
    ~TWorkFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TWorkFolder(const TWorkFolder&) = delete;
    TWorkFolder& operator=(const TWorkFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
    std::optional<TRemovedOnTermination> removedOnTermination_;
};

// A file URL for LibreOffice's -env: options.
std::string FileUrl(const std::string& path) { return "file://" + PercentEncoded(path, "-._~/"); }

// The end of what LibreOffice printed, without its complaint about Java,
// which it makes on every run without one.
std::string WhatItSaid(const std::string& logPath) {
    std::ifstream in(logPath, std::ios::binary);
    std::string said, line;
    while (std::getline(in, line)) {
        if (line.find("javaldx") != std::string::npos) continue;
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
        if (line.empty()) continue;
        if (!said.empty()) said += ' ';
        said += line;
    }
    if (said.empty()) return TKM_TR("Office", "it gave no reason");
    if (said.size() > MostOfWhatItSaid) said = "..." + said.substr(said.size() - MostOfWhatItSaid);
    return FillText(TKM_TR("Office", "it said \"%1\""), {said});
}

void CopyInto(const std::string& from, TAtomicFile& to) {
    std::ifstream in(from, std::ios::binary);
    std::string block(std::size_t(1) << 20, '\0');
    while (in) {
        in.read(block.data(), std::streamsize(block.size()));
        if (in.gcount() > 0) to.Write(std::string_view(block.data(), std::size_t(in.gcount())));
    }
    if (in.bad()) throw EInOutError(TFileAction::Read, from, TKM_TR("Office", "the read failed"));
}

}  // namespace

void TLibreOfficeConverter::Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                                    const std::string& targetPath, std::stop_token stop) {
    const TOfficeFormatTraits& traits = TraitsOf(format);
    const std::optional<std::string> soffice = FindProgramOnPath("soffice");
    if (!soffice) throw EGridError(ServerNotFoundMessage(traits.Server));

    // A target that cannot be written fails before LibreOffice starts.
    TAtomicFile target(targetPath);
    const TWorkFolder work(targetPath);
    // Fixed plain names: the user's file name never has to survive
    // LibreOffice's reading of its command line.
    const std::string source = work.File(traits.Server == TOfficeServer::Word ? "taskmere.fodt" : "taskmere.fods");
    try {
        TAtomicFile sourceFile(source);
        writeDocument([&](std::string_view bytes) { sourceFile.Write(bytes); });
        sourceFile.Commit();
    } catch (const EInOutError& e) {
        CannotCreate(targetPath, FillText(TKM_TR("Office", "the copy for LibreOffice could not be written to %1: %2"),
                                          {e.Path(), e.Reason()}));
    }

    const std::string log = work.File("soffice.log");
    const auto limit = timeLimit_ + ExtraTimeFor(format, fs::file_size(source));
    const TProcessOutcome outcome = RunTimeLimited(
        *soffice,
        {"-env:UserInstallation=" + FileUrl(work.File("profile")), "--headless", "--invisible", "--norestore",
         "--nolockcheck", "--nodefault", "--nologo", "--convert-to",
         std::string(traits.Extension) + ":" + traits.ExportFilter, "--outdir", work.File("out"), source},
        log, limit, stop);
    using TEnd = TProcessOutcome::TEnd;
    switch (outcome.End) {
    case TEnd::NotStarted:
        CannotCreate(targetPath, FillText(TKM_TR("Office", "LibreOffice (%1) did not start: %2"),
                                          {*soffice, ErrnoText(outcome.Code)}));
    case TEnd::TimedOut:
        CannotCreate(targetPath,
                     FillText(TKM_TR("Office", "LibreOffice did not finish in the time allowed (%1 s) and was "
                                               "stopped; save it as %2, which takes a fraction of the time"),
                              {std::to_string((limit.count() + 999) / 1000), FasterTypeThan(format)}));
    case TEnd::Cancelled: throw EAbort();
    case TEnd::Signalled:
        CannotCreate(targetPath, FillText(TKM_TR("Office", "LibreOffice was ended by signal %1; %2"),
                                          {std::to_string(outcome.Code), WhatItSaid(log)}));
    case TEnd::Exited:
        if (outcome.Code != 0)
            CannotCreate(targetPath, FillText(TKM_TR("Office", "LibreOffice failed with exit code %1; %2"),
                                              {std::to_string(outcome.Code), WhatItSaid(log)}));
    }
    const std::string converted = work.File(std::string("out/taskmere.") + traits.Extension);
    std::error_code missing;
    if (fs::file_size(converted, missing) == 0 || missing)
        CannotCreate(targetPath, FillText(TKM_TR("Office", "LibreOffice wrote no file; %1"), {WhatItSaid(log)}));
    if (format == TOfficeFormat::Ods) KeepCellTabs(converted);
    CopyInto(converted, target);
    target.Commit();
}

}  // namespace tkm
