#pragma once
// TToy: one toy on the tree. It owns a frame under the tree frame that shows
// its description's (shared) mesh; while it lands, the landing mesh instead.
#include "scene/descfile.h"
#include "scene/rm/frame.h"

#include <memory>
#include <string>

class TDescToy;
class TSoundPlayer;

class TToy {
public:
    // A toy from a "Toy=" record; descToy is the description it refers to.
    TToy(const ToyRecord& record, TDescToy& descToy, const std::shared_ptr<rm::Frame>& treeFrame);
    TToy(const TToy&) = delete;
    TToy& operator=(const TToy&) = delete;

    const ToyRecord& record() const { return record_; }
    TDescToy& descToy() const { return *descToy_; }
    const std::shared_ptr<rm::Frame>& frame() const { return frame_; }

    // Takes the toy's visual off and its frame out of the tree frame.
    void Detach(rm::Frame& treeFrame);
    // Puts a detached toy back where it hung, as it was.
    void Attach(rm::Frame& treeFrame);
    // Swaps the toy mesh for the landing mesh and plays the landing sound.
    void BeginLanding(TSoundPlayer* player);
    // The landing at t ms; true (showing the last moment) once t reaches the landing time.
    bool StepLanding(double t);
    std::string SaveLine() const { return ToyLine(record_); }

private:
    ToyRecord record_;
    TDescToy* descToy_;
    std::shared_ptr<rm::Frame> frame_;
};
