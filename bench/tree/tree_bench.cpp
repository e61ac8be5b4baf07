// The frame cost of the decorated tree, on the generated default decoration:
//  - Idle: ten seconds of the window's step at 60 Hz with nobody touching it
//    (own animations paced): CPU as a share of one core, renders and read-back
//    pixels per second.
//  - Turning: one step of the tree turning (own animations, turn, render,
//    compose), against the bare cost of the same world-space triangles in one
//    buffer with a minimal shader, the same samples and the same read-back, in
//    the same process; the ratio is printed.
//  - 1,000 toys hung (read from a description file, so the set-up renders
//    once), turning: the wall median of a step.
// CPU times are of the whole process, llvmpipe's threads included. Each goal's
// figure is also printed as a share of the goal (*_of_goal: 1 or less meets it).
#include "baredraw.h"
#include "platform/paths.h"
#include "scene/descfile.h"
#include "scene/scenevector.h"
#include "scene/tree.h"
#include "support/benchhome.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <sys/resource.h>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;

// The goals: CPU per idle render (under 5 % of a core at 30 renders a second),
// a turning step against the bare drawing and on the wall clock, and a turning
// step with 1,000 toys on the wall clock.
constexpr double IdleRenderGoalMs = 1.7;
constexpr double TurningRatioGoal = 1.1;
constexpr double TurningWallGoalMs = 16.7;
constexpr double ThousandToysGoalMs = 25.0;

double processCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double wallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QImage treeBackground() {
    QImage background(370, 376, QImage::Format_RGB32);
    background.fill(QColor(12, 20, 48));
    return background;
}

// The default decoration, with extraToys more toys spread over the tree.
std::unique_ptr<TTree> makeTree(int extraToys) {
    Paths.HDPath = BenchHome();
    QString name = "desc.default";
    if (extraToys > 0) {
        DescriptionFile file =
            ReadDescriptionFile(DataFile("desc.default").toStdString(), "desc.default").file;
        std::mt19937 random(7);
        std::uniform_real_distribution<float> height(0.05f, 0.85f);
        std::uniform_real_distribution<float> angle(0, 6.2831853f);
        const int kinds = std::min<int>(static_cast<int>(file.descToys.size()), 35);
        for (int i = 0; i < extraToys; ++i) {
            const float y = height(random) * 80.0f;
            const float radius = 30 * (1 - y / 85.0f);
            const float a = angle(random);
            file.toys.push_back({i % kinds,
                                 ToFileVector({radius * std::cos(a), y, radius * std::sin(a)}),
                                 {0, 0, 1},
                                 {0, 1, 0}});
        }
        name = "desc.bench-" + QString::number(extraToys);
        WriteDescriptionFile(DataFile(name).toStdString(), file);
    }
    auto tree = std::make_unique<TTree>(name, QSize(370, 376), treeBackground());
    tree->KeepFileUnchanged();
    if (extraToys > 0) {
        QFile::remove(DataFile(name));
        QFile::remove(DataFile(name + "~~~"));
    }
    return tree;
}

// What the window does with a rendering: compose the changed part over the background.
void paintChanges(TTree& tree, QImage& window) {
    if (tree.LastDamage().isEmpty())
        return;
    QPainter painter(&window);
    painter.setClipRegion(tree.LastDamage().translated(135, 32));
    tree.PaintTo(135, 32, painter);
}

void BM_IdleTenSeconds(benchmark::State& state) {
    auto tree = makeTree(0);
    if (!tree->hasDevice()) {
        state.SkipWithError("no 3D device");
        return;
    }
    QImage window(640, 480, QImage::Format_RGB32);
    double now = 0;
    // Settle for the argument's seconds: the first steps draw everything once
    // and fill the cache; the first rounds of the loops fill the picture memory.
    const auto settle = static_cast<int>(state.range(0) * 1000 / FrameMs);
    for (int i = 0; i < settle; ++i) {
        now += FrameMs;
        tree->AnimateToysPaced(now);
        tree->Render();
        paintChanges(*tree, window);
    }
    for (auto _ : state) {
        const auto before = tree->renderStats();
        const double cpu = processCpuMs();
        constexpr int Frames = 600;
        for (int i = 0; i < Frames; ++i) {
            now += FrameMs;
            tree->AnimateToysPaced(now);
            tree->Render();
            paintChanges(*tree, window);
        }
        const double seconds = Frames * FrameMs / 1000.0;
        const auto after = tree->renderStats();
        const double cpuMs = processCpuMs() - cpu;
        const auto renders = static_cast<double>(after.renders - before.renders);
        state.counters["cpu_percent_of_core"] = cpuMs / (seconds * 10.0);
        state.counters["renders_per_s"] = renders / seconds;
        state.counters["cpu_ms_per_render"] = renders > 0 ? cpuMs / renders : 0.0;
        state.counters["per_render_of_goal"] = renders > 0 ? cpuMs / renders / IdleRenderGoalMs : 0.0;
        state.counters["whole_per_s"] =
            static_cast<double>(after.wholeRenders - before.wholeRenders) / seconds;
        state.counters["pixels_read_per_s"] =
            static_cast<double>(after.pixelsRead - before.pixelsRead) / seconds;
        state.counters["remembered_per_s"] =
            static_cast<double>(after.remembered - before.remembered) / seconds;
    }
}
// Ten seconds from the start, and ten seconds after a minute left alone.
BENCHMARK(BM_IdleTenSeconds)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1)->Arg(60);

// Steps of the tree turning, as the window runs them while a button is held.
struct StepTimes {
    std::vector<double> wall;
    double cpu = 0;
};

void turningSteps(TTree& tree, QImage& window, double& now, int count, StepTimes& times) {
    const double cpu = processCpuMs();
    for (int i = 0; i < count; ++i) {
        const double start = wallMs();
        now += FrameMs;
        tree.AnimateToys(now);
        tree.Rotate(true, FrameMs);
        paintChanges(tree, window);
        times.wall.push_back(wallMs() - start);
    }
    times.cpu += processCpuMs() - cpu;
}

void bareFrames(BareDraw& bare, int count, StepTimes& times) {
    const double cpu = processCpuMs();
    for (int i = 0; i < count; ++i) {
        const double start = wallMs();
        bare.frame();
        times.wall.push_back(wallMs() - start);
    }
    times.cpu += processCpuMs() - cpu;
}

void BM_TurningAgainstBare(benchmark::State& state) {
    auto tree = makeTree(0);
    if (!tree->hasDevice()) {
        state.SkipWithError("no 3D device");
        return;
    }
    QImage window(640, 480, QImage::Format_RGB32);
    double now = 0;
    tree->AnimateToys(now);
    BareDraw bare(*tree->sceneFrame(), *tree->viewport());
    if (!bare.ok()) {
        state.SkipWithError("bare drawing failed");
        return;
    }
    for (auto _ : state) {
        StepTimes turning, bareTimes;
        // Alternate short runs, so that other load on the machine hits both alike.
        for (int round = 0; round < 6; ++round) {
            turningSteps(*tree, window, now, 15, turning);
            bareFrames(bare, 15, bareTimes);
        }
        const double frames = static_cast<double>(turning.wall.size());
        state.counters["turning_cpu_ms"] = turning.cpu / frames;
        state.counters["bare_cpu_ms"] = bareTimes.cpu / frames;
        state.counters["ratio_cpu"] = turning.cpu / bareTimes.cpu;
        state.counters["turning_wall_median_ms"] = median(turning.wall);
        state.counters["bare_wall_median_ms"] = median(bareTimes.wall);
        state.counters["ratio_wall"] = median(turning.wall) / median(bareTimes.wall);
        state.counters["ratio_of_goal"] = turning.cpu / bareTimes.cpu / TurningRatioGoal;
        state.counters["wall_of_goal"] = median(turning.wall) / TurningWallGoalMs;
    }
    if (bare.centreAlpha() != 255)
        state.SkipWithError("the bare drawing shows nothing in the middle");
    state.counters["triangles"] = bare.triangles();
}
BENCHMARK(BM_TurningAgainstBare)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ThousandToysTurning(benchmark::State& state) {
    auto tree = makeTree(1000);
    if (!tree->hasDevice()) {
        state.SkipWithError("no 3D device");
        return;
    }
    QImage window(640, 480, QImage::Format_RGB32);
    double now = 0;
    for (auto _ : state) {
        StepTimes turning;
        turningSteps(*tree, window, now, 40, turning);
        state.counters["wall_median_ms"] = median(turning.wall);
        state.counters["wall_of_goal"] = median(turning.wall) / ThousandToysGoalMs;
        state.counters["cpu_ms"] = turning.cpu / static_cast<double>(turning.wall.size());
    }
    state.counters["toys"] = static_cast<double>(tree->toys().size());
}
BENCHMARK(BM_ThousandToysTurning)->Unit(benchmark::kMillisecond)->Iterations(1);

// The toys' own animations alone (no rendering).
void BM_AnimateToysOnly(benchmark::State& state) {
    auto tree = makeTree(0);
    double time = 0;
    for (auto _ : state) {
        tree->AnimateToys(time += FrameMs);
    }
}
BENCHMARK(BM_AnimateToysOnly)->Unit(benchmark::kMillisecond);

// Picking answers from the scene itself, whatever was rendered last.
void BM_PickFullScene(benchmark::State& state) {
    auto tree = makeTree(1000);
    int x = 120;
    for (auto _ : state) {
        x = x >= 250 ? 120 : x + 7;
        benchmark::DoNotOptimize(tree->Pick(x, 200));
    }
}
BENCHMARK(BM_PickFullScene)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace
