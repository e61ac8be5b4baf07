// One animation step of the tree control, Render + PaintTo of a 20,000-triangle
// scene at 370 × 376, next to the bare cost of drawing the same triangles with
// OpenGL and reading the pixels back. Run on llvmpipe with LP_NUM_THREADS=2 to
// compare with the machine the goals were set on.
#include "scene/d3dscene.h"
#include "scene/rm/gl/eglcontext.h"
#include "scene/rm/shapes.h"

#include "../support/bareprogram.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// CPU time of the whole process (llvmpipe's threads included), in ms.
double processCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) {
        return t.tv_sec * 1e3 + t.tv_usec / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Reports the process's CPU time per iteration: less disturbed than wall time
// when other programs share the machine.
struct CpuCounter {
    benchmark::State& state;
    double start = processCpuMs();
    ~CpuCounter() {
        if (state.iterations() > 0)
            state.counters["cpu_all_threads_ms"] =
                (processCpuMs() - start) / static_cast<double>(state.iterations());
    }
};

constexpr int Width = 370;
constexpr int Height = 376;

// 100 slices × 101 stacks: 20,000 triangles.
std::shared_ptr<rm::Mesh> twentyThousandTriangles() {
    return rm::makeSphere(25, 100, 101, 0xFF2A8A3A);
}

// A scene on the default device over a plain background; null (and the
// benchmark skipped) without a device.
std::unique_ptr<TD3DScene> makeScene(benchmark::State& state) {
    QImage background(Width, Height, QImage::Format_RGB32);
    background.fill(0xFF6080A0);
    auto scene = std::make_unique<TD3DScene>(QSize(Width, Height), background);
    scene->SetDriver("");
    if (!scene->hasDevice()) {
        state.SkipWithError("no 3D device");
        return nullptr;
    }
    return scene;
}

void SceneRenderAndPaint(benchmark::State& state) {
    const auto scenePointer = makeScene(state);
    if (!scenePointer)
        return;
    TD3DScene& scene = *scenePointer;
    auto mesh = twentyThousandTriangles();
    state.counters["triangles"] = static_cast<double>(mesh->GetGroup(0).faceCount);
    scene.treeFrame()->AddVisual(mesh);
    QImage window(640, 480, QImage::Format_RGB32);
    QPainter painter(&window);
    CpuCounter cpu{state};
    for (auto _ : state) {
        scene.treeFrame()->AddRotation(rm::CombineType::After, {0, 1, 0}, 0.01f);
        scene.Render();
        scene.PaintTo(10, 20, painter);
    }
}
BENCHMARK(SceneRenderAndPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The two halves of the step on their own.
void SceneRenderOnly(benchmark::State& state) {
    const auto scene = makeScene(state);
    if (!scene)
        return;
    scene->treeFrame()->AddVisual(twentyThousandTriangles());
    for (auto _ : state) {
        scene->treeFrame()->AddRotation(rm::CombineType::After, {0, 1, 0}, 0.01f);
        scene->Render();
    }
}
BENCHMARK(SceneRenderOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Render on a scene where nothing moved: finding that out is all it costs.
void SceneStillRender(benchmark::State& state) {
    const auto scene = makeScene(state);
    if (!scene)
        return;
    scene->treeFrame()->AddVisual(twentyThousandTriangles());
    scene->Render();
    for (auto _ : state)
        scene->Render();
}
BENCHMARK(SceneStillRender)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void ScenePaintOnly(benchmark::State& state) {
    const auto scene = makeScene(state);
    if (!scene)
        return;
    scene->treeFrame()->AddVisual(twentyThousandTriangles());
    scene->Render();
    QImage window(640, 480, QImage::Format_RGB32);
    QPainter painter(&window);
    for (auto _ : state)
        scene->PaintTo(10, 20, painter);
}
BENCHMARK(ScenePaintOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The same triangles, uploaded once, drawn with a minimal shader and read
// back: what any OpenGL renderer pays at least for that picture.
void BareDrawAndReadBack(benchmark::State& state) {
    const int samples = static_cast<int>(state.range(0));
    auto context = gl::EglContext::shared(std::nullopt);
    if (!context) {
        state.SkipWithError("no 3D device");
        return;
    }
    context->makeCurrent();
    auto mesh = twentyThousandTriangles();
    const rm::MeshGroup& group = mesh->groups()[0];
    const GLuint program = BareProgram();
    GLuint vao, buffers[2], framebuffer, renderbuffers[2];
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(2, buffers);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glBufferData(GL_ARRAY_BUFFER, group.vertices.size() * sizeof(rm::Vertex), group.vertices.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, group.indices.size() * sizeof(unsigned), group.indices.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(rm::Vertex), nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(rm::Vertex), reinterpret_cast<void*>(12));
    GLuint resolveFramebuffer, resolveBuffer;
    glGenRenderbuffers(2, renderbuffers);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[0]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, Width, Height);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[1]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, Width, Height);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffers[1]);
    glGenRenderbuffers(1, &resolveBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, resolveBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, Width, Height);
    glGenFramebuffers(1, &resolveFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, resolveBuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glViewport(0, 0, Width, Height);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE); // the far side is hidden anyway
    glFrontFace(GL_CW);     // the sphere's faces are clockwise seen from outside; y is not flipped here
    glUseProgram(program);
    // Roughly the scene's projection: the sphere 100 units in front.
    const float scale = 2.0f * 376.0f / 2.0f;
    const float transform[16] = {
        2 * scale / Width, 0, 0, 0, 0, 2 * scale / Height, 0, 0, 0, 0, 1.0004f, 1, 0, 0, 98.0f, 100.0f};
    glUniformMatrix4fv(glGetUniformLocation(program, "transform"), 1, GL_FALSE, transform);
    std::vector<unsigned char> pixels(Width * Height * 4);
    {
        CpuCounter cpu{state};
        for (auto _ : state) {
            glClearColor(0, 0, 0, 0);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(group.indices.size()), GL_UNSIGNED_INT,
                           nullptr);
            GLuint readFrom = framebuffer;
            if (samples > 0) {
                glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer);
                glBlitFramebuffer(0, 0, Width, Height, 0, 0, Width, Height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
                readFrom = resolveFramebuffer;
            }
            glBindFramebuffer(GL_READ_FRAMEBUFFER, readFrom);
            glReadPixels(0, 0, Width, Height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
            benchmark::DoNotOptimize(pixels.data());
            glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        }
    }
    // The sphere must really be there (a wrong winding would cull it all away).
    const std::size_t centre = (std::size_t(Height / 2) * Width + Width / 2) * 4;
    if (pixels[centre + 3] != 255)
        state.SkipWithError("the bare drawing shows nothing in the middle");
    glDeleteFramebuffers(1, &resolveFramebuffer);
    glDeleteRenderbuffers(1, &resolveBuffer);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteRenderbuffers(2, renderbuffers);
    glDeleteBuffers(2, buffers);
    glDeleteVertexArrays(1, &vao);
    glDeleteProgram(program);
}
// Argument: samples per pixel (0: a plain framebuffer; 4: multisampled and resolved, as the scene renders).
BENCHMARK(BareDrawAndReadBack)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
