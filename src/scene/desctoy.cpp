#include "scene/desctoy.h"

#include "scene/soundplayer.h"

#include <QVariant>
#include <cmath>

namespace {
constexpr unsigned closedLinearVertexColor = 0x46;
constexpr unsigned openLinearVertexColor = 0x45;
} // namespace

TDescToy::TDescToy(const DescToyRecord& record, std::string dataFolder, QWidget* caseControl)
    : record_(record), dataFolder_(std::move(dataFolder)), caseControl_(caseControl) {
    if (caseControl) {
        // The case slot finds its toy through this property, and its picture
        // through "shapeFile" (a strip of a normal and a highlighted frame).
        caseControl->setProperty("descToy", QVariant::fromValue(static_cast<void*>(this)));
        caseControl->setProperty("shapeFile", QString::fromStdString(FindFileIgnoringCase(
                                                  dataFolder_ + NativeFileName(record_.ShapeFile))));
    }
}

void TDescToy::LoadMesh() {
    meshLoaded_ = true;
    mesh_ = LoadKeyMeshes({.pattern = dataFolder_ + record_.MeshFile,
                           .count = record_.MeshCount,
                           .span = static_cast<double>(record_.MeshTime),
                           .anchor = AnchorByTop(record_.HangByTop == 1),
                           .scale = record_.Scale,
                           .recolour = std::nullopt});
}

void TDescToy::LoadLandMesh() {
    landingLoaded_ = true;
    landing_ = LoadKeyMeshes({.pattern = dataFolder_ + record_.LandFile,
                              .count = record_.LandCount,
                              .span = static_cast<double>(record_.LandTime),
                              .anchor = AnchorByTop(record_.HangByTop == 1),
                              .scale = record_.Scale,
                              .recolour = Recolour{record_.LandColor, record_.LandKeyColor}});
}

void TDescToy::Attach(rm::Frame& frame) {
    if (!meshLoaded_) {
        LoadMesh();
    }
    if (mesh_.mesh) {
        frame.AddVisual(mesh_.mesh);
    }
}

void TDescToy::Detach(rm::Frame& frame) {
    if (mesh_.mesh) {
        frame.DeleteVisual(mesh_.mesh.get());
    }
}

void TDescToy::AttachLanding(rm::Frame& frame) {
    if (!landingLoaded_) {
        LoadLandMesh();
    }
    if (landing_.mesh) {
        frame.AddVisual(landing_.mesh);
    }
}

void TDescToy::Animate(double time) {
    if (mesh_.interpolator) {
        mesh_.interpolator->Interpolate(time, nullptr, closedLinearVertexColor);
    }
}

void TDescToy::AnimateOnGrid(double time, double stepMs) {
    if (!mesh_.interpolator) {
        return;
    }
    double first = 0, span = 0;
    if (!mesh_.interpolator->Loop(first, span) || !(stepMs > 0)) {
        Animate(time);
        return;
    }
    // The loop in a whole number of steps of about stepMs; the place in it
    // from whole numbers, so that the same step of the loop gives the same
    // index to the last bit.
    const double count = std::max(1.0, std::round(span / stepMs));
    const double step = std::floor((time - first) / (span / count));
    if (!std::isfinite(step) || std::abs(step) > 1e15) {
        Animate(time);
        return;
    }
    const double inLoop = step - count * std::floor(step / count);
    mesh_.interpolator->Interpolate(first + span * inLoop / count, nullptr, closedLinearVertexColor);
}

void TDescToy::AnimateLanding(double time) {
    if (landing_.interpolator) {
        landing_.interpolator->Interpolate(time, nullptr, openLinearVertexColor);
    }
}

void TDescToy::PlayLandSound(TSoundPlayer& player) const {
    player.PlayFile(
        QString::fromStdString(FindFileIgnoringCase(dataFolder_ + NativeFileName(record_.SoundFile))));
}
