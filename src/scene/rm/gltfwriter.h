#pragma once
// Writing a part of the scene as one binary glTF 2.0 file (.glb): a frame with
// everything below it (meshes, materials, embedded textures), the camera that
// looks at it, the meshes' own animations as morph targets whose weights
// play in one loop, and frames' own motions as node animations in the same loop.
//
//   rm::GltfScene scene{.root = treeFrame, .camera = cameraFrame, .viewport = &viewport,
//                       .loopSeconds = 4};
//   scene.morphs.push_back({bellMesh, bellInterpolator, 2});   // two swings per loop
//   std::string glb, error;
//   if (!rm::WriteGlb(scene, glb, &error)) report(error);
//
// The scene's coordinates are left-handed; glTF's are right-handed. The file
// holds the same scene seen in a mirror along z, which a viewer then shows
// exactly as the scene's own camera sees it: positions, normals and
// directions get their z negated, rotations become S R S with S = diag(1, 1,
// -1). A triangle's corners are written in reverse: the mirror keeps their
// turn on the screen, and glTF's front faces turn the other way round.
#include "scene/rm/frame.h"
#include "scene/rm/interpolator.h"
#include "scene/rm/viewport.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace rm {

// A mesh's own animation: the key shapes of interpolator, which morphs mesh,
// played `cycles` times in the loop.
struct GltfMorph {
    std::shared_ptr<Mesh> mesh;
    std::shared_ptr<MeshInterpolator> interpolator;
    int cycles = 1;
};

// A frame's own motion: the placements recorded by interpolator (in world
// coordinates), played `cycles` times in the loop as a node animation.
struct GltfMotion {
    std::shared_ptr<Frame> frame;
    std::shared_ptr<FrameInterpolator> interpolator;
    int cycles = 1;
};

struct GltfScene {
    // Written with its place relative to its parent (the scene) and every
    // frame and visual below it.
    std::shared_ptr<Frame> root;
    // The root node's name, by which a viewer finds it.
    std::string rootName;
    // Optional: a camera frame and its viewport, written as the file's camera.
    std::shared_ptr<Frame> camera;
    const Viewport* viewport = nullptr;
    std::vector<GltfMorph> morphs;
    std::vector<GltfMotion> motions;
    double loopSeconds = 4;
    // The largest file written; a larger scene is refused.
    std::size_t maxBytes = MaxGlbSize;
    static constexpr std::size_t MaxGlbSize = 256u << 20;
};

// Textures larger than this on a side, or files larger than MaxTextureFile,
// are refused as damaged.
constexpr int MaxTextureSide = 4096;
constexpr std::size_t MaxTextureFile = 64u << 20;

// The scene as the bytes of a .glb file; false (error says why) when a texture
// can't be read or the scene is too large.
bool WriteGlb(const GltfScene& scene, std::string& out, std::string* error = nullptr);

// The camera's vertical field of view in radians for a viewport: the viewport
// spans ±field at distance front along its larger side.
float VerticalFieldOfView(const Viewport& viewport);

// A placement in glTF's coordinates: the matrix (column vectors) mirrored along z.
glm::mat4 MirrorZ(const glm::mat4& m);

} // namespace rm
