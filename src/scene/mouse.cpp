#include "scene/mouse.h"

#include "scene/d3dutils.h"
#include "scene/rm/meshbuilder.h"
#include "scene/soundplayer.h"

#include <QString>

namespace {
constexpr unsigned closedLinear = 0x06;
constexpr unsigned openLinear = 0x05;
} // namespace

TMouse::TMouse(const MouseRecord& record, std::string dataFolder)
    : record_(record), dataFolder_(std::move(dataFolder)) {
    model_ = LoadKeyMeshes({.pattern = dataFolder_ + record_.modelFile,
                            .count = record_.frameCount,
                            .span = static_cast<double>(record_.cycleLength),
                            .anchor = AnchorFeetAndFront(),
                            .scale = record_.scale,
                            .recolour = std::nullopt});
}

void TMouse::recordKeys(double index, const rm::Frame& mouseSource, const rm::Frame& toySource) {
    mousePath_->SetIndex(index);
    CopyPlacement(mouseSource, *mousePath_);
    toyPath_->SetIndex(index);
    CopyPlacement(toySource, *toyPath_);
}

void TMouse::BeginFetch(const std::shared_ptr<rm::Frame>& parent, TSoundPlayer* player,
                        const std::shared_ptr<rm::Frame>& toyFrame, const rm::Frame& reference) {
    const double T = record_.duration;

    // The mouse walks at the height of the toy's lowest point.
    auto measure = rm::MeshBuilder::create();
    measure->AddFrame(*toyFrame);
    const rm::Box box = measure->GetBox();
    const float h = reference.InverseTransform(toyFrame->Transform({0, box.min.y, 0})).y;

    mouseFrame_ = rm::Frame::create(parent);
    if (model_.mesh) {
        mouseFrame_->AddVisual(model_.mesh);
    }
    mousePath_ = rm::FrameInterpolator::create();
    toyPath_ = rm::FrameInterpolator::create();

    // Enter from the side away from the toy, facing it.
    const rm::Vector p = toyFrame->GetPosition(&reference);
    const float s = p.x >= 0 ? -1.0f : 1.0f;
    mouseFrame_->SetPosition(&reference, {s * 50, h, 150});
    mouseFrame_->SetOrientation(toyFrame.get(), {-s, 0, 0}, {0, 1, 0});
    recordKeys(0, *mouseFrame_, *toyFrame);

    // Turn onto the toy's line, walk up to it, pause, walk on.
    const rm::Vector q = mouseFrame_->GetPosition(toyFrame.get());
    mouseFrame_->SetPosition(toyFrame.get(), {0, q.y, q.z});
    mouseFrame_->SetOrientation(toyFrame.get(), {0, 0, -1}, {0, 1, 0});
    recordKeys(0.45 * T, *mouseFrame_, *toyFrame);
    mouseFrame_->SetPosition(toyFrame.get(), {0, q.y, 0});
    recordKeys(0.75 * T, *mouseFrame_, *toyFrame);
    recordKeys(0.9 * T, *mouseFrame_, *toyFrame);
    mouseFrame_->SetPosition(toyFrame.get(), {0, q.y, -q.z});
    // From here the toy follows the mouse.
    recordKeys(1.65 * T, *mouseFrame_, *mouseFrame_);

    mousePath_->AttachObject(mouseFrame_);
    toyPath_->AttachObject(toyFrame);

    if (player) {
        player->PlayFile(
            QString::fromStdString(FindFileIgnoringCase(dataFolder_ + NativeFileName(record_.soundFile))));
    }
}

bool TMouse::StepFetch(double t) {
    if (model_.interpolator) {
        model_.interpolator->Interpolate(t, nullptr, closedLinear);
    }
    const double T = record_.duration;
    const bool ended = t >= T;
    if (ended) {
        t = T - 1;
    }
    if (mousePath_) {
        mousePath_->Interpolate(t, nullptr, openLinear);
        toyPath_->Interpolate(t, nullptr, openLinear);
    }
    return ended;
}

void TMouse::EndFetch(rm::Frame& parent) {
    if (!mouseFrame_) {
        return;
    }
    parent.DeleteChild(mouseFrame_.get());
    mousePath_.reset();
    toyPath_.reset();
    if (model_.mesh) {
        mouseFrame_->DeleteVisual(model_.mesh.get());
    }
    mouseFrame_.reset();
}
