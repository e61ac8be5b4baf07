#include "scene/treegltf.h"

#include "scene/tree.h"

#include <algorithm>
#include <cmath>

int LoopCycles(double loopMs, double periodMs) {
    if (!(periodMs > 0) || !(loopMs > 0)) {
        return 1;
    }
    return static_cast<int>(std::clamp(std::round(loopMs / periodMs), 1.0, 1e6));
}

rm::GltfScene TreeGltfScene(const TTree& tree, double loopMs) {
    rm::GltfScene scene;
    scene.root = tree.treeFrame();
    scene.rootName = TreeNodeName;
    scene.camera = tree.cameraFrame();
    scene.viewport = tree.viewport();
    scene.loopSeconds = loopMs / 1000.0;
    for (const auto& descToy : tree.descToys()) {
        if (descToy->mesh() && descToy->meshInterpolator()) {
            scene.morphs.push_back({descToy->mesh(), descToy->meshInterpolator(),
                                    LoopCycles(loopMs, descToy->record().MeshTime)});
        }
    }
    return scene;
}
