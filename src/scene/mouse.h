#pragma once
// TMouse: the little mouse that now and then fetches a toy that fell to the
// floor. It walks in from the side, turns to the toy, stops beside it, then
// walks on taking the toy along. Its model morphs through a walk cycle.
#include "scene/descfile.h"
#include "scene/keymeshes.h"
#include "scene/rm/frame.h"
#include "scene/rm/interpolator.h"

#include <memory>
#include <string>

class TSoundPlayer;

class TMouse {
public:
    // record: the "Mouse=" fields; dataFolder ends with "/".
    TMouse(const MouseRecord& record, std::string dataFolder);
    TMouse(const TMouse&) = delete;
    TMouse& operator=(const TMouse&) = delete;

    const MouseRecord& record() const { return record_; }
    double Chance() const { return record_.chance; }
    const std::shared_ptr<rm::Mesh>& model() const { return model_.mesh; }
    bool fetching() const { return mouseFrame_ != nullptr; }

    // Builds the paths of a fetch of the toy in toyFrame, placing the mouse
    // relative to reference (the camera), under parent (the tree frame).
    void BeginFetch(const std::shared_ptr<rm::Frame>& parent, TSoundPlayer* player,
                    const std::shared_ptr<rm::Frame>& toyFrame, const rm::Frame& reference);
    // Moves the fetch to t ms since the landing; true once it has ended.
    bool StepFetch(double t);
    // Takes the mouse out of the scene.
    void EndFetch(rm::Frame& parent);
    std::string SaveLine() const { return MouseLine(record_); }

private:
    void recordKeys(double index, const rm::Frame& mouseSource, const rm::Frame& toySource);

    MouseRecord record_;
    std::string dataFolder_;
    KeyMeshSet model_;
    std::shared_ptr<rm::FrameInterpolator> mousePath_;
    std::shared_ptr<rm::FrameInterpolator> toyPath_;
    std::shared_ptr<rm::Frame> mouseFrame_;
};
