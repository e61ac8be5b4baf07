#pragma once
// The default decoration put together the way the tree builds its scene: the
// tree mesh standing on y = 0 where the file places it, a point light far up and to the front, a soft
// ambient light, the camera 100 units in front at half the tree's height, and
// every toy of the file on its frame with its description's mesh.
#include "scene/descmodel.h"
#include "scene/keymeshes.h"
#include "scene/rm/frame.h"
#include "scene/rm/meshbuilder.h"

#include <QImage>
#include <map>
#include <memory>
#include <string>

namespace decortest {

struct DecorScene {
    std::shared_ptr<rm::Frame> scene, tree, camera;
    std::shared_ptr<rm::MeshBuilder> treeMesh;
    std::map<int, KeyMeshSet> toyMeshes; // by description number
    float treeHeight = 0;
};

DecorScene buildDecorScene(const DescriptionFile& file, const std::string& dataDir);

// Triangles of every visual below frame (shared meshes counted once per use).
long triangleCount(const rm::Frame& frame);

// The scene rendered at width × height; a null image without a 3D device.
QImage renderDecorScene(const DecorScene& scene, int width, int height);

} // namespace decortest
