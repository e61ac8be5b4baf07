#include "scene/d3dscene.h"

#include "scene/d3ddriverlist.h"
#include "scene/rm/gl/device.h"
#include "scene/rm/meshbuilder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The texts and title of the program's message boxes.
QString applicationTitle() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Pinewick") : name;
}

} // namespace

TD3DScene::TD3DScene(QWidget* treeControl, const QImage& windowBackground)
    : treeControl_(treeControl), size_(treeControl ? treeControl->size() : QSize()),
      scale_(treeControl ? std::max<qreal>(1, treeControl->devicePixelRatioF()) : 1) {
    if (treeControl)
        treeControl->setProperty("Tag", QVariant::fromValue(static_cast<void*>(this)));
    buildScene();
    // The part of the window's background under the control, at the
    // background's own resolution (a picture drawn for the screen's density
    // carries its device pixel ratio).
    const QPoint origin = treeControl ? treeControl->mapTo(treeControl->window(), QPoint(0, 0)) : QPoint();
    if (!background_.isNull()) {
        const qreal from = windowBackground.devicePixelRatio();
        QPainter painter(&background_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), deviceSize()), windowBackground,
                          QRectF(QPointF(origin) * from, QSizeF(size_) * from));
    }
}

TD3DScene::TD3DScene(QSize size, const QImage& background) : size_(size) {
    buildScene();
    if (!background_.isNull()) {
        QPainter painter(&background_);
        painter.drawImage(QPoint(0, 0), background);
    }
}

TD3DScene::~TD3DScene() {
    if (statsTimer_)
        printRenderStats();
    // The device's GL objects go before the frames and meshes they draw.
    viewport_.reset();
    device_.reset();
}

QSize TD3DScene::deviceSize() const {
    return (QSizeF(size_) * scale_).toSize();
}

void TD3DScene::buildScene() {
    background_ = QImage(deviceSize(), QImage::Format_RGB32);
    background_.fill(Qt::white);
    compose_ = QImage(deviceSize(), QImage::Format_RGB32);
    compose_.fill(Qt::white);

    sceneFrame_ = rm::Frame::create();
    sceneFrame_->SetPosition(nullptr, {0, 0, 0});
    sceneFrame_->SetOrientation(nullptr, {0, 0, 1}, {0, 1, 0});
    sceneFrame_->SetSceneBackgroundRGB(1, 1, 1);

    treeFrame_ = rm::Frame::create(sceneFrame_);
    treeFrame_->SetPosition(sceneFrame_.get(), {0, 0, 0});
    treeFrame_->SetOrientation(sceneFrame_.get(), {0, 0, 1}, {0, 1, 0});

    auto lightFrame = rm::Frame::create(sceneFrame_);
    lightFrame->SetPosition(sceneFrame_.get(), {5000, 5000, 5000});
    lightFrame->LookAt(*treeFrame_, sceneFrame_.get(), rm::Constraint::ConstrainZ);
    light_ = rm::Light::create(rm::LightType::Point, 0.9f, 0.9f, 0.9f);
    lightFrame->AddLight(light_);

    cameraFrame_ = rm::Frame::create(sceneFrame_);
    cameraFrame_->SetPosition(sceneFrame_.get(), {0, 0, 100});
    cameraFrame_->LookAt(*treeFrame_, sceneFrame_.get(), rm::Constraint::ConstrainZ);

    if (qEnvironmentVariableIsSet("PINEWICK_RENDER_STATS") && QCoreApplication::instance()) {
        statsTimer_ = std::make_unique<QTimer>();
        QObject::connect(statsTimer_.get(), &QTimer::timeout, [this] { printRenderStats(); });
        statsTimer_->start(1000);
        statsClock_.start();
    }
}

TD3DScene::RenderStats TD3DScene::renderStats() const {
    if (!device_)
        return {};
    const gl::DeviceStats& stats = device_->stats();
    return {stats.renders,
            stats.fullRenders,
            stats.pixelsRead,
            stats.remembered,
            stats.reduced,
            stats.triangles,
            static_cast<double>(stats.rendererNs) / 1e6};
}

void TD3DScene::printRenderStats() {
    const RenderStats stats = renderStats();
    std::fprintf(
        stderr, "render stats: %lld ms: %llu renders, %llu whole, %llu pixels read, %llu remembered\n",
        static_cast<long long>(statsClock_.elapsed()), static_cast<unsigned long long>(stats.renders),
        static_cast<unsigned long long>(stats.wholeRenders),
        static_cast<unsigned long long>(stats.pixelsRead), static_cast<unsigned long long>(stats.remembered));
    // While turning: the samples of the frames now, and the longest time from
    // one frame to the next in the last second (the longest an input waited).
    if (turning_ || longestFrameMs_ > 0)
        std::fprintf(
            stderr,
            "turning stats: %lld ms: %d samples, longest frame %.1f ms, %llu reduced, %llu triangles\n",
            static_cast<long long>(statsClock_.elapsed()), budget_.samples(), longestFrameMs_,
            static_cast<unsigned long long>(stats.reduced), static_cast<unsigned long long>(stats.triangles));
    longestFrameMs_ = 0;
}

void TD3DScene::reportSurfaceError() {
    const QString text = QCoreApplication::translate("TD3DScene", "DirectX error");
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok);
        box.exec();
    } else {
        std::fprintf(stderr, "%s: %s (no render surface of %dx%d)\n", qPrintable(applicationTitle()),
                     qPrintable(text), size_.width(), size_.height());
    }
}

void TD3DScene::SetDriver(const QString& name) {
    driverName_ = name;
    viewport_.reset();
    device_.reset();

    bool hardware = false;
    std::optional<int> driver;
    if (TD3DDriverList* list = TD3DDriverList::instance())
        driver = list->Find(name, hardware);

    // The render surface is the device's framebuffer; without a size there is none.
    if (size_.isEmpty()) {
        reportSurfaceError();
        return;
    }
    std::string error;
    const QSize pixels = deviceSize();
    device_ = gl::Device::create(pixels.width(), pixels.height(), driver, &error);
    if (!device_) {
        // The chosen driver failed: the default one, and the name is forgotten.
        driverName_.clear();
        device_ = gl::Device::create(pixels.width(), pixels.height(), std::nullopt, &error);
    }
    if (!device_) {
        // The user sees the window without a tree: say why, not only on stderr.
        std::fprintf(stderr, "TD3DScene: no 3D device: %s\n", error.c_str());
        reportSurfaceError();
        return;
    }
    device_->SetDither(true);
    device_->SetQuality(0x8A); // Phong shading, lights on, solid fill
    viewport_ = std::make_unique<rm::Viewport>(cameraFrame_, device_->GetWidth(), device_->GetHeight());
    viewport_->SetBack(5000);
    budget_ = FrameBudget(device_->sampleCounts());
}

void TD3DScene::SetTurning(bool on) {
    if (on == turning_)
        return;
    turning_ = on;
    lastTurningFrame_.reset();
    if (on) {
        budget_.Start(lastStillMs_);
    } else {
        budget_.Stop();
        if (device_ && device_->reduced())
            Render();
    }
}

void TD3DScene::Render() {
    if (!device_ || !viewport_)
        return;
    // A turning frame's time runs from the start of the one before, so it
    // holds everything the window did in between; a pause (a dialog, a
    // hidden window) is no frame.
    const auto start = std::chrono::steady_clock::now();
    std::optional<double> apart;
    if (turning_) {
        if (lastTurningFrame_) {
            const double ms = std::chrono::duration<double, std::milli>(start - *lastTurningFrame_).count();
            if (ms < 1000)
                apart = ms;
        }
        lastTurningFrame_ = start;
        device_->SetDrawing(
            {budget_.samples(), TurningDetailPixels(budget_.samples(), device_->fullDrawing().samples)});
    } else {
        device_->SetDrawing(device_->fullDrawing());
    }
    sceneFrame_->Move(1.0f);
    lastDamage_ = QRegion();
    const std::uint64_t wholeBefore = device_->stats().fullRenders + device_->stats().wholeStill;
    const std::uint64_t preparingBefore = device_->stats().preparingNs;
    for (const QRect& changed : device_->RenderChanges(*viewport_, *sceneFrame_))
        lastDamage_ +=
            QRectF(QPointF(changed.topLeft()) / scale_, QSizeF(changed.size()) / scale_).toAlignedRect();
    // What drawing such a frame costs, without the once-only making of coarser meshes.
    const double drawMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() -
        static_cast<double>(device_->stats().preparingNs - preparingBefore) / 1e6;
    if (apart) {
        budget_.Frame(*apart, drawMs);
        longestFrameMs_ = std::max(longestFrameMs_, *apart);
    } else if (turning_ && lastStillMs_ == 0) {
        budget_.FirstFrame(drawMs);
    }
    // What a whole still picture costs: a render that drew all of it (or its
    // whole still part, which is nearly all); the first picture also compiles
    // shaders and sends every mesh, and tells nothing of the next ones.
    if (!turning_ && device_->stats().fullRenders + device_->stats().wholeStill != wholeBefore &&
        wholeBefore > 0)
        lastStillMs_ = drawMs;
    if (treeControl_ && !lastDamage_.isEmpty())
        treeControl_->update(lastDamage_);
}

const QImage& TD3DScene::renderSurface() const {
    static const QImage none;
    return device_ ? device_->surface() : none;
}

void TD3DScene::PaintTo(int x, int y, QPainter& canvas) {
    // Only what the canvas lets through is composed: a repaint of the
    // rectangles the last render changed costs what they cover. Each
    // rectangle on its own, as the parts a render changed are often far apart
    // and the box around them all much larger (a clip of very many pieces is
    // taken whole).
    const QRect whole(QPoint(0, 0), size_);
    if (!canvas.hasClipping()) {
        paintArea(whole, x, y, canvas);
        return;
    }
    const QRegion clip = canvas.clipRegion().translated(-x, -y) & whole;
    if (clip.rectCount() > 64) {
        paintArea(clip.boundingRect(), x, y, canvas);
        return;
    }
    for (const QRect& area : clip) {
        paintArea(area, x, y, canvas);
    }
}

void TD3DScene::paintArea(const QRect& area, int x, int y, QPainter& canvas) {
    if (area.isEmpty())
        return;
    // The same area in the rendering's device pixels.
    const QRect pixels =
        QRectF(QPointF(area.topLeft()) * scale_, QSizeF(area.size()) * scale_).toAlignedRect() &
        compose_.rect();
    // Same size and format: straight copies of the background's rows.
    const qsizetype rowBytes = static_cast<qsizetype>(pixels.width()) * 4;
    for (int row = pixels.top(); row <= pixels.bottom(); ++row) {
        std::memcpy(compose_.scanLine(row) + pixels.left() * 4,
                    background_.constScanLine(row) + pixels.left() * 4, static_cast<std::size_t>(rowBytes));
    }
    if (device_) {
        QPainter painter(&compose_);
        painter.drawImage(pixels.topLeft(), device_->surface(), pixels);
    }
    if (scale_ == 1) {
        canvas.drawImage(area.topLeft() + QPoint(x, y), compose_, area);
    } else {
        // Device pixels land one to one on a canvas of the same density; a
        // canvas of another density (the card picture) gets them smoothed.
        const bool smooth = canvas.renderHints().testFlag(QPainter::SmoothPixmapTransform);
        canvas.setRenderHint(QPainter::SmoothPixmapTransform,
                             smooth || !canvas.device() || canvas.device()->devicePixelRatioF() != scale_);
        canvas.drawImage(QRectF(area.translated(x, y)), compose_, QRectF(pixels));
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    }
}

float TD3DScene::LoadTreeMesh(const QString& path, float scale) {
    auto builder = rm::MeshBuilder::create();
    // Textures are looked for beside the mesh file first.
    treeMeshError_.clear();
    if (!builder->Load(path.toStdString())) {
        treeMeshError_ = builder->lastError().empty() ? "the mesh could not be read" : builder->lastError();
        std::fprintf(stderr, "TD3DScene: %s\n", builder->lastError().c_str());
    }
    builder->Scale(scale, scale, scale);
    rm::Box box = builder->GetBox();
    builder->Translate(0, -box.min.y, 0);
    box = builder->GetBox();
    treeFrame_->AddVisual(builder);
    return (box.max.y + box.min.y) / 2;
}

std::shared_ptr<rm::Frame> TD3DScene::PickFrame(int x, int y, rm::Vector* treePoint) const {
    if (!viewport_)
        return nullptr;
    const std::vector<rm::PickHit> hits = viewport_->Pick(static_cast<int>(std::floor((x + 0.5) * scale_)),
                                                          static_cast<int>(std::floor((y + 0.5) * scale_)));
    if (hits.empty() || hits[0].frames.empty())
        return nullptr;
    if (treePoint) {
        const rm::Vector world = viewport_->InverseTransform(glm::vec4(hits[0].position, 1.0f));
        *treePoint = treeFrame_->InverseTransform(world);
    }
    return hits[0].frames.back();
}
