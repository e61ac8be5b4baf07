#include "scene/keymeshes.h"

#include "scene/rm/meshbuilder.h"
#include "scene/waitcursor.h"

#include <algorithm>
#include <cstdio>
#include <vector>

AnchorRule AnchorByTop(bool hangByTop) {
    return [hangByTop](const rm::Box& box) {
        return rm::Vector(-(box.min.x + box.max.x) / 2, hangByTop ? -box.max.y : -box.min.y,
                          -(box.min.z + box.max.z) / 2);
    };
}

AnchorRule AnchorFeetAndFront() {
    return [](const rm::Box& box) {
        return rm::Vector(-(box.min.x + box.max.x) * 0.5f, -box.min.y, -box.max.z);
    };
}

std::string KeyMeshFile(const std::string& pattern, int k) {
    std::string file = NativeFileName(pattern);
    // Only the file name's "*": the folders above may hold one too.
    const auto slash = file.rfind('/');
    const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (const auto star = file.find('*', nameStart); star != std::string::npos) {
        file.replace(star, 1, std::to_string(k));
    }
    return file;
}

int KeyMeshCount(int count) {
    return std::clamp(count, 1, MaxKeyMeshes);
}

rm::Color SceneColor(TColor color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

namespace {

// Loads key k, scaled, moved by the anchor found on key 0.
std::shared_ptr<rm::Mesh> loadKey(const KeyMeshRequest& request, int k, std::optional<rm::Vector>& anchor) {
    auto builder = rm::MeshBuilder::create();
    const std::string file = FindFileIgnoringCase(KeyMeshFile(request.pattern, k));
    if (!builder->Load(file)) {
        std::fprintf(stderr, "pinewick: %s: %s\n", file.c_str(), builder->lastError().c_str());
        return nullptr;
    }
    builder->Scale(request.scale, request.scale, request.scale);
    if (!anchor) {
        anchor = request.anchor ? request.anchor(builder->GetBox()) : rm::Vector(0.0f);
    }
    builder->Translate(anchor->x, anchor->y, anchor->z);
    return builder->CreateMesh();
}

double keyIndex(const KeyMeshRequest& request, int k) {
    return request.span * k / (KeyMeshCount(request.count) - 1);
}

bool sameRGB(rm::Color a, rm::Color b) {
    return (a & 0xFFFFFF) == (b & 0xFFFFFF);
}

rm::Color recoloured(rm::Color color, const Recolour& recolour) {
    if (!sameRGB(color, SceneColor(recolour.keyColor))) {
        return color;
    }
    return (color & 0xFF000000) | SceneColor(recolour.newColor);
}

// The toy's own animation: key meshes share their topology, vertices are morphed.
KeyMeshSet morphKeys(const KeyMeshRequest& request) {
    KeyMeshSet set;
    std::optional<rm::Vector> anchor;
    set.mesh = loadKey(request, 0, anchor);
    const int count = KeyMeshCount(request.count);
    if (!set.mesh || count <= 1) {
        return set;
    }
    set.interpolator = rm::MeshInterpolator::create();
    for (int k = 0; k < count; ++k) {
        const auto key = k == 0 ? set.mesh : loadKey(request, k, anchor);
        if (!key) {
            continue;
        }
        set.interpolator->SetIndex(keyIndex(request, k));
        for (int g = 0; g < key->GetGroupCount(); ++g) {
            set.interpolator->SetVertices(g, 0, key->GetVertices(g));
        }
    }
    set.interpolator->AttachObject(set.mesh);
    return set;
}

// Key k's group g as unshared vertices, three per face.
std::vector<rm::Vertex> unsharedVertices(const rm::Mesh& key, int group) {
    const rm::GroupInfo info = key.GetGroup(group);
    const std::vector<rm::Vertex> vertices = key.GetVertices(group);
    std::vector<rm::Vertex> out;
    out.reserve(info.faceData.size());
    for (unsigned index : info.faceData) {
        out.push_back(index < vertices.size() ? vertices[index] : rm::Vertex{});
    }
    return out;
}

// The landing animation: faces may fly apart, so every face gets its own
// vertices; group colours are keyed too, and the key colour is replaced.
KeyMeshSet recolourKeys(const KeyMeshRequest& request) {
    const Recolour& recolour = *request.recolour;
    std::optional<rm::Vector> anchor;
    std::vector<std::shared_ptr<rm::Mesh>> keys;
    const int count = KeyMeshCount(request.count);
    for (int k = 0; k < count; ++k) {
        auto key = loadKey(request, k, anchor);
        if (k == 0 && !key) {
            return {};
        }
        keys.push_back(std::move(key));
    }

    KeyMeshSet set;
    set.mesh = rm::Mesh::create();
    const rm::Mesh& first = *keys[0];
    for (int g = 0; g < first.GetGroupCount(); ++g) {
        const unsigned faces = first.GetGroup(g).faceCount;
        std::vector<unsigned> faceData(faces * 3);
        for (unsigned i = 0; i < faceData.size(); ++i) {
            faceData[i] = i;
        }
        set.mesh->AddGroup(faces * 3, faces, 3, faceData);
        set.mesh->SetGroupMaterial(g, first.GetGroupMaterial(g));
        set.mesh->SetGroupVertexColors(g, first.groups()[static_cast<std::size_t>(g)].useVertexColors);
        set.mesh->SetVertices(g, 0, unsharedVertices(first, g));
        set.mesh->SetGroupColor(g, recoloured(first.GetGroupColor(g), recolour));
    }
    set.interpolator = rm::MeshInterpolator::create();
    for (int k = 0; k < count; ++k) {
        const auto& key = keys[static_cast<std::size_t>(k)];
        if (!key) {
            continue;
        }
        set.interpolator->SetIndex(keyIndex(request, k));
        for (int g = 0; g < first.GetGroupCount(); ++g) {
            if (key->GetGroup(g).faceCount != first.GetGroup(g).faceCount) {
                // A key that does not match key 0 would morph garbage: leave it out.
                std::fprintf(stderr, "pinewick: %s: group %d does not match key 0; key skipped\n",
                             KeyMeshFile(request.pattern, k).c_str(), g);
                continue;
            }
            set.interpolator->SetVertices(g, 0, unsharedVertices(*key, g));
            set.interpolator->SetGroupColor(g, recoloured(key->GetGroupColor(g), recolour));
        }
    }
    set.interpolator->AttachObject(set.mesh);
    return set;
}

} // namespace

KeyMeshSet LoadKeyMeshes(const KeyMeshRequest& request) {
    WaitCursor wait;
    // A single key is shown as it was loaded: there is nothing to morph, and
    // its colours stay the modeller's.
    const bool animated = KeyMeshCount(request.count) > 1;
    return request.recolour && animated ? recolourKeys(request) : morphKeys(request);
}
