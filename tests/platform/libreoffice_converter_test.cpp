#include "platform/core/libreoffice_converter.h"
#include "base/errors.h"
#include "base/termination_cleanup.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace tkm {
namespace {

using test::ReadBytes;
using test::TScopedEnv;
using test::TTempFolder;
using test::WriteBytes;

namespace fs = std::filesystem;

const TFlatDocumentWriter SmallDocument = [](const TByteSink& sink) { sink("<office:document/>\n"); };

// A stand-in for soffice: a shell script on a PATH of its own that notes its
// arguments and profile folder and then does what `body` says. $out is the
// file LibreOffice would write, $src the document it was given, $here the
// folder of File().
class TStandIn {
public:
    explicit TStandIn(const std::string& body)
        : path_(folder_.File("bin") + ":/usr/bin:/bin"),
          tmp_(folder_.File("tmp #1")),
          env_("PATH", path_),
          tmpEnv_("TMPDIR", tmp_) {
        fs::create_directory(folder_.File("bin"));
        fs::create_directory(tmp_);
        const std::string script = folder_.File("bin/soffice");
        WriteBytes(script,
                   "#!/bin/sh\n"
                   "here='" +
                       folder_.Path().string() +
                       "'\n"
                       // First, so a run stopped early still names its process.
                       "echo $$ > \"$here/pid\"\n"
                       "printf '%s\\n' \"$@\" > '" +
                       folder_.File("args") +
                       "'\n"
                       "for a; do src=$a; done\n"
                       "outdir=$(printf '%s\\n' \"$@\" | sed -n '/^--outdir$/{n;p}')\n"
                       "ext=$(printf '%s\\n' \"$@\" | sed -n '/^--convert-to$/{n;s/:.*//;p}')\n"
                       "mkdir -p \"$outdir\"\n"
                       "out=$outdir/$(basename \"${src%.*}\").$ext\n" +
                       body + "\n");
        chmod(script.c_str(), 0755);
    }
    std::string Args() const { return ReadBytes(folder_.File("args")); }
    std::string File(const std::string& name) const { return folder_.File(name); }
    // Whatever the conversion left in the temporary folder.
    bool LeftNothing() const { return fs::is_empty(tmp_); }

private:
    TTempFolder folder_;
    std::string path_, tmp_;
    TScopedEnv env_, tmpEnv_;
};

std::string FailureOf(TLibreOfficeConverter& converter, TOfficeFormat format, const std::string& target) {
    try {
        converter.Convert(format, SmallDocument, target, {});
    } catch (const EGridFileError& e) {
        return e.FullMessage();
    } catch (const EGridError& e) {
        return e.what();
    }
    return "no failure";
}

TEST(LibreOfficeConverter, NoSofficeOnThePathIsNoServer) {
    TTempFolder folder;
    TScopedEnv path("PATH", "");
    TLibreOfficeConverter converter;
    EXPECT_EQ(FailureOf(converter, TOfficeFormat::Xls, folder.File("a.xls")), "Excel OLE server not found");
    EXPECT_EQ(FailureOf(converter, TOfficeFormat::Docx, folder.File("a.docx")), "Word OLE server not found");
    EXPECT_TRUE(fs::is_empty(folder.Path())) << "nothing written";
}

TEST(LibreOfficeConverter, ConvertsInAPrivateProfileAndReplacesTheTargetWhole) {
    TStandIn soffice("cp \"$src\" \"$out\"; echo \"convert $src -> $out\"");
    const std::string target = soffice.File("my list #1.xls");
    WriteBytes(target, "old");
    TLibreOfficeConverter converter;
    converter.Convert(TOfficeFormat::Xls, SmallDocument, target, {});
    EXPECT_EQ(ReadBytes(target), "<office:document/>\n");
    const std::string args = soffice.Args();
    EXPECT_NE(args.find("-env:UserInstallation=file://" + soffice.File("tmp%20%231/taskmere-office-")),
              std::string::npos)
        << "a URL, whatever the temporary folder is called: " << args;
    EXPECT_NE(args.find("--headless\n"), std::string::npos);
    EXPECT_NE(args.find("--convert-to\nxls:MS Excel 97\n"), std::string::npos);
    EXPECT_NE(args.find("/taskmere.fods\n"), std::string::npos) << "the user's file name stays off the command line";
    EXPECT_TRUE(soffice.LeftNothing());

    converter.Convert(TOfficeFormat::Docx, SmallDocument, soffice.File("b.docx"), {});
    EXPECT_NE(soffice.Args().find("docx:MS Word 2007 XML\n"), std::string::npos);
    EXPECT_NE(soffice.Args().find("/taskmere.fodt\n"), std::string::npos);
}

TEST(LibreOfficeConverter, EachFailureNamesTheFileAndWhatLibreOfficeSaid) {
    {
        TStandIn soffice(
            "echo 'Warning: failed to launch javaldx - java may not function correctly'\n"
            "echo 'Error: source file could not be loaded'");
        const std::string target = soffice.File("list.doc");
        WriteBytes(target, "old");
        TLibreOfficeConverter converter;
        EXPECT_EQ(FailureOf(converter, TOfficeFormat::Doc, target),
                  "Cannot Create file " + target +
                      ": LibreOffice wrote no file; it said \"Error: source file could not be loaded\"");
        EXPECT_EQ(ReadBytes(target), "old") << "the old file stays whole";
        EXPECT_TRUE(soffice.LeftNothing());
    }
    {
        TStandIn soffice("cp \"$src\" \"$out\"; echo 'out of memory' >&2; exit 81");
        const std::string target = soffice.File("list.xlsx");
        TLibreOfficeConverter converter;
        EXPECT_EQ(FailureOf(converter, TOfficeFormat::Xlsx, target),
                  "Cannot Create file " + target + ": LibreOffice failed with exit code 81; it said \"out of memory\"");
        EXPECT_FALSE(fs::exists(target)) << "a failed run writes nothing, even with a file in its folder";
        EXPECT_TRUE(soffice.LeftNothing());
    }
    {
        TStandIn soffice("true");
        TLibreOfficeConverter converter;
        const std::string target = soffice.File("no/such/folder/list.xls");
        EXPECT_EQ(FailureOf(converter, TOfficeFormat::Xls, target),
                  "Cannot Create file " + target + ": No such file or directory");
        EXPECT_FALSE(fs::exists(soffice.File("args")))
            << "LibreOffice is not started for a target that cannot be written";
    }
}

TEST(LibreOfficeConverter, AServerThatHangsIsStoppedAtTheTimeLimit) {
    // The helper it starts must go too, or it would hold the profile.
    TStandIn soffice("sleep 30 & wait");
    TLibreOfficeConverter converter(std::chrono::seconds(1));
    const std::string target = soffice.File("list.ods");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(
        FailureOf(converter, TOfficeFormat::Ods, target),
        "Cannot Create file " + target +
            ": LibreOffice did not finish in the time allowed (1 s) and was stopped; save it as CSV (Comma delimited) "
            "(*.csv), which takes a fraction of the time");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    const pid_t pid = std::stoi(ReadBytes(soffice.File("pid")));
    EXPECT_NE(kill(pid, 0), 0) << "the server is gone";
    EXPECT_EQ(system(("pgrep -g " + std::to_string(pid) + " -r R,S,D >/dev/null").c_str()) >> 8, 1)
        << "and so is its helper";
    EXPECT_TRUE(soffice.LeftNothing());
    EXPECT_FALSE(fs::exists(target));
}

// Whether any process of the group still runs.
bool GroupRuns(pid_t group) {
    return system(("pgrep -g " + std::to_string(group) + " -r R,S,D >/dev/null").c_str()) >> 8 == 0;
}

// The process the stand-in noted in `file`; a loaded machine gets time to start it.
pid_t NotedPid(const TStandIn& soffice, const std::string& file = "pid") {
    for (int i = 0; i < 500 && ReadBytes(soffice.File(file)).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string pid = ReadBytes(soffice.File(file));
    return pid.empty() ? 0 : std::stoi(pid);
}

// A server that starts a helper of its own, as soffice starts soffice.bin.
constexpr const char* ServerWithHelper = "sleep 30 & echo $! > \"$here/helper\"; wait";

TEST(LibreOfficeConverter, AStopRequestEndsTheServerAndWritesNothing) {
    TStandIn soffice(ServerWithHelper);
    TLibreOfficeConverter converter;
    const std::string target = soffice.File("list.doc");
    std::stop_source stop;
    std::thread cancel([&] {
        NotedPid(soffice, "helper");
        stop.request_stop();
    });
    EXPECT_THROW(converter.Convert(TOfficeFormat::Doc, SmallDocument, target, stop.get_token()), EAbort);
    cancel.join();
    EXPECT_FALSE(GroupRuns(NotedPid(soffice))) << "neither the server nor its helper runs";
    EXPECT_TRUE(soffice.LeftNothing());
    EXPECT_FALSE(fs::exists(target));
}

// Runs a conversion in a process of its own, which `end` ends once the server has started.
void EndADuringConversion(const std::function<void(pid_t)>& end, bool helperMayStay) {
    TStandIn soffice(ServerWithHelper);
    const pid_t exporter = fork();
    if (exporter == 0) {
        InstallTerminationCleanup();
        TLibreOfficeConverter converter;
        try {
            converter.Convert(TOfficeFormat::Docx, SmallDocument, soffice.File("list.docx"), {});
        } catch (...) {
        }
        _exit(0);
    }
    const pid_t server = NotedPid(soffice);
    ASSERT_GT(server, 0);
    ASSERT_GT(NotedPid(soffice, "helper"), 0);
    end(exporter);
    int status = 0;
    waitpid(exporter, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "ended as the signal ends it";
    for (int i = 0; i < 200 && kill(server, 0) == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_NE(kill(server, 0), 0) << "the server is gone";
    if (helperMayStay) {
        kill(-server, SIGKILL);
        return;
    }
    EXPECT_FALSE(GroupRuns(server)) << "and so is its helper";
    EXPECT_TRUE(soffice.LeftNothing()) << "the work folder is gone";
}

TEST(LibreOfficeConverter, ATerminationSignalTakesTheServerAndItsFolderAlong) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        EndADuringConversion([signal](pid_t exporter) { kill(exporter, signal); }, false);
    }
    // Killed outright, the program runs no handler: the kernel still ends the server it started.
    EndADuringConversion([](pid_t exporter) { kill(exporter, SIGKILL); }, true);
}

}  // namespace
}  // namespace tkm
