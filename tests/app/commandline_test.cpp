// The command line's own answers, from the program as a user runs it.
#include "support/test_paths.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode;
    QByteArray out, err;
};

ProgramRun RunProgram(const QStringList& args) {
    QProcess process;
    process.start(testsupport::programPath(), args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CommandLine, VersionPrintsTheBuildsVersionAndHelpNamesIt) {
    const ProgramRun version = RunProgram({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "pinewick " PINEWICK_VERSION "\n");
    EXPECT_EQ(version.err, "");
    const ProgramRun help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("\n  --version       print the version of Pinewick"))
        << help.out.toStdString();
    // A misspelt option is still an error.
    EXPECT_EQ(RunProgram({"--versions"}).exitCode, 2);
}

} // namespace
