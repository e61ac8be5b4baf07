#pragma once
// TDescToy: one toy of the catalogue. It knows the toy's picture in its case,
// its mesh (still or morphing through key meshes), its landing animation and
// landing sound. All toys of one description share its mesh, so they animate
// in step; meshes are loaded on first use.
#include "scene/descfile.h"
#include "scene/keymeshes.h"
#include "scene/rm/frame.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

class TSoundPlayer;

class TDescToy {
public:
    // record: the "DescToy=" fields; dataFolder ends with "/"; caseControl (may
    // be null) is the case slot that shows the toy's picture.
    TDescToy(const DescToyRecord& record, std::string dataFolder, QWidget* caseControl);
    TDescToy(const TDescToy&) = delete;
    TDescToy& operator=(const TDescToy&) = delete;

    const DescToyRecord& record() const { return record_; }
    bool IsTop() const { return record_.IsTop != 0; }
    int LandTime() const { return record_.LandTime; }
    QWidget* caseControl() const { return caseControl_; }

    void LoadMesh();
    void LoadLandMesh();
    // Loads the mesh if needed and shows it in frame.
    void Attach(rm::Frame& frame);
    void Detach(rm::Frame& frame);
    void AttachLanding(rm::Frame& frame);
    // The toy's own animation at time (ms), cycling.
    void Animate(double time);
    // The same on a grid of steps of about stepMs that divides the loop: the
    // loop then takes exactly the same states in every round.
    void AnimateOnGrid(double time, double stepMs);
    // The landing animation at time (ms since landing), holding its last key.
    void AnimateLanding(double time);
    void PlayLandSound(TSoundPlayer& player) const;
    std::string SaveLine() const { return DescToyLine(record_); }

    const std::shared_ptr<rm::Mesh>& mesh() const { return mesh_.mesh; }
    const std::shared_ptr<rm::Mesh>& landingMesh() const { return landing_.mesh; }
    // The key shapes the mesh morphs through; none for a still toy.
    const std::shared_ptr<rm::MeshInterpolator>& meshInterpolator() const { return mesh_.interpolator; }

private:
    DescToyRecord record_;
    std::string dataFolder_;
    QPointer<QWidget> caseControl_;
    KeyMeshSet mesh_;
    bool meshLoaded_ = false;
    KeyMeshSet landing_;
    bool landingLoaded_ = false;
};
