// The command line's own answers, from the program as a user runs it.
#include "support/test_paths.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <utility>

TEST(CommandLine, VersionPrintsTheBuildsVersionAndHelpNamesIt) {
    const auto run = [](const QString& option) {
        QProcess process;
        process.start(testsupport::programPath(), {option});
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::pair(process.exitCode(), process.readAllStandardOutput());
    };
    EXPECT_EQ(run("--version"), std::pair(0, QByteArray("pinewick " PINEWICK_VERSION "\n")));
    const auto [status, help] = run("--help");
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(help.contains("\n  --version       print the version of Pinewick")) << help.toStdString();
    // A misspelt option is still an error.
    EXPECT_EQ(run("--versions").first, 2);
}
