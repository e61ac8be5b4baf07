// Pictures of the Data folder: a file that does not hold its whole picture is
// a failed load, never a picture of garbage.
#include "platform/picture.h"
#include "support/test_paths.h"

#include <QFile>
#include <gtest/gtest.h>

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

} // namespace
