// Pictures of the Data folder: a file that does not hold its whole picture is
// a failed load, never a picture of garbage.
#include "platform/picture.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString writePicture(const QString& name, const QByteArray& bytes) {
    const QString path = testsupport::scratchDir("pictures") + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray encoded(const char* format) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    QFile scratch(testsupport::scratchDir("encode") + "/picture." + format);
    EXPECT_TRUE(image.save(scratch.fileName(), format));
    EXPECT_TRUE(scratch.open(QIODevice::ReadOnly));
    return scratch.readAll();
}

TEST(LoadPicture, WholePicturesLoadAndDamagedOnesAreBlank) {
    const QByteArray bmp = encoded("bmp");
    const QImage whole = LoadPicture(writePicture("whole.bmp", bmp));
    ASSERT_FALSE(whole.isNull());
    EXPECT_EQ(whole.size(), QSize(64, 48));
    EXPECT_EQ(whole.pixelColor(10, 10), QColor(200, 30, 40));

    EXPECT_TRUE(LoadPicture(writePicture("cut.bmp", bmp.left(bmp.size() / 2))).isNull());
    EXPECT_TRUE(LoadPicture(writePicture("header.bmp", bmp.left(40))).isNull());
    EXPECT_TRUE(LoadPicture(writePicture("noise.bmp", QByteArray(300, 'x'))).isNull());
    EXPECT_TRUE(LoadPicture(testsupport::scratchDir("pictures") + "/missing.bmp").isNull());

    const QByteArray png = encoded("png");
    EXPECT_FALSE(LoadPicture(writePicture("whole.png", png)).isNull());
    EXPECT_TRUE(LoadPicture(writePicture("cut.png", png.left(png.size() - 30))).isNull());
}

// The data's first bytes name its format, whatever the file's name: BMP and
// PNG go to the toolkit's own readers, anything else is recognised by the
// reader as before.
TEST(LoadPicture, TheFormatIsTheDatasNotTheNames) {
    for (const char* format : {"bmp", "png", "jpg", "gif"}) {
        if (QString(format) == "gif" && !QImageWriter::supportedImageFormats().contains("gif")) {
            continue; // no GIF writer: nothing to load
        }
        const QImage picture =
            LoadPicture(writePicture(QString("named-") + format + ".bmp", encoded(format)));
        ASSERT_FALSE(picture.isNull()) << format;
        EXPECT_EQ(picture.size(), QSize(64, 48)) << format;
    }
}

// On a dense screen the finer picture beside the file is taken, carrying its
// device pixel ratio, only when it is whole and exactly twice the size.
TEST(LoadPicture, FinerPictureForADenseScreen) {
    const QString dir = testsupport::scratchDir("pictures-finer");
    const auto save = [&dir](const QString& name, QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(dir + "/" + name));
    };
    save("Face.bmp", {20, 10}, Qt::red);
    save("Face@2x.png", {40, 20}, Qt::green);
    save("Odd.bmp", {20, 10}, Qt::red);
    save("Odd@2x.png", {30, 20}, Qt::green);
    save("Cut.bmp", {20, 10}, Qt::red);
    QFile cut(dir + "/Cut@2x.png");
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
    cut.write(encoded("png").left(100));
    cut.close();
    save("Alone.bmp", {20, 10}, Qt::red);
    QFile::remove(dir + "/Alone@2x.png");

    const struct {
        const char* name;
        qreal ratio;
        QColor shown;
    } cases[] = {{"Face.bmp", 2, Qt::green}, {"Face.bmp", 1.5, Qt::green}, {"Face.bmp", 1, Qt::red},
                 {"Odd.bmp", 2, Qt::red},    {"Cut.bmp", 2, Qt::red},      {"Alone.bmp", 2, Qt::red}};
    for (const auto& c : cases) {
        const QImage picture = LoadPicture(dir + "/" + c.name, c.ratio);
        const bool finer = c.shown == Qt::green;
        EXPECT_EQ(picture.pixelColor(0, 0), c.shown) << c.name << " at " << c.ratio;
        EXPECT_EQ(picture.devicePixelRatio(), finer ? 2 : 1) << c.name << " at " << c.ratio;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(20, 10)) << c.name << " at " << c.ratio;
    }
    EXPECT_EQ(FinerPictureName("Data/Resource/Bk.bmp"), "Data/Resource/Bk@2x.png");
    EXPECT_EQ(FinerPictureName("Data.d/Help/Balloon"), "Data.d/Help/Balloon@2x.png");
}

// Names in data files may point anywhere: what is not a plain file of a
// reasonable size is refused before a byte is read (a FIFO would block).
TEST(LoadPicture, OnlyRegularFilesOfReasonableSize) {
    const QString dir = testsupport::scratchDir("pictures-special");
    const QString fifo = dir + "/fifo.bmp";
    QFile::remove(fifo);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir).mkpath("folder.bmp");
    for (const char* name : {"fifo.bmp", "folder.bmp"}) {
        EXPECT_TRUE(LoadPicture(dir + "/" + name).isNull()) << name;
    }
    // 4096 pixels a side at most.
    const std::pair<QSize, bool> sides[] = {
        {{4096, 1}, true}, {{1, 4096}, true}, {{4097, 1}, false}, {{1, 4097}, false}};
    for (const auto& [size, loads] : sides) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(dir + "/side.png"));
        EXPECT_EQ(LoadPicture(dir + "/side.png").size(), loads ? size : QSize(0, 0))
            << size.width() << " x " << size.height();
    }
}

} // namespace
