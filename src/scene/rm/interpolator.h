#pragma once
// Interpolators record keys at indices and later set an attached object to the
// blend of the keys around a given index. Keys are recorded by setting the
// index (SetIndex) and then calling the object's own operation on the
// interpolator (SetVertices / SetGroupColor for meshes, SetPosition /
// SetOrientation for frames); each operation keeps its own chain of keys.
//
//   auto morph = rm::MeshInterpolator::create();
//   for (int k = 0; k < n; ++k) {
//       morph->SetIndex(d * k / (n - 1));
//       for (int g = 0; g < key[k]->GetGroupCount(); ++g)
//           morph->SetVertices(g, 0, key[k]->GetVertices(g));
//   }
//   morph->AttachObject(key[0]);
//   morph->Interpolate(timeMs, nullptr, rm::interpolation::Closed | rm::interpolation::Linear |
//                                        rm::interpolation::VertexColor);
//
// An index between two keys blends those two keys. Open: outside the keys'
// span the first or last key holds. Closed: the keys repeat with a period equal
// to their span, so past the last key they start again from the first (a loop
// whose last key repeats its first runs seamlessly).
// Linear blends the two neighbouring keys, Nearest takes the nearer one;
// Spline is treated as Linear.
#include "scene/rm/frame.h"
#include "scene/rm/mesh.h"

#include <map>
#include <memory>
#include <vector>

namespace rm {

// Where an index falls among sorted key indices: blend key `from` into key `to` by t.
struct KeyBlend {
    std::size_t from = 0;
    std::size_t to = 0;
    float t = 0.0f;
};
// No value for an empty key list.
bool locateKeys(const std::vector<double>& indices, double index, unsigned options, KeyBlend& out);

class Interpolator {
public:
    virtual ~Interpolator() = default;
    void SetIndex(double index) { index_ = index; }
    double GetIndex() const { return index_; }

protected:
    // A chain of keys of one operation, sorted by index.
    template <typename T> struct Chain {
        std::vector<double> indices;
        std::vector<T> values;
        void record(double index, T value);
    };

    double index_ = 0.0;
};

class MeshInterpolator : public Interpolator {
public:
    static std::shared_ptr<MeshInterpolator> create() { return std::make_shared<MeshInterpolator>(); }

    // Key recording (at the current index).
    void SetVertices(int group, unsigned first, std::span<const Vertex> vertices);
    void SetGroupColor(int group, Color color);

    void AttachObject(const std::shared_ptr<Mesh>& mesh);
    void DetachObject(const Mesh* mesh);
    // Applies the keys at index to target, or to the attached meshes when target is null.
    void Interpolate(double index, Mesh* target, unsigned options);
    // The first index and the span of the keys when every chain has the same
    // ones (the period of a closed interpolation); false otherwise.
    bool Loop(double& first, double& span) const;
    // The indices at which vertex keys were recorded, in any group, sorted
    // and without repeats.
    std::vector<double> KeyIndices() const;

private:
    struct VertexKey {
        unsigned first = 0;
        std::vector<Vertex> vertices;
    };
    void apply(double index, Mesh& mesh, unsigned options) const;

    std::map<int, Chain<VertexKey>> vertexChains_;
    std::map<int, Chain<Color>> colorChains_;
    std::vector<std::shared_ptr<Mesh>> attached_;
};

// Records frame placements as keys: pass it wherever a Placeable is taken
// (CopyPlacement, or call SetPosition / SetOrientation directly). Keys are kept
// in world coordinates and applied with a null reference frame.
class FrameInterpolator : public Interpolator, public Placeable {
public:
    static std::shared_ptr<FrameInterpolator> create() { return std::make_shared<FrameInterpolator>(); }

    void SetPosition(const Frame* reference, Vector position) override;
    void SetOrientation(const Frame* reference, Vector direction, Vector up) override;

    void AttachObject(const std::shared_ptr<Frame>& frame);
    void DetachObject(const Frame* frame);
    void Interpolate(double index, Frame* target, unsigned options);
    // The indices of every position and orientation key, sorted, without repeats.
    std::vector<double> KeyIndices() const;

private:
    void apply(double index, Frame& frame, unsigned options) const;

    Chain<Vector> positions_;
    Chain<glm::quat> orientations_;
    std::vector<std::shared_ptr<Frame>> attached_;
};

} // namespace rm
