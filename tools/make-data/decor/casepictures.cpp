// Pictures of the toys in their cases ("Shape/<toy>.bmp"): each toy's own
// key mesh 0, rendered through the scene's renderer under the scene's light,
// at the size the tree view shows it. A strip of two frames of the slot's size: the
// toy as it rests (frame 0) and highlighted under the pointer (frame 1). The
// top-left pixel holds the colour that stands for "transparent". Beside each,
// the same strip twice as fine for high-density screens ("Shape/<toy>@2x.png"),
// with exactly the outline of the ordinary one.
#include "art/artkit.h"
#include "art/windowpicture.h"
#include "decor/catalogue.h"
#include "decor/framing.h"
#include "generator.h"
#include "scene/keymeshes.h"
#include "scene/rm/gl/device.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <map>

namespace decor {
namespace {

constexpr QRgb Transparent = 0xFFFF00FF; // magenta: no toy has it
constexpr int Oversample = 4;

// Renders toy meshes into one slot size; owns a device of that size.
class SlotCamera {
public:
    SlotCamera(int width, int height) : width_(width), height_(height) {
        device_ = gl::Device::create(width * Oversample, height * Oversample, std::nullopt, &error_);
        scene_ = rm::Frame::create();
        toy_ = rm::Frame::create(scene_);
        camera_ = rm::Frame::create(scene_);
        auto light = rm::Frame::create(scene_);
        light->SetPosition(scene_.get(), {5000, 5000, 5000});
        light->AddLight(rm::Light::create(rm::LightType::Point, 0.9f, 0.9f, 0.9f));
        // The scene's soft fill light, so the case shows the toy as the tree does.
        scene_->AddLight(rm::Light::create(rm::LightType::Ambient, 0.3f, 0.3f, 0.3f));
    }

    bool ready() const { return device_ != nullptr; }
    const std::string& error() const { return error_; }

    // The mesh seen from the front (+z) at the size the tree view shows it,
    // its anchor (the origin: the top of a hanging toy, the foot of a standing
    // one) at the slot's top or bottom centre, where the pointer holds it. A
    // toy too big for its slot at that size is shrunk to fit. Each time
    // rendered at the slot's size times `scale` (at most the oversampling).
    QImage render(const std::shared_ptr<rm::Mesh>& mesh, bool hangByTop, int scale) {
        toy_->AddVisual(mesh);
        const rm::Box box = mesh->GetBox();
        const rm::Vector size = box.max - box.min;
        const float fit = std::min(static_cast<float>(width_) / size.x, static_cast<float>(height_) / size.y);
        const float pixelsPerUnit = std::min(TreeViewPixelsPerUnit(), 0.96f * fit);
        const float distance = 400.0f;
        const float larger = static_cast<float>(std::max(width_, height_));
        const float halfExtent = larger * 0.5f / pixelsPerUnit;
        // The picture's centre lies half its height below the top anchor (or above the foot).
        const float centreY = (hangByTop ? -0.5f : 0.5f) * static_cast<float>(height_) / pixelsPerUnit;
        camera_->SetPosition(scene_.get(), {0, centreY, distance});
        camera_->SetOrientation(scene_.get(), {0, 0, -1}, {0, 1, 0});
        rm::Viewport viewport(camera_, device_->GetWidth(), device_->GetHeight());
        viewport.SetBack(distance * 2.0f);
        viewport.SetField(halfExtent / distance);
        device_->Clear();
        device_->Render(viewport, *scene_);
        device_->Update();
        toy_->DeleteVisual(mesh.get());
        return device_->surface().scaled(width_ * scale, height_ * scale, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
    }

private:
    int width_, height_;
    std::string error_;
    std::unique_ptr<gl::Device> device_;
    std::shared_ptr<rm::Frame> scene_, toy_, camera_;
};

// Opaque where the toy covers at least half a pixel (colours un-premultiplied,
// so the edge takes no colour from any background), transparent elsewhere.
QImage keyed(const QImage& rendered) {
    QImage in = rendered.convertToFormat(QImage::Format_ARGB32);
    QImage out(in.size(), QImage::Format_RGB32);
    for (int y = 0; y < in.height(); ++y) {
        for (int x = 0; x < in.width(); ++x) {
            const QRgb p = in.pixel(x, y);
            out.setPixel(x, y, qAlpha(p) >= 128 ? (p | 0xFF000000) : Transparent);
        }
    }
    out.setPixel(0, 0, Transparent);
    return out;
}

// A hanging toy shown smaller than its slot hangs in the case on a thin gold
// thread from the slot's top, where the pointer holds it.
void drawThread(QImage& picture) {
    const int x = picture.width() / 2;
    int top = 0;
    while (top < picture.height() && picture.pixel(x, top) == Transparent) {
        ++top;
    }
    if (top >= picture.height()) {
        return; // nothing under the middle: no thread to nothing
    }
    for (int y = 0; y < top; ++y) {
        picture.setPixel(x, y, qRgb(218, 186, 104));
    }
    picture.setPixel(0, 0, Transparent);
}

bool anyOpaque(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != Transparent) {
                return true;
            }
        }
    }
    return false;
}

// Brighter, with a golden rim along the outline, `scale` pixels wide.
QImage highlighted(const QImage& normal, int scale) {
    QImage hot = normal;
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < normal.width() && y < normal.height() &&
               normal.pixel(x, y) != Transparent;
    };
    for (int y = 0; y < hot.height(); ++y) {
        for (int x = 0; x < hot.width(); ++x) {
            if (!opaque(x, y)) {
                continue;
            }
            const QRgb p = normal.pixel(x, y);
            bool rim = false;
            for (int r = 1; r <= scale; ++r) {
                rim = rim || !opaque(x - r, y) || !opaque(x + r, y) || !opaque(x, y - r) || !opaque(x, y + r);
            }
            auto lift = [](int c, int toward) {
                return c + (toward - c) / 4;
            };
            hot.setPixel(x, y,
                         rim ? qRgb(255, 214, 96)
                             : qRgb(lift(qRed(p), 255), lift(qGreen(p), 236), lift(qBlue(p), 170)));
        }
    }
    hot.setPixel(0, 0, Transparent);
    return hot;
}

// Without a 3D device: the toy as a plain disc of its colour, so the case still works.
QImage placeholder(int width, int height, TColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Transparent);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    painter.drawEllipse(QRect(1, 1, width - 2, height - 2));
    painter.end();
    image.setPixel(0, 0, Transparent);
    return image;
}

std::shared_ptr<rm::Mesh> loadMesh(const makedata::Context& context, const ToyEntry& toy) {
    const KeyMeshSet set =
        LoadKeyMeshes({.pattern = (context.dataDir + QString::fromStdString(toy.keyFile(0))).toStdString(),
                       .count = 1,
                       .span = 0,
                       .anchor = AnchorByTop(toy.hangByTop != 0),
                       .scale = toy.record().Scale,
                       .recolour = std::nullopt});
    return set.mesh;
}

// The toy's two frames side by side, `scale` times the slot's size; a finer
// strip gets the outline of `ordinary`.
QImage paintStrip(SlotCamera& camera, const std::shared_ptr<rm::Mesh>& mesh, const ToyEntry& toy, int scale,
                  const QImage& ordinary) {
    const SlotSize slot = CaseSlots[toy.caseIndex];
    QImage normal = mesh ? keyed(camera.render(mesh, toy.hangByTop != 0, scale)) : QImage();
    if (!normal.isNull() && !anyOpaque(normal)) {
        if (scale == 1) {
            std::fprintf(stderr, "make-data: %s rendered empty: a plain disc instead\n", toy.name.c_str());
        }
        normal = QImage();
    }
    if (normal.isNull()) {
        normal = placeholder(slot.width * scale, slot.height * scale, toy.landColor);
    } else if (toy.hangByTop != 0) {
        drawThread(normal);
    }
    if (!ordinary.isNull()) {
        makedata::art::matchOutline(normal, ordinary.copy(0, 0, slot.width, slot.height), Transparent);
    }
    QImage strip(slot.width * 2 * scale, slot.height * scale, QImage::Format_RGB888);
    QPainter painter(&strip);
    painter.drawImage(0, 0, normal);
    painter.drawImage(slot.width * scale, 0, highlighted(normal, scale));
    painter.end();
    return strip;
}

void writeStrip(const QImage& strip, const QString& file) {
    if (!strip.save(file, file.endsWith(".png") ? "PNG" : "BMP")) {
        std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(file));
    }
}

void writePictures(const makedata::Context& context) {
    std::map<int, std::unique_ptr<SlotCamera>> cameras;
    bool warned = false;
    for (const ToyEntry& toy : catalogue()) {
        const SlotSize slot = CaseSlots[toy.caseIndex];
        auto& camera = cameras[toy.caseIndex];
        if (!camera) {
            camera = std::make_unique<SlotCamera>(slot.width, slot.height);
            if (!camera->ready() && !warned) {
                warned = true;
                std::fprintf(stderr, "make-data: no 3D device (%s): case pictures are plain discs\n",
                             camera->error().c_str());
            }
        }
        const std::shared_ptr<rm::Mesh> mesh = camera->ready() ? loadMesh(context, toy) : nullptr;
        // The ordinary strip first: the finer one takes its outline.
        const QImage strip = paintStrip(*camera, mesh, toy, 1, QImage());
        writeStrip(strip, context.file(QString::fromStdString(toy.shapeFile())));
        const QString finer = makedata::art::finerPictureName(QString::fromStdString(toy.shapeFile()));
        writeStrip(paintStrip(*camera, mesh, toy, 2, strip), context.file(finer));
    }
}

} // namespace
} // namespace decor

PW_DATA_GENERATOR("decor-pictures", 200, decor::writePictures);
