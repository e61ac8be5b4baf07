// TTree: picking, the tree-top rule, turning, falling and landing, printing.
#include "scene/desctoy.h"
#include "scene/openglprobe.h"
#include "scene/rm/gl/device.h"
#include "scene/rm/mesh.h"
#include "scene/rm/viewport.h"
#include "scene/soundplayer.h"
#include "scene/tree.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double twoPi = 6.283185307179586;
} // namespace

TPickResult TTree::Pick(int x, int y, rm::Vector* hitPoint) const {
    rm::Vector point{0.0f};
    const auto frame = PickFrame(x, y, &point);
    if (!frame) {
        return {};
    }
    const TPickResult result = FindToy(frame.get());
    if (result.kind == TPickResult::Tree && hitPoint) {
        *hitPoint = point;
    }
    return result;
}

TToy* TTree::NearestToy(int x, int y) const {
    if (const TPickResult under = Pick(x, y); under.kind == TPickResult::Toy) {
        return under.toy;
    }
    const rm::Viewport* view = viewport();
    if (!view) {
        return nullptr;
    }
    // Toys behind the trunk's axis are hidden by the tree: they count only
    // when no toy hangs in front.
    const float axisDepth = view->Transform(treeFrame()->Transform({0, 0, 0})).w;
    TToy* nearest = nullptr;
    bool nearestInFront = false;
    float nearestDistance = 0;
    for (const auto& toy : toys_) {
        const glm::vec4 s = view->Transform(toy->frame()->Transform({0, 0, 0}));
        if (s.w <= 0) {
            continue;
        }
        const float dx = s.x / s.w - static_cast<float>(x);
        const float dy = s.y / s.w - static_cast<float>(y);
        const float distance = dx * dx + dy * dy;
        const bool inFront = s.w <= axisDepth;
        if (!nearest || (inFront && !nearestInFront) ||
            (inFront == nearestInFront && distance < nearestDistance)) {
            nearest = toy.get();
            nearestInFront = inFront;
            nearestDistance = distance;
        }
    }
    return nearest;
}

rm::Vector TTree::ScreenToTree(int x, int y) const {
    // In the control's pixels: the viewport may render at a higher density.
    const rm::Viewport* view = viewport();
    const int width = size().width();
    const int height = size().height();
    const float field = view ? view->GetField() : 0.5f;
    const float front = view ? view->GetFront() : 1.0f;
    const float m = static_cast<float>(std::max(width, height));
    const float px = field * 2 * static_cast<float>(x - width / 2) / m;
    const float py = field * 2 * static_cast<float>(height / 2 - y) / m;
    // On the plane through the tree's origin that faces the camera.
    const float d = treeFrame()->GetPosition(cameraFrame().get()).z;
    const float k = d - front;
    const rm::Vector inCamera{px * k / front, py * k / front, front + k};
    return treeFrame()->InverseTransform(cameraFrame()->Transform(inCamera));
}

float TTree::DepthBehindFoliage(const rm::Vector& at, const rm::Box& box) const {
    const rm::Viewport* view = viewport();
    // A grid over the toy's face, the points inside the ellipse its box
    // holds: the corners of a ball's box are no part of the ball.
    constexpr int Grid = 5;
    const float middleZ = (box.min.z + box.max.z) * 0.5f;
    float worst = -std::numeric_limits<float>::infinity();
    for (int j = 0; j < Grid; ++j) {
        for (int i = 0; i < Grid; ++i) {
            const float u = (2.0f * static_cast<float>(i) + 1.0f) / Grid - 1.0f;
            const float v = (2.0f * static_cast<float>(j) + 1.0f) / Grid - 1.0f;
            if (u * u + v * v > 1.0f) {
                continue;
            }
            const rm::Vector point =
                at + rm::Vector((box.min.x + box.max.x) * 0.5f + u * (box.max.x - box.min.x) * 0.5f,
                                (box.min.y + box.max.y) * 0.5f + v * (box.max.y - box.min.y) * 0.5f, middleZ);
            const rm::Vector screen = view->project(point);
            for (const rm::PickHit& hit :
                 view->Pick(static_cast<int>(std::floor(screen.x)), static_cast<int>(std::floor(screen.y)))) {
                if (hit.frames.empty() || hit.frames.back() != treeFrame()) {
                    continue; // another toy: it does not hide this one for good
                }
                const rm::Vector world = view->InverseTransform(glm::vec4(hit.position, 1.0f));
                const float foliageZ = cameraFrame()->InverseTransform(world).z;
                worst = std::max(worst, point.z - foliageZ);
                break;
            }
        }
    }
    return worst;
}

rm::Vector TTree::HangPoint(TDescToy& descToy, const rm::Vector& hit) {
    if (!descToy.mesh()) {
        descToy.LoadMesh();
    }
    if (!viewport() || !descToy.mesh()) {
        return hit;
    }
    const rm::Box box = descToy.mesh()->GetBox();
    // A new toy faces the camera upright: its box lies along the camera's axes.
    const rm::Vector anchor = cameraFrame()->InverseTransform(treeFrame()->Transform(hit));
    if (!(anchor.z > 0)) {
        return hit;
    }
    // Along the ray from the camera: the toy stays under the pointer. Nearer,
    // it shows a little larger and covers a little more, so look again.
    float pull = 0; // the share of the way from the hit to the camera
    for (int round = 0; round < 3; ++round) {
        const float behind = DepthBehindFoliage(anchor * (1 - pull), box);
        if (!(behind > 0)) {
            break;
        }
        pull = std::min(pull + behind / anchor.z, 0.5f);
    }
    return treeFrame()->InverseTransform(cameraFrame()->Transform(anchor * (1 - pull)));
}

bool TTree::FitTop(rm::Vector& point) const {
    for (const auto& toy : toys_) {
        if (toy->descToy().IsTop()) {
            return false;
        }
    }
    if (point.y < topLowest_) {
        return false;
    }
    if (point.x * point.x + point.z * point.z > topRadius_ * topRadius_) {
        return false;
    }
    point = {0, topSnap_, 0};
    return true;
}

void TTree::AnimateToys(double time) {
    lastOwnAnimation_ = time;
    lastOwnStep_ = std::numeric_limits<std::int64_t>::min();
    for (const auto& descToy : descToys_) {
        descToy->Animate(time);
    }
}

bool TTree::AnimateToysPaced(double time) {
    const auto step = static_cast<std::int64_t>(std::floor(time / OwnAnimationStep));
    // A clock that went back (the help button resets it) animates at once.
    if (step == lastOwnStep_ && time >= lastOwnAnimation_) {
        return false;
    }
    lastOwnAnimation_ = time;
    lastOwnStep_ = step;
    for (const auto& descToy : descToys_) {
        descToy->AnimateOnGrid(time, OwnAnimationStep);
    }
    return true;
}

void TTree::Rotate(bool positive, double t) {
    // A turn that takes no time has no speed: the tree stays. A negative time
    // turns the tree the other way round.
    if (timeForRotate_ == 0) {
        return;
    }
    const double angle = t * twoPi / timeForRotate_;
    Turn(static_cast<float>(positive ? angle : -angle));
    Render();
}

void TTree::Turn(float angle) {
    const rm::Vector foot = treeFrame()->GetPosition(sceneFrame().get());
    treeFrame()->AddRotation(rm::CombineType::After, {0, 1, 0}, angle);
    treeFrame()->SetPosition(sceneFrame().get(), foot);
}

// A fall that takes no time, or a tree of no height, drops a toy at once.
bool TTree::instantDrop() const {
    return timeForDrop_ <= 0 || !(treeHeight_ > 0);
}

void TTree::StartDrop(const rm::Vector& start) {
    if (instantDrop()) {
        dropOffset_ = 0;
        return;
    }
    // Let go above the tip, a toy starts from rest: a negative offset would
    // send it up, out of sight, for seconds before it came back down.
    dropOffset_ =
        static_cast<float>(std::max(0.0, std::trunc((1 - start.y / treeHeight_) * timeForDrop_ + 0.5)));
}

bool TTree::DropStep(TToy* toy, double t) {
    rm::Vector position = toy->frame()->GetPosition(treeFrame().get());
    // Every step falls further than the one before: speed grows with time.
    float y = instantDrop() ? 0.0f
                            : static_cast<float>(position.y - (t + dropOffset_) * treeHeight_ / timeForDrop_);
    const bool landed = !(y > 0);
    if (landed) {
        y = 0;
    }
    position.y = y;
    toy->frame()->SetPosition(treeFrame().get(), position);
    Render();
    return landed;
}

void TTree::StartLanding(TToy* toy, TSoundPlayer* player) {
    if (player) {
        player->StopAndClose();
    }
    mouseActive_ = false;
    if (DirectXVersion >= 0x600 && mouse_) {
        // The mouse comes on c × 1000 + 1 of every 1000 draws: even a chance of 0
        // brings it about once in a thousand landings.
        const int r = random_() % 1000;
        mouseActive_ = mouse_->Chance() * 1000 >= r;
    }
    fallingToy_ = toy;
    TSoundPlayer* sound = MusicOn ? player : nullptr;
    if (mouseActive_) {
        mouse_->BeginFetch(treeFrame(), sound, toy->frame(), *cameraFrame());
    } else {
        toy->BeginLanding(sound);
    }
}

bool TTree::LandingStep(double t) {
    if (!fallingToy_) {
        return true;
    }
    if (mouseActive_) {
        if (!mouse_->StepFetch(t)) {
            return false;
        }
        mouse_->EndFetch(*treeFrame());
    } else if (!fallingToy_->StepLanding(t)) {
        return false;
    }
    RemoveToy(fallingToy_);
    fallingToy_ = nullptr;
    mouseActive_ = false;
    return true;
}

void TTree::PrintTo(QPainter& canvas, const QRect& rect, const QImage& background) {
    // The pixels the rectangle takes on the canvas's device: a printer at 300
    // dpi or more gets a tree drawn for it, not the window's picture enlarged.
    const QRect onDevice = canvas.deviceTransform().mapRect(QRectF(rect)).toAlignedRect();
    QSize pixels = onDevice.size().expandedTo(size());
    if (std::max(pixels.width(), pixels.height()) > LargestPrintPicture) {
        pixels.scale(LargestPrintPicture, LargestPrintPicture, Qt::KeepAspectRatio);
    }
    QImage scene = pixels == size() ? QImage() : RenderAt(pixels);
    if (scene.isNull()) {
        // The window's own picture, enlarged (also when no larger one could be rendered).
        scene = renderSurface();
    }
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(rect, background.isNull() ? backgroundSurface() : background);
    if (!scene.isNull()) {
        canvas.drawImage(rect, scene);
    }
    canvas.restore();
}

QImage TTree::RenderAt(QSize pixels) const {
    const rm::Viewport* view = viewport();
    if (!view) {
        return {};
    }
    auto device = gl::Device::create(pixels.width(), pixels.height(), std::nullopt);
    if (!device) {
        return {};
    }
    // The same camera, field and depth range: the same picture, finer.
    rm::Viewport large(view->GetCamera(), pixels.width(), pixels.height());
    large.SetField(view->GetField());
    large.SetFront(view->GetFront());
    large.SetBack(view->GetBack());
    device->Clear();
    device->Render(large, *sceneFrame());
    device->Update();
    return device->surface().copy();
}
