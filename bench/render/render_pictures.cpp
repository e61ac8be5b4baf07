// Writes the pictures that show whether a change to the renderer is visible:
// the default decoration standing still, in mid-turn, and with the toys' own
// animations advanced, each over the window's background at 1×. Given the
// folder of earlier pictures, it compares them: pixels that differ by more
// than 6 % in a channel are counted and shown in diff-*.png.
//
//   build/bench/render_pictures OUTFOLDER [EARLIERFOLDER]
#include "platform/paths.h"
#include "scene/tree.h"
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_pictures OUTFOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    Paths.HDPath = BenchHome();
    QImage window(DataFile("Resource/Bk.bmp"));
    if (window.isNull()) {
        std::fprintf(stderr, "render_pictures: no window picture under %s\n", BenchHome());
        return 1;
    }
    const QImage background = window.convertToFormat(QImage::Format_RGB32).copy(135, 32, 370, 376);
    TTree tree("desc.default", background.size(), background);
    tree.KeepFileUnchanged();
    tree.AnimateToys(0);
    tree.Render();
    composed(tree, background).save(out.filePath("still.png"));
    tree.AnimateToys(700);
    tree.Render();
    composed(tree, background).save(out.filePath("animated.png"));
    tree.Rotate(true, tree.TimeForRotate() / 7.0);
    composed(tree, background).save(out.filePath("turned.png"));
    if (argc > 2) {
        const QDir earlier(QString::fromLocal8Bit(argv[2]));
        for (const char* name : {"still.png", "animated.png", "turned.png"})
            compare(out, earlier, name);
    }
    return 0;
}
