// The card saved as a file from the default decoration: one turntable frame
// (render and compose), and whole exports as GIF, WebP and MP4 with their
// sizes. The goal: a whole animated card in well under 15 s on two cores.
//
//   build/bench/card_bench
#include "mainwindow/layout.h"
#include "output/cardexport.h"
#include "output/turntable.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/benchhome.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Decoration {
    QImage window;
    std::unique_ptr<TTree> tree;
};

Decoration& Default() {
    static Decoration decoration = [] {
        Paths.HDPath = BenchHome();
        DirectXVersion = GetDXVersion();
        Decoration d;
        d.window = LoadPicture(DataFile("Resource/Bk.bmp")).convertToFormat(QImage::Format_RGB32);
        d.tree = std::make_unique<TTree>("desc.default", layout::TreeControl.size(),
                                         d.window.copy(layout::TreeControl));
        d.tree->KeepFileUnchanged();
        return d;
    }();
    return decoration;
}

void TurntableFrame(benchmark::State& state) {
    Decoration& d = Default();
    TTurntable turntable(d.window, *d.tree);
    int i = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(turntable.Frame(i));
        i = i % (turntable.FrameCount() - 1) + 1;
    }
}
BENCHMARK(TurntableFrame)->Unit(benchmark::kMillisecond);

void Export(benchmark::State& state, const char* suffix) {
    Decoration& d = Default();
    const QString file = QDir::tempPath() + "/card_bench." + suffix;
    QString error;
    for (auto _ : state) {
        if (ExportCard(d.window, *d.tree, file, {}, &error) != ExportResult::Written) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
    state.counters["kilobytes"] = QFileInfo(file).size() / 1024.0;
    QFile::remove(file);
}
BENCHMARK_CAPTURE(Export, gif, "gif")->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Export, webp, "webp")->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Export, mp4, "mp4")->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
