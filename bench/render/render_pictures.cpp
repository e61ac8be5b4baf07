// Writes the pictures that show whether a change to the renderer is visible:
// the default decoration standing still, in mid-turn, and with the toys' own
// animations advanced, each over the window's background at 1×. Given the
// folder of earlier pictures, it compares them: pixels that differ by more
// than 6 % in a channel are counted and shown in diff-*.png.
//
// The mid-turn picture is also drawn as the window may draw a turning tree:
// with coarser meshes for small toys (turning-detail.png, compared with the
// full mid-turn picture: the pixels of the tree that differ by more than 8
// levels) and with one sample per pixel as well (turning-1.png). With
// --toys N the decoration has N toys (the pictures' names start with
// "toys-N-"); crop-*.png are the middle of each picture at 4×.
//
//   build/bench/render_pictures OUTFOLDER [EARLIERFOLDER] [--toys N]
#include "platform/paths.h"
#include "scene/rm/gl/device.h"
#include "scene/tree.h"
#include "support/benchdecoration.h"
#include "support/benchhome.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QImage composed(TTree& tree, const QImage& background) {
    QImage picture = background.copy();
    QPainter painter(&picture);
    tree.PaintTo(0, 0, painter);
    return picture;
}

// Prints how much picture differs from the one of the same name in earlier,
// and writes the difference (×4, in white where above 6 %) beside it.
void compare(const QDir& out, const QDir& earlier, const QString& name) {
    const QImage now(out.filePath(name)), before(earlier.filePath(name));
    if (now.isNull() || before.isNull() || now.size() != before.size()) {
        std::printf("%s: no earlier picture of the same size\n", qPrintable(name));
        return;
    }
    QImage diff(now.size(), QImage::Format_RGB32);
    int visible = 0, largest = 0;
    for (int y = 0; y < now.height(); ++y) {
        for (int x = 0; x < now.width(); ++x) {
            const QRgb a = now.pixel(x, y), b = before.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            largest = std::max(largest, d);
            visible += d > 15;
            const int shade = d > 15 ? 255 : d * 4;
            diff.setPixel(x, y, qRgb(shade, shade, shade));
        }
    }
    diff.save(out.filePath("diff-" + name));
    std::printf("%s: %d pixels differ by more than 6 %%, largest difference %d\n", qPrintable(name), visible,
                largest);
}

// The tree's scene as it stands, drawn by a device of its own.
QImage drawnWith(TTree& tree, const QImage& background, const gl::Drawing& drawing) {
    auto device = gl::Device::create(background.width(), background.height(), std::nullopt);
    if (!device)
        return {};
    device->SetDrawing(drawing);
    device->RenderChanges(*tree.viewport(), *tree.sceneFrame());
    QImage picture = background.copy();
    QPainter painter(&picture);
    painter.drawImage(0, 0, device->surface());
    return picture;
}

// Pixels of the tree (where the full picture differs from the background)
// that differ by more than 8 levels in a channel.
void compareDetail(const QImage& full, const QImage& coarse, const QImage& background, const QString& name) {
    int tree = 0, differing = 0;
    for (int y = 0; y < full.height(); ++y) {
        for (int x = 0; x < full.width(); ++x) {
            const QRgb a = full.pixel(x, y), b = coarse.pixel(x, y);
            tree += (a & 0xFFFFFF) != (background.pixel(x, y) & 0xFFFFFF);
            differing += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                   std::abs(qBlue(a) - qBlue(b))}) > 8;
        }
    }
    std::printf("%s: %d of the tree's %d pixels differ by more than 8 levels (%.2f %%; goal under 0.5 %%)\n",
                qPrintable(name), differing, tree, tree > 0 ? 100.0 * differing / tree : 0.0);
}

void saveWithCrop(const QImage& picture, const QDir& out, const QString& name) {
    picture.save(out.filePath(name));
    // The middle of the tree, four times as large, pixels kept square.
    const QRect middle(picture.width() / 2 - 46, picture.height() / 2 - 47, 92, 94);
    picture.copy(middle)
        .scaled(middle.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(out.filePath("crop-" + name));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int toys = 0;
    if (const auto at = args.indexOf("--toys"); at >= 0 && at + 1 < args.size()) {
        toys = args[at + 1].toInt();
        args.remove(at, 2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: render_pictures OUTFOLDER [EARLIERFOLDER] [--toys N]\n");
        return 2;
    }
    const QDir out(args[0]);
    const QString prefix = toys > 0 ? QString("toys-%1-").arg(toys) : QString();
    Paths.HDPath = BenchHome();
    QImage window(DataFile("Resource/Bk.bmp"));
    if (window.isNull()) {
        std::fprintf(stderr, "render_pictures: no window picture under %s\n", BenchHome());
        return 1;
    }
    const QImage background = window.convertToFormat(QImage::Format_RGB32).copy(135, 32, 370, 376);
    const QString desc = WriteDecoration(toys);
    TTree tree(desc, background.size(), background);
    tree.KeepFileUnchanged();
    RemoveDecoration(desc);
    tree.AnimateToys(0);
    tree.Render();
    saveWithCrop(composed(tree, background), out, prefix + "still.png");
    tree.AnimateToys(700);
    tree.Render();
    saveWithCrop(composed(tree, background), out, prefix + "animated.png");
    tree.Rotate(true, tree.TimeForRotate() / 7.0);
    const QImage turned = composed(tree, background);
    saveWithCrop(turned, out, prefix + "turned.png");
    const QImage detail = drawnWith(tree, background, {4, TTree::TurningDetailPixels(4, 4)});
    saveWithCrop(detail, out, prefix + "turning-detail.png");
    saveWithCrop(drawnWith(tree, background, {1, TTree::TurningDetailPixels(1, 4)}), out,
                 prefix + "turning-1.png");
    compareDetail(turned, detail, background, prefix + "turning-detail.png");
    if (args.size() > 1) {
        const QDir earlier(args[1]);
        for (const char* name : {"still.png", "animated.png", "turned.png"})
            compare(out, earlier, prefix + name);
    }
    return 0;
}
