#pragma once
// MeshBuilder: loads, moves and measures geometry, and makes meshes from it.
// It is a visual itself, so it can be added to frames directly.
//
//   auto builder = rm::MeshBuilder::create();
//   builder->Load("Data/Tree/Tree.x");   // false (and empty) when the file can't be read
//   builder->Scale(2, 2, 2);
//   rm::Box box = builder->GetBox();
//   builder->Translate(0, -box.min.y, 0);
//   auto mesh = builder->CreateMesh();   // one group per material, in first-use order
//
// Texture names in the file are looked for beside it and then on the search
// path (searchpath.h).
#include "scene/rm/mesh.h"

#include <memory>
#include <string>

namespace rm {

class Frame;

class MeshBuilder : public Visual {
public:
    static std::shared_ptr<MeshBuilder> create() { return std::make_shared<MeshBuilder>(); }

    // Replaces the contents with the .x file's meshes.
    bool Load(const std::string& path);
    void Scale(float sx, float sy, float sz);
    void Translate(float tx, float ty, float tz);
    // Adds the visuals of frame and of every frame below it, in frame's coordinates.
    void AddFrame(const Frame& frame);
    // Adds a visual's groups, moved by transform (column vectors).
    void AddVisual(const Visual& visual, const glm::mat4& transform = glm::mat4(1.0f));
    std::shared_ptr<Mesh> CreateMesh() const;
    // Sets one colour on every group (and stops using vertex colours).
    void SetColor(Color color);
    // The reason the last Load failed, for diagnostics.
    const std::string& lastError() const { return error_; }

private:
    std::string error_;
};

} // namespace rm
