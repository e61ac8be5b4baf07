#include "gl_pictures.h"

#include <QDir>

namespace gltest {

void savePicture(const QImage& image, const QString& name) {
    const QString folder = QDir::tempPath() + "/pinewick-scene-gl";
    QDir().mkpath(folder);
    image.save(folder + "/" + name + ".png");
}

int red(QRgb p) {
    return qRed(p);
}
int green(QRgb p) {
    return qGreen(p);
}
int blue(QRgb p) {
    return qBlue(p);
}

int partlyCovered(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            count += a > 0 && a < 255;
        }
    }
    return count;
}

} // namespace gltest
