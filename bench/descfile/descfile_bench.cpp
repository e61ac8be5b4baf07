// Reading and writing a full description file: 49 descriptions, 2,000 toys.
#include "scene/descfile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

DescriptionFile bigDecoration() {
    DescriptionFile d;
    d.welcomeText = "Merry Christmas and a Happy New Year!";
    for (int i = 0; i < MaxDescToys; ++i) {
        DescToyRecord desc;
        desc.ShapeFile = "Toys/Toy" + std::to_string(i) + ".bmp";
        desc.MeshFile = "Mesh/Toys/Toy" + std::to_string(i) + "_*.x";
        desc.MeshCount = 3;
        desc.LandFile = "Mesh/Land/Ball*.x";
        desc.LandCount = 6;
        desc.Scale = 0.9f;
        desc.SoundFile = "Sound/Shatter.wav";
        d.descToys.push_back(desc);
    }
    d.mouse = MouseRecord{0.3, 4, "Mesh/Mouse*.x", 600, 1, 3000, "Sound/Squeak.wav"};
    for (int i = 0; i < 2000; ++i) {
        const float a = static_cast<float>(i) * 0.37f;
        d.toys.push_back({i % MaxDescToys, {a * 0.01f, 3.5f + a * 0.02f, -a * 0.013f}, {0, 0, 1}, {0, 1, 0}});
    }
    return d;
}

const std::string& benchFile() {
    static const std::string path = [] {
        const auto folder = std::filesystem::temp_directory_path() / "pinewick-bench";
        std::filesystem::create_directories(folder);
        return (folder / "desc").string();
    }();
    return path;
}

void BM_WriteDescriptionFile(benchmark::State& state) {
    const DescriptionFile d = bigDecoration();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteDescriptionFile(benchFile(), d));
    }
}
BENCHMARK(BM_WriteDescriptionFile)->Unit(benchmark::kMillisecond);

void BM_ReadDescriptionFile(benchmark::State& state) {
    WriteDescriptionFile(benchFile(), bigDecoration());
    for (auto _ : state) {
        auto load = ReadDescriptionFile(benchFile(), "desc");
        benchmark::DoNotOptimize(load.file.toys.size());
    }
}
BENCHMARK(BM_ReadDescriptionFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
