// One animation step of the decorated tree (own animations, render, compose
// over the background) on the generated default decoration, and with 1,000
// toys hung; and the cost of picking on the full scene.
#include "platform/paths.h"
#include "scene/tree.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

std::unique_ptr<TTree> makeTree(int extraToys) {
    Paths.HDPath = PINEWICK_BENCH_HOME;
    QImage background(370, 376, QImage::Format_RGB32);
    background.fill(QColor(12, 20, 48));
    auto tree = std::make_unique<TTree>("desc.default", QSize(370, 376), background);
    tree->KeepFileUnchanged();
    std::mt19937 random(7);
    std::uniform_real_distribution<float> height(5, tree->TreeHeight() * 0.85f);
    std::uniform_real_distribution<float> angle(0, 6.2831853f);
    const auto& descToys = tree->descToys();
    for (int i = 0; i < extraToys; ++i) {
        const float y = height(random);
        const float radius = 30 * (1 - y / tree->TreeHeight());
        const float a = angle(random);
        TDescToy& descToy =
            *descToys[static_cast<std::size_t>(i) % std::min<std::size_t>(descToys.size(), 35)];
        tree->AddToy(descToy, {0, 0, 0.1f}, {0, 1, 0}, {radius * std::cos(a), y, radius * std::sin(a)});
    }
    return tree;
}

void animationStep(benchmark::State& state, int extraToys) {
    auto tree = makeTree(extraToys);
    QImage window(640, 480, QImage::Format_RGB32);
    double time = 0;
    for (auto _ : state) {
        time += 16;
        tree->AnimateToys(time);
        tree->Render();
        QPainter painter(&window);
        tree->PaintTo(135, 32, painter);
    }
    state.counters["toys"] = static_cast<double>(tree->toys().size());
}

void BM_AnimationStepDefaultDecoration(benchmark::State& state) {
    animationStep(state, 0);
}
BENCHMARK(BM_AnimationStepDefaultDecoration)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AnimationStepThousandToys(benchmark::State& state) {
    animationStep(state, 1000);
}
BENCHMARK(BM_AnimationStepThousandToys)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(60);

// The parts of a step on the default decoration.
void BM_AnimateToysOnly(benchmark::State& state) {
    auto tree = makeTree(0);
    double time = 0;
    for (auto _ : state) {
        tree->AnimateToys(time += 16);
    }
}
BENCHMARK(BM_AnimateToysOnly)->Unit(benchmark::kMillisecond);

void BM_RenderOnly(benchmark::State& state) {
    auto tree = makeTree(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tree->Render();
    }
}
BENCHMARK(BM_RenderOnly)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
