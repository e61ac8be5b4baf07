// pinewick --check, run as a user would run it.
#include "support/test_paths.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct CheckRun {
    int exitCode;
    QByteArray out, err;
};

CheckRun check(const QStringList& args) {
    QProcess process;
    process.start(testsupport::programPath(), QStringList{"--check"} + args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

TEST(CheckCommand, NormalisesAHandWrittenFile) {
    const QString dir = testsupport::sourceDir() + "/tests/data/desc/";
    const CheckRun run = check({dir + "handwritten.desc"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, readFile(dir + "handwritten.expected"));
    // The toy line before any description is reported with its line.
    EXPECT_TRUE(run.err.contains("handwritten.desc:2: a toy before any toy description"))
        << run.err.toStdString();
}

TEST(CheckCommand, ItsOwnOutputIsAFixedPoint) {
    const QString dir = testsupport::sourceDir() + "/tests/data/desc/";
    const CheckRun run = check({dir + "handwritten.expected"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, readFile(dir + "handwritten.expected"));
}

TEST(CheckCommand, ConversionErrorExitsWithFileAndLine) {
    const QString file = testsupport::scratchDir("check") + "/desc";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Driver=\r\nMusic=1\r\n");
    f.close();
    const CheckRun run = check({file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), (file + ":2: '' is not a valid integer value").toUtf8());
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CheckCommand, MissingFileFails) {
    const CheckRun run = check({"/nonexistent/desc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("/nonexistent/desc"));
}

TEST(CheckCommand, FoldersPipesAndDevicesAreRefusedAtOnce) {
    const QString folder = testsupport::scratchDir("check_kinds");
    const QString fifo = folder + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const auto& [path, message] :
         {std::pair{folder, QString("is a directory")}, std::pair{fifo, QString("is not a regular file")},
          std::pair{QString("/dev/zero"), QString("is not a regular file")}}) {
        const CheckRun run = check({path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains((path + ": " + message).toUtf8())) << run.err.toStdString();
    }
}

} // namespace
