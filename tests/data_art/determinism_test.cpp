// Two runs of the data generator give the same files, byte for byte: no
// clock, no uninitialised padding, no random seed from the outside world.
#include "support/test_paths.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <map>

namespace {

std::map<QString, QByteArray> digests(const QString& folder) {
    std::map<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            out[path.mid(folder.size())] =
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
    }
    return out;
}

TEST(Generation, TwoRunsGiveIdenticalFiles) {
    const QString generator = testsupport::buildDir() + "/tools/make-data/make-data";
    const QStringList mine{"main-window-pictures",
                           "dialog-pictures",
                           "title-pictures",
                           "icons",
                           "songs",
                           "sounds",
                           "logo-film",
                           "help"};
    std::map<QString, QByteArray> runs[2];
    for (auto& run : runs) {
        const QString folder = testsupport::scratchDir("generate");
        QProcess process;
        process.start(generator, QStringList{folder, "--only"} + mine);
        ASSERT_TRUE(process.waitForFinished(120000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        run = digests(folder);
    }
    EXPECT_GE(runs[0].size(), 40u);
    EXPECT_EQ(runs[0], runs[1]);
}

} // namespace
