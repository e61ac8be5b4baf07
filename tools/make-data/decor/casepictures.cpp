// Pictures of the toys in their cases ("Shape/<toy>.bmp"): each toy's own
// key mesh 0, rendered through the scene's renderer under the scene's light,
// at the size the tree view shows it. A strip of two frames of the slot's size: the
// toy as it rests (frame 0) and highlighted under the pointer (frame 1). A thin
// toy keeps its picture's size in the middle of a slot wide enough to hit. The
// top-left pixel holds the colour that stands for "transparent". Beside each,
// the same strip twice as fine for high-density screens ("Shape/<toy>@2x.png"),
// whose alpha is the toy's coverage, so its outline is smooth.
#include "art/artkit.h"
#include "art/windowlayout.h"
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

// A pixel of the toy: covered at least half.
bool solid(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

// A hanging toy shown smaller than its slot hangs in the case on a thin gold
// thread (one window pixel wide) from the picture's top, where the pointer holds it.
void drawThread(QImage& picture, int scale) {
    const int x = picture.width() / scale / 2 * scale;
    int top = 0;
    while (top < picture.height() && !solid(picture.pixel(x, top))) {
        ++top;
    }
    if (top >= picture.height()) {
        return; // nothing under the middle: no thread to nothing
    }
    for (int y = 0; y < top; ++y) {
        for (int i = 0; i < scale; ++i) {
            picture.setPixel(x + i, y, qRgb(218, 186, 104));
        }
    }
}

bool anySolid(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (solid(picture.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

// Brighter, with a golden rim along the outline, `scale` pixels wide; the
// coverage stays as it is.
QImage highlighted(const QImage& normal, int scale) {
    QImage hot = normal;
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < normal.width() && y < normal.height() && solid(normal.pixel(x, y));
    };
    for (int y = 0; y < hot.height(); ++y) {
        for (int x = 0; x < hot.width(); ++x) {
            const QRgb p = normal.pixel(x, y);
            if (qAlpha(p) == 0) {
                continue;
            }
            bool rim = !inside(x, y);
            for (int r = 1; r <= scale; ++r) {
                rim = rim || !inside(x - r, y) || !inside(x + r, y) || !inside(x, y - r) || !inside(x, y + r);
            }
            auto lift = [](int c, int toward) {
                return c + (toward - c) / 4;
            };
            hot.setPixel(
                x, y,
                rim ? qRgba(255, 214, 96, qAlpha(p))
                    : qRgba(lift(qRed(p), 255), lift(qGreen(p), 236), lift(qBlue(p), 170), qAlpha(p)));
        }
    }
    return hot;
}

// Without a 3D device: the toy as a plain disc of its colour, so the case still works.
QImage placeholder(int width, int height, TColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    painter.drawEllipse(QRectF(1, 1, width - 2, height - 2));
    painter.end();
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

// The toy's picture in the middle of its slot's frame: a hanging toy at the
// frame's top, a standing one lifted from the slot's bottom edge so that it
// stands on the snow along the shelf's back, clear of the shelf's edge (the
// program holds a standing toy by its lowest pixel). `slot`: 0 … 6 in its case.
QImage framed(const QImage& picture, const ToyEntry& toy, int slot, int scale) {
    namespace layout = makedata::art::layout;
    const SlotSize size = CaseSlots[toy.caseIndex];
    const SlotSize frame = slotFrame(toy.caseIndex);
    const int lift = layout::slotBottom - 1 - layout::standingFoot(slot, size.width);
    QImage out(frame.width * scale, frame.height * scale, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage((frame.width - size.width) / 2 * scale,
                      (toy.hangByTop != 0 ? 0 : frame.height - size.height - lift) * scale, picture);
    return out;
}

// The toy's two frames side by side, `scale` times the slot's size, with its
// coverage as alpha: the rest as the frame around it, then the highlighted toy.
QImage paintStrip(SlotCamera& camera, const std::shared_ptr<rm::Mesh>& mesh, const ToyEntry& toy, int slot,
                  int scale) {
    const SlotSize size = CaseSlots[toy.caseIndex];
    QImage normal =
        mesh ? camera.render(mesh, toy.hangByTop != 0, scale).convertToFormat(QImage::Format_ARGB32)
             : QImage();
    if (!normal.isNull() && !anySolid(normal)) {
        if (scale == 1) {
            std::fprintf(stderr, "make-data: %s rendered empty: a plain disc instead\n", toy.name.c_str());
        }
        normal = QImage();
    }
    if (normal.isNull()) {
        normal = placeholder(size.width * scale, size.height * scale, toy.landColor);
    } else if (toy.hangByTop != 0) {
        drawThread(normal, scale);
    }
    const QImage frame = framed(normal, toy, slot, scale);
    QImage strip(frame.width() * 2, frame.height(), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, frame);
    painter.drawImage(frame.width(), 0, highlighted(frame, scale));
    painter.end();
    return strip;
}

// The ordinary strip: opaque where the toy covers at least half a pixel, the
// transparent colour elsewhere (and in the top-left pixel).
QImage keyed(const QImage& strip) {
    QImage out(strip.size(), QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb p = strip.pixel(x, y);
            out.setPixel(x, y, solid(p) ? (p | 0xFF000000u) : Transparent);
        }
    }
    out.setPixel(0, 0, Transparent);
    return out.convertToFormat(QImage::Format_RGB888);
}

// The finer strip keeps the toy's coverage as alpha, so its outline is drawn
// smooth; what the toy does not touch is the transparent colour, unseen.
QImage withCoverage(QImage strip) {
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            if (qAlpha(strip.pixel(x, y)) == 0) {
                strip.setPixel(x, y, Transparent & 0x00FFFFFFu);
            }
        }
    }
    strip.setPixel(0, 0, Transparent & 0x00FFFFFFu);
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
    std::map<int, int> placed; // toys placed so far in each case
    for (const ToyEntry& toy : catalogue()) {
        const int place = placed[toy.caseIndex]++;
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
        writeStrip(keyed(paintStrip(*camera, mesh, toy, place, 1)),
                   context.file(QString::fromStdString(toy.shapeFile())));
        const QString finer = makedata::art::finerPictureName(QString::fromStdString(toy.shapeFile()));
        writeStrip(withCoverage(paintStrip(*camera, mesh, toy, place, 2)), context.file(finer));
    }
}

} // namespace
} // namespace decor

PW_DATA_GENERATOR("decor-pictures", 200, decor::writePictures);
