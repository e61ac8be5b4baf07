#include "scene/rm/interpolator.h"

#include <algorithm>
#include <cmath>

namespace rm {

bool locateKeys(const std::vector<double>& indices, double index, unsigned options, KeyBlend& out) {
    if (indices.empty())
        return false;
    const std::size_t count = indices.size();
    const double first = indices.front();
    const double last = indices.back();
    if (options & interpolation::Closed) {
        const double span = last - first;
        if (span <= 0.0) {
            out = {};
            return true;
        }
        // One period runs from the first key up to the last; past the last key
        // the keys start again from the first.
        index = first + std::fmod(index - first, span);
        if (index < first)
            index += span;
    } else if (index <= first) {
        out = {};
        return true;
    }
    if (index >= last) {
        out = {count - 1, count - 1, 0.0f};
        return true;
    }
    // The last key at or before index, and the key after it.
    std::size_t from = std::upper_bound(indices.begin(), indices.end(), index) - indices.begin();
    from = from == 0 ? 0 : from - 1;
    const std::size_t to = from + 1;
    const double width = indices[to] - indices[from];
    float t = width > 0.0 ? static_cast<float>((index - indices[from]) / width) : 0.0f;
    if (options & interpolation::Nearest)
        t = t < 0.5f ? 0.0f : 1.0f;
    out = {from, to, std::clamp(t, 0.0f, 1.0f)};
    return true;
}

template <typename T> void Interpolator::Chain<T>::record(double index, T value) {
    auto it = std::lower_bound(indices.begin(), indices.end(), index);
    std::size_t at = it - indices.begin();
    if (it != indices.end() && *it == index) {
        values[at] = std::move(value);
        return;
    }
    indices.insert(it, index);
    values.insert(values.begin() + at, std::move(value));
}

// ---- meshes ----

void MeshInterpolator::SetVertices(int group, unsigned first, std::span<const Vertex> vertices) {
    vertexChains_[group].record(index_, VertexKey{first, {vertices.begin(), vertices.end()}});
}

void MeshInterpolator::SetGroupColor(int group, Color color) {
    colorChains_[group].record(index_, color);
}

void MeshInterpolator::AttachObject(const std::shared_ptr<Mesh>& mesh) {
    if (mesh)
        attached_.push_back(mesh);
}

void MeshInterpolator::DetachObject(const Mesh* mesh) {
    std::erase_if(attached_, [mesh](const auto& m) { return m.get() == mesh; });
}

void MeshInterpolator::Interpolate(double index, Mesh* target, unsigned options) {
    if (target) {
        apply(index, *target, options);
        return;
    }
    for (const auto& mesh : attached_)
        apply(index, *mesh, options);
}

bool MeshInterpolator::Loop(double& first, double& span) const {
    bool found = false;
    auto check = [&](const std::vector<double>& indices) {
        if (indices.empty())
            return true;
        const double f = indices.front(), s = indices.back() - indices.front();
        if (found && (f != first || s != span))
            return false;
        first = f;
        span = s;
        found = true;
        return true;
    };
    for (const auto& [group, chain] : vertexChains_) {
        if (!check(chain.indices))
            return false;
    }
    for (const auto& [group, chain] : colorChains_) {
        if (!check(chain.indices))
            return false;
    }
    return found && span > 0.0;
}

std::vector<double> MeshInterpolator::KeyIndices() const {
    std::vector<double> all;
    for (const auto& [group, chain] : vertexChains_) {
        all.insert(all.end(), chain.indices.begin(), chain.indices.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

void MeshInterpolator::apply(double index, Mesh& mesh, unsigned options) const {
    KeyBlend blend;
    for (const auto& [group, chain] : vertexChains_) {
        if (!locateKeys(chain.indices, index, options, blend))
            continue;
        const VertexKey& a = chain.values[blend.from];
        const VertexKey& b = chain.values[blend.to];
        // Blended straight into the mesh: no copies of its vertices.
        const std::span<Vertex> current = mesh.EditVertices(group, a.first, a.vertices.size());
        if (current.size() != a.vertices.size())
            continue;
        const bool blendB = b.first == a.first && b.vertices.size() == a.vertices.size();
        const bool colors = options & interpolation::VertexColor;
        const float t = blend.t;
        for (std::size_t i = 0; i < current.size(); ++i) {
            const Vertex& va = a.vertices[i];
            const Vertex& vb = blendB ? b.vertices[i] : va;
            Vertex& out = current[i];
            out.position = glm::mix(va.position, vb.position, t);
            const Vector n = glm::mix(va.normal, vb.normal, t);
            const float length2 = glm::dot(n, n);
            out.normal = length2 > 0.0f ? n * glm::inversesqrt(length2) : va.normal;
            out.u = va.u + (vb.u - va.u) * t;
            out.v = va.v + (vb.v - va.v) * t;
            if (colors)
                out.color = va.color == vb.color
                                ? va.color
                                : vec4ToColor(glm::mix(colorToVec4(va.color), colorToVec4(vb.color), t));
        }
    }
    for (const auto& [group, chain] : colorChains_) {
        if (!locateKeys(chain.indices, index, options, blend))
            continue;
        glm::vec4 c =
            glm::mix(colorToVec4(chain.values[blend.from]), colorToVec4(chain.values[blend.to]), blend.t);
        mesh.SetGroupColor(group, vec4ToColor(c));
    }
}

// ---- frames ----

void FrameInterpolator::SetPosition(const Frame* reference, Vector position) {
    positions_.record(index_, reference ? reference->Transform(position) : position);
}

void FrameInterpolator::SetOrientation(const Frame* reference, Vector direction, Vector up) {
    glm::mat3 axes;
    if (!orientationMatrix(direction, up, axes))
        return;
    if (reference)
        axes = reference->worldRotation() * axes;
    orientations_.record(index_, glm::quat_cast(axes));
}

void FrameInterpolator::AttachObject(const std::shared_ptr<Frame>& frame) {
    if (frame)
        attached_.push_back(frame);
}

void FrameInterpolator::DetachObject(const Frame* frame) {
    std::erase_if(attached_, [frame](const auto& f) { return f.get() == frame; });
}

void FrameInterpolator::Interpolate(double index, Frame* target, unsigned options) {
    if (target) {
        apply(index, *target, options);
        return;
    }
    for (const auto& frame : attached_)
        apply(index, *frame, options);
}

std::vector<double> FrameInterpolator::KeyIndices() const {
    std::vector<double> all = positions_.indices;
    all.insert(all.end(), orientations_.indices.begin(), orientations_.indices.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

void FrameInterpolator::apply(double index, Frame& frame, unsigned options) const {
    KeyBlend blend;
    if (locateKeys(positions_.indices, index, options, blend)) {
        frame.SetPosition(nullptr,
                          glm::mix(positions_.values[blend.from], positions_.values[blend.to], blend.t));
    }
    if (locateKeys(orientations_.indices, index, options, blend)) {
        glm::quat q = glm::slerp(orientations_.values[blend.from], orientations_.values[blend.to], blend.t);
        glm::mat3 axes = glm::mat3_cast(glm::normalize(q));
        frame.SetOrientation(nullptr, axes[2], axes[1]);
    }
}

} // namespace rm
