#pragma once
// TD3DScene: the 3D scene of the tree control and its drawing. It builds the
// scene graph (scene frame; tree frame; a point light far up front right; the
// camera 100 units in front, looking at the tree), keeps the background under
// the tree control, renders with the device SetDriver chose, and composes the
// rendering over the background by coverage alpha in PaintTo.
//
//   TD3DScene scene(QSize(370, 376), backgroundUnderControl);
//   scene.SetDriver(nameFromDescFile);           // "" = the default driver
//   float half = scene.LoadTreeMesh(path, 1.0f);
//   scene.Render();
//   QPainter painter(&windowImage);
//   scene.PaintTo(controlX, controlY, painter);
//
// On a high-density screen the scene renders at the tree control's device
// resolution (a device pixel ratio of 2 renders 740 x 752 pixels for a 370 x
// 376 control); every coordinate of this interface stays in the control's own
// (logical) pixels.
//
// Render draws only what changed since the last rendering: a still scene costs
// almost nothing, so a window may call it on every display frame. It repaints
// only the changed part of the tree control (LastDamage). With the environment
// variable PINEWICK_RENDER_STATS set, the scene writes its render counts to
// standard error once a second.
//
// While the window turns the tree (SetTurning), frames may get fewer samples
// per pixel when they miss thirty frames a second (FrameBudget), and toys
// small on the screen coarser meshes that stray at most a quarter pixel (half
// a pixel with fewer samples) from the full ones; the moment it stops, the
// still tree is drawn again at full quality. Everything else (cards, prints,
// snapshots) is always drawn at full quality.
//
// TTree derives from it and reaches the frames through the accessors.
#include "scene/d3dutils.h" // CopyPlacement, BlendBitmap
#include "scene/framebudget.h"
#include "scene/rm/frame.h"
#include "scene/rm/viewport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QPainter;
class QTimer;

namespace gl {
class Device;
}

class TD3DScene {
public:
    // The scene of a tree control; the part of the window's background picture
    // under the control becomes the background surface. The control's "Tag"
    // property is set to this scene.
    TD3DScene(QWidget* treeControl, const QImage& windowBackground);
    // A scene of a given size with its own background (no control).
    TD3DScene(QSize size, const QImage& background);
    TD3DScene(const TD3DScene&) = delete;
    TD3DScene& operator=(const TD3DScene&) = delete;
    virtual ~TD3DScene();

    // (Re)creates the device and viewport for the named driver, with fall-backs:
    // an unknown name renders on the default device (the name is kept); a
    // device that fails is replaced by the default one and the name emptied;
    // without a render surface "DirectX error" is reported and nothing renders.
    void SetDriver(const QString& name);
    const QString& driverName() const { return driverName_; }
    bool hasDevice() const { return device_ != nullptr; }

    // One frame: applies frame motion, renders what changed into the render
    // surface and asks the tree control to repaint that part. Does nothing
    // without a device, or when nothing changed since the last rendering.
    void Render();
    // How far a coarser mesh may stray from the full one while the tree
    // turns, in device pixels: a quarter with smooth edges, so that the
    // silhouettes of thin toys (candles, icicles) keep their width too; half
    // a pixel when the frames have fewer samples and their edges step by a
    // whole pixel anyway.
    static float TurningDetailPixels(int samples, int fullSamples) {
        return samples < fullSamples ? 0.5f : 0.25f;
    }
    // The window turns the tree (true) or stopped turning it (false: the
    // picture is drawn again at full quality if it was not).
    void SetTurning(bool on);
    bool turning() const { return turning_; }
    // The samples per pixel the turning frames get now.
    int turningSamples() const { return budget_.samples(); }
    // The part of the tree control (its pixels) that the last Render changed.
    const QRegion& LastDamage() const { return lastDamage_; }
    // Renders that changed the picture (whole ones among them) and the pixels
    // read back from the renderer, since the device was made.
    struct RenderStats {
        std::uint64_t renders = 0;
        std::uint64_t wholeRenders = 0;
        std::uint64_t pixelsRead = 0;
        std::uint64_t remembered = 0;
        std::uint64_t reduced = 0;   // drawn with fewer samples or coarser meshes
        std::uint64_t triangles = 0; // sent to the renderer
        double rendererMs = 0;       // spent in the renderer's drawing calls and read-backs
    };
    RenderStats renderStats() const;
    // Background with the last rendering laid over it by alpha, drawn at (x, y).
    void PaintTo(int x, int y, QPainter& canvas);
    // Loads a mesh into the tree frame, scaled, standing on y = 0; returns half its height.
    float LoadTreeMesh(const QString& path, float scale);
    // Why the tree mesh could not be read ("" when it was).
    const std::string& treeMeshError() const { return treeMeshError_; }
    // The frame holding the nearest visual under (x, y), or null; with
    // treePoint, the hit point in tree-frame coordinates.
    std::shared_ptr<rm::Frame> PickFrame(int x, int y, rm::Vector* treePoint = nullptr) const;

    QSize size() const { return size_; }
    // Device pixels per control pixel (1 unless the screen is high-density).
    qreal scale() const { return scale_; }
    const std::shared_ptr<rm::Frame>& sceneFrame() const { return sceneFrame_; }
    const std::shared_ptr<rm::Frame>& treeFrame() const { return treeFrame_; }
    const std::shared_ptr<rm::Frame>& cameraFrame() const { return cameraFrame_; }
    const std::shared_ptr<rm::Light>& light() const { return light_; }
    rm::Viewport* viewport() const { return viewport_.get(); }
    // The last rendering (premultiplied ARGB, alpha = coverage, in device
    // pixels); empty without a device.
    const QImage& renderSurface() const;
    const QImage& backgroundSurface() const { return background_; }
    QWidget* treeControl() const { return treeControl_; }

private:
    // PaintTo for one rectangle of the scene (scene pixels).
    void paintArea(const QRect& area, int x, int y, QPainter& canvas);
    std::string treeMeshError_;
    void buildScene();
    void reportSurfaceError();
    void printRenderStats();

    QSize deviceSize() const;

    QPointer<QWidget> treeControl_;
    QSize size_;
    qreal scale_ = 1;
    QImage background_;
    QImage compose_;
    std::shared_ptr<rm::Frame> sceneFrame_;
    std::shared_ptr<rm::Frame> cameraFrame_;
    std::shared_ptr<rm::Frame> treeFrame_;
    std::unique_ptr<gl::Device> device_;
    std::unique_ptr<rm::Viewport> viewport_;
    std::shared_ptr<rm::Light> light_;
    QString driverName_;
    QRegion lastDamage_;
    FrameBudget budget_;
    bool turning_ = false;
    std::optional<std::chrono::steady_clock::time_point> lastTurningFrame_;
    double lastStillMs_ = 0;    // what the last whole still picture took to draw
    double longestFrameMs_ = 0; // while turning, since the render stats were last printed
    std::unique_ptr<QTimer> statsTimer_;
    QElapsedTimer statsClock_;
};
