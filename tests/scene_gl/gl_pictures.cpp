#include "gl_pictures.h"

#include "scene/rm/light.h"

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

std::shared_ptr<rm::Frame> lightAndCamera(const std::shared_ptr<rm::Frame>& root) {
    auto camera = rm::Frame::create(root);
    camera->SetPosition(root.get(), {0, 0, 100});
    camera->SetOrientation(root.get(), {0, 0, -1}, {0, 1, 0});
    auto light = rm::Frame::create(root);
    light->SetPosition(root.get(), {5000, 5000, 5000});
    light->AddLight(rm::Light::create(rm::LightType::Point, 0.9f, 0.9f, 0.9f));
    root->AddLight(rm::Light::create(rm::LightType::Ambient, 0.3f, 0.3f, 0.3f));
    return camera;
}

} // namespace gltest
