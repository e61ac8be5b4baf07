#include "scene/toy.h"

#include "scene/desctoy.h"
#include "scene/scenevector.h"

TToy::TToy(const ToyRecord& record, TDescToy& descToy, const std::shared_ptr<rm::Frame>& treeFrame)
    : record_(record), descToy_(&descToy), frame_(rm::Frame::create(treeFrame)) {
    frame_->SetPosition(treeFrame.get(), ToSceneVector(record_.position));
    frame_->SetOrientation(treeFrame.get(), ToSceneVector(record_.direction), ToSceneVector(record_.up));
    descToy_->Attach(*frame_);
}

void TToy::Detach(rm::Frame& treeFrame) {
    descToy_->Detach(*frame_);
    treeFrame.DeleteChild(frame_.get());
}

void TToy::Attach(rm::Frame& treeFrame) {
    // The frame keeps its place and turn relative to the tree while it is off.
    treeFrame.AddChild(frame_);
    descToy_->Attach(*frame_);
}

void TToy::BeginLanding(TSoundPlayer* player) {
    descToy_->Detach(*frame_);
    descToy_->AttachLanding(*frame_);
    if (player) {
        descToy_->PlayLandSound(*player);
    }
}

bool TToy::StepLanding(double t) {
    const int landTime = descToy_->LandTime();
    if (t < landTime) {
        descToy_->AnimateLanding(t);
        return false;
    }
    descToy_->AnimateLanding(landTime - 1);
    return true;
}
