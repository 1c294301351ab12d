#include "platform/program_arguments.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using TMode = TProgramRequest::TMode;

TEST(ProgramArguments, HelpAndVersionAreAnsweredWhereverTheyStandBeforeTheEndOfOptions) {
    EXPECT_EQ(ReadProgramArguments({"--help"}).Mode, TMode::Help);
    EXPECT_EQ(ReadProgramArguments({"a.tkm", "-h"}).Mode, TMode::Help);
    EXPECT_EQ(ReadProgramArguments({"--version", "a.tkm"}).Mode, TMode::Version);
    EXPECT_EQ(ReadProgramArguments({"--open-in-running", "--help"}).Mode, TMode::Help);
    EXPECT_NE(ProgramUsage().find("usage: taskmere"), std::string::npos);
    EXPECT_EQ(VersionLine("tkm").rfind("tkm (Taskmere) ", 0), 0u);
}

TEST(ProgramArguments, AfterTheEndOfOptionsEveryNameIsADocument) {
    const TProgramRequest window = ReadProgramArguments({"a.tkm", "--", "--help", "--", "-"});
    EXPECT_EQ(window.Mode, TMode::Window);
    EXPECT_EQ(window.Documents, (std::vector<std::string>{"a.tkm", "--help", "--", "-"}));
    const TProgramRequest running = ReadProgramArguments({"--open-in-running", "--", "--version"});
    EXPECT_EQ(running.Mode, TMode::OpenInRunning);
    EXPECT_EQ(running.Documents, std::vector<std::string>{"--version"});
    EXPECT_TRUE(ReadProgramArguments({"--open-in-running"}).Documents.empty());
}

TEST(ProgramArguments, AnUnknownOptionOrAMacroMissingIsBadUsage) {
    const TProgramRequest unknown = ReadProgramArguments({"--halp"});
    EXPECT_EQ(unknown.Mode, TMode::UnknownOption);
    EXPECT_NE(unknown.Error.find("--halp"), std::string::npos);
    EXPECT_EQ(ReadProgramArguments({"--dde-execute"}).Mode, TMode::BadUsage);
    EXPECT_EQ(ReadProgramArguments({"--dde-execute", "a", "b"}).Mode, TMode::BadUsage);
    const TProgramRequest macro = ReadProgramArguments({"--dde-execute", "--help"});
    EXPECT_EQ(macro.Mode, TMode::DdeExecute);
    EXPECT_EQ(macro.Macro, "--help");
}

}  // namespace
}  // namespace tkm
