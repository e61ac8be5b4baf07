// pinewick --snapshot on the generated data: the picture that is mailed and printed.
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using testsupport::ScratchHome;

int runProgram(const ScratchHome& home, const QStringList& args, QByteArray* err = nullptr) {
    QProcess process;
    process.setProcessEnvironment(home.environment());
    process.start(testsupport::programPath(), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    if (err) {
        *err = process.readAllStandardError();
    }
    return process.exitCode();
}

QByteArray fileHash(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

int difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// How many pixels of rect differ clearly between two pictures.
int changedPixels(const QImage& a, const QImage& b, const QRect& rect) {
    int changed = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            changed += difference(a.pixel(x, y), b.pixel(x, y)) > 30;
        }
    }
    return changed;
}

TEST(Snapshot, BackgroundGreetingAndTreeInOnePicture) {
    const ScratchHome home = testsupport::makeScratchHome("snapshot");
    const QByteArray before = fileHash(home.desc);
    const QString out = home.home + "greeting.png";
    QByteArray err;
    ASSERT_EQ(runProgram(home, {"--snapshot", out}, &err), 0) << err.toStdString();

    const QImage picture(out);
    const QImage background =
        QImage(home.home + "Data/Resource/Card.bmp").convertToFormat(QImage::Format_RGB32);
    const QImage window = QImage(home.home + "Data/Resource/Bk.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(640, 422));
    ASSERT_EQ(background.size(), QSize(640, 422));
    // Outside band and tree, the picture is the card background...
    EXPECT_EQ(changedPixels(picture, background, QRect(0, 0, 130, 422)), 0);
    EXPECT_EQ(changedPixels(picture, background, QRect(510, 40, 130, 382)), 0);
    // ...which shows none of the window's command buttons.
    EXPECT_GT(changedPixels(picture, window, QRect(30, 190, 80, 140)), 3000);
    EXPECT_GT(changedPixels(picture, window, QRect(530, 190, 80, 140)), 3000);
    // The greeting is written across the band, the tree stands in its area.
    EXPECT_GT(changedPixels(picture, background, QRect(135, 0, 370, 32)), 400);
    EXPECT_GT(changedPixels(picture, background, QRect(135, 32, 370, 376)), 15000);
    // Taking a picture leaves the decoration as it was.
    EXPECT_EQ(fileHash(home.desc), before);
    EXPECT_FALSE(QFile::exists(home.desc + "~~~"));
}

TEST(Snapshot, JpegForMailAndClearErrors) {
    const ScratchHome home = testsupport::makeScratchHome("snapshot-jpeg");
    const QString jpeg = home.home + "Pinewick.jpg";
    ASSERT_EQ(runProgram(home, {"--snapshot", jpeg}), 0);
    QFile file(jpeg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(3).startsWith("\xFF\xD8\xFF"));
    EXPECT_LT(file.size(), 150 * 1024);
    EXPECT_EQ(QImage(jpeg).size(), QSize(640, 422));

    QByteArray err;
    EXPECT_EQ(runProgram(home, {"--snapshot", home.home + "greeting.bmp"}, &err), 1);
    EXPECT_TRUE(err.contains(".jpg, .png, .gif, .webp, .mp4, .glb or .html")) << err.toStdString();
    // A switch where the file belongs is no file name.
    for (const QStringList& args : {QStringList{"--snapshot"}, QStringList{"--snapshot", "--verbose"}}) {
        EXPECT_EQ(runProgram(home, args, &err), 2);
        EXPECT_TRUE(err.contains("--snapshot needs a file name")) << err.toStdString();
    }
    EXPECT_EQ(runProgram(home, {"--send", "-v"}, &err), 2);
    EXPECT_TRUE(err.contains("--send needs an e-mail address")) << err.toStdString();
}

// A card without its tree is refused: a missing mesh is an error, not a
// picture of an empty floor.
TEST(Snapshot, WithoutTheTreeMeshThereIsNoCard) {
    const ScratchHome home = testsupport::makeScratchHome("snapshot-no-tree");
    QFile desc(home.desc);
    ASSERT_TRUE(desc.open(QIODevice::ReadOnly));
    QByteArray text = desc.readAll();
    desc.close();
    text.replace("Tree=Mesh/Tree.x", "Tree=Mesh/NoSuchTree.x");
    ASSERT_TRUE(desc.open(QIODevice::WriteOnly | QIODevice::Truncate));
    desc.write(text);
    desc.close();
    QByteArray err;
    EXPECT_EQ(runProgram(home, {"--snapshot", home.home + "card.png"}, &err), 1);
    EXPECT_TRUE(err.contains("tree mesh")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(home.home + "card.png"));
}

TEST(Snapshot, AnimatedCardWithoutADisplay) {
    const ScratchHome home = testsupport::makeScratchHome("snapshot-gif");
    const QByteArray before = fileHash(home.desc);
    const QString gif = home.home + "card.gif";
    QByteArray err;
    ASSERT_EQ(runProgram(home, {"--snapshot", gif}, &err), 0) << err.toStdString();
    QFile file(gif);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(6), "GIF89a");
    EXPECT_TRUE(err.contains("card.gif:")) << err.toStdString();
    EXPECT_EQ(fileHash(home.desc), before);
}

TEST(Snapshot, BrokenDecorationIsReportedAndKept) {
    const ScratchHome home = testsupport::makeScratchHome("snapshot-broken");
    QFile desc(home.desc);
    ASSERT_TRUE(desc.open(QIODevice::Append));
    desc.write("TimeForDrop=soon\r\n");
    desc.close();
    const QByteArray before = fileHash(home.desc);
    QByteArray err;
    EXPECT_EQ(runProgram(home, {"--snapshot", home.home + "x.png"}, &err), 1);
    EXPECT_TRUE(err.contains("Data/desc:")) << err.toStdString();
    EXPECT_TRUE(err.contains("'soon' is not a valid integer value")) << err.toStdString();
    EXPECT_EQ(fileHash(home.desc), before);
    EXPECT_FALSE(QFile::exists(home.home + "x.png"));
}

} // namespace
