// Every mesh of the default decoration, read through the program's own .x
// loader: the key meshes of each animation line up, the landing meshes carry
// the group that toys recolour, faces look outwards, and the toys hang from
// (or stand on) the point their frame is placed at.
#include "data_decor/decor_data.h"
#include "scene/keymeshes.h"
#include "scene/rm/meshbuilder.h"

#include <gtest/gtest.h>
#include <set>

namespace decortest {
namespace {

std::shared_ptr<rm::Mesh> loadMesh(const std::string& path) {
    auto builder = rm::MeshBuilder::create();
    EXPECT_TRUE(builder->Load(path)) << path << ": " << builder->lastError();
    return builder->CreateMesh();
}

struct KeySet {
    std::string pattern;
    int count;
};

// Own animations of the toys, and the mouse's walk.
std::vector<KeySet> ownAnimations() {
    std::vector<KeySet> sets;
    std::set<std::string> seen;
    for (const auto& desc : defaultDecoration().descToys) {
        if (seen.insert(desc.MeshFile).second) {
            sets.push_back({desc.MeshFile, desc.MeshCount});
        }
    }
    sets.push_back({defaultDecoration().mouse->modelFile, defaultDecoration().mouse->frameCount});
    return sets;
}

std::vector<KeySet> landings() {
    std::vector<KeySet> sets;
    std::set<std::string> seen;
    for (const auto& desc : defaultDecoration().descToys) {
        if (seen.insert(desc.LandFile).second) {
            sets.push_back({desc.LandFile, desc.LandCount});
        }
    }
    return sets;
}

TEST(DecorMeshes, OwnAnimationKeysHaveTheGroupsAndVertexCountsOfKeyZero) {
    ASSERT_EQ(defaultDecoration().descToys.size(), 49u);
    for (const KeySet& set : ownAnimations()) {
        ASSERT_GE(set.count, 1);
        ASSERT_LE(set.count, 10) << set.pattern << ": keys are numbered by one digit";
        const auto first = loadMesh(keyPath(set.pattern, 0));
        ASSERT_GT(first->GetGroupCount(), 0) << set.pattern;
        for (int k = 1; k < set.count; ++k) {
            const auto key = loadMesh(keyPath(set.pattern, k));
            ASSERT_EQ(key->GetGroupCount(), first->GetGroupCount()) << set.pattern << " key " << k;
            for (int g = 0; g < first->GetGroupCount(); ++g) {
                EXPECT_EQ(key->GetGroup(g).vertexCount, first->GetGroup(g).vertexCount)
                    << set.pattern << " key " << k << " group " << g;
                EXPECT_EQ(key->GetGroupColor(g), first->GetGroupColor(g)) << set.pattern << " key " << k;
            }
        }
    }
}

bool sameVertices(const rm::Mesh& a, const rm::Mesh& b) {
    for (int g = 0; g < a.GetGroupCount(); ++g) {
        const auto va = a.GetVertices(g), vb = b.GetVertices(g);
        for (std::size_t i = 0; i < va.size(); ++i) {
            if (glm::length(va[i].position - vb[i].position) > 1e-4f || va[i].color != vb[i].color) {
                return false;
            }
        }
    }
    return true;
}

TEST(DecorMeshes, OwnAnimationsMoveAndCloseTheirLoop) {
    for (const KeySet& set : ownAnimations()) {
        if (set.count == 1) {
            continue;
        }
        const auto first = loadMesh(keyPath(set.pattern, 0));
        // Played closed: the last key meets the first again without a jump.
        EXPECT_TRUE(sameVertices(*first, *loadMesh(keyPath(set.pattern, set.count - 1)))) << set.pattern;
        EXPECT_FALSE(sameVertices(*first, *loadMesh(keyPath(set.pattern, set.count / 2)))) << set.pattern;
    }
}

TEST(DecorMeshes, CandleFlamesFlickerInColour) {
    int candles = 0;
    for (const auto& desc : defaultDecoration().descToys) {
        if (desc.MeshFile.find("Candle") == std::string::npos) {
            continue;
        }
        ++candles;
        const auto first = loadMesh(keyPath(desc.MeshFile, 0));
        const auto other = loadMesh(keyPath(desc.MeshFile, 2));
        bool colourChanges = false;
        for (int g = 0; g < first->GetGroupCount(); ++g) {
            EXPECT_TRUE(first->groups()[static_cast<std::size_t>(g)].useVertexColors) << desc.MeshFile;
            const auto a = first->GetVertices(g), b = other->GetVertices(g);
            for (std::size_t i = 0; i < a.size(); ++i) {
                colourChanges = colourChanges || a[i].color != b[i].color;
            }
        }
        EXPECT_TRUE(colourChanges) << desc.MeshFile;
    }
    EXPECT_EQ(candles, 7);
}

TEST(DecorMeshes, LandingKeysKeepTheFacesAndTheKeyColouredGroupOfKeyZero) {
    const rm::Color keyColor = SceneColor(defaultDecoration().descToys.front().LandKeyColor);
    for (const KeySet& set : landings()) {
        const auto first = loadMesh(keyPath(set.pattern, 0));
        int keyed = 0;
        for (int g = 0; g < first->GetGroupCount(); ++g) {
            keyed += (first->GetGroupColor(g) & 0xFFFFFF) == keyColor ? 1 : 0;
        }
        EXPECT_EQ(keyed, 1) << set.pattern << ": one group carries the key colour";
        const float floor = first->GetBox().min.y;
        for (int k = 1; k < set.count; ++k) {
            const auto key = loadMesh(keyPath(set.pattern, k));
            ASSERT_EQ(key->GetGroupCount(), first->GetGroupCount()) << set.pattern << " key " << k;
            for (int g = 0; g < first->GetGroupCount(); ++g) {
                EXPECT_EQ(key->GetGroup(g).faceCount, first->GetGroup(g).faceCount)
                    << set.pattern << " key " << k << " group " << g;
                EXPECT_EQ(key->GetGroupColor(g) & 0xFFFFFF, first->GetGroupColor(g) & 0xFFFFFF);
            }
            // Pieces settle on the floor the toy landed on; none sinks through it.
            EXPECT_GE(key->GetBox().min.y, floor - 1e-3f) << set.pattern << " key " << k;
        }
    }
}

TEST(DecorMeshes, FacesAreSeenFromTheSideTheirNormalsPointTo) {
    std::vector<std::string> files{defaultDecoration().tree.meshFile};
    for (const KeySet& set : ownAnimations()) {
        files.push_back(KeyMeshFile(set.pattern, 0));
    }
    for (const KeySet& set : landings()) {
        files.push_back(KeyMeshFile(set.pattern, set.count - 1));
    }
    for (const std::string& file : files) {
        const auto mesh = loadMesh(dataDir() + file);
        int faces = 0, inward = 0;
        for (int g = 0; g < mesh->GetGroupCount(); ++g) {
            const rm::GroupInfo info = mesh->GetGroup(g);
            const auto v = mesh->GetVertices(g);
            for (unsigned f = 0; f < info.faceCount; ++f) {
                const auto& a = v[info.faceData[3 * f]];
                const auto& b = v[info.faceData[3 * f + 1]];
                const auto& c = v[info.faceData[3 * f + 2]];
                // Clockwise seen from the front, in left-handed coordinates.
                const rm::Vector front = glm::cross(b.position - a.position, c.position - a.position);
                if (glm::length(front) < 1e-9f) {
                    continue;
                }
                ++faces;
                inward += glm::dot(front, a.normal + b.normal + c.normal) < 0 ? 1 : 0;
            }
        }
        EXPECT_GT(faces, 0) << file;
        EXPECT_EQ(inward, 0) << file << ": faces turned away from their normals would be culled";
    }
}

TEST(DecorMeshes, ToysHangFromTheirLoopAndStandOnTheirBase) {
    for (const auto& desc : defaultDecoration().descToys) {
        const KeyMeshSet set = LoadKeyMeshes({.pattern = dataDir() + desc.MeshFile,
                                              .count = desc.MeshCount,
                                              .span = static_cast<double>(desc.MeshTime),
                                              .anchor = AnchorByTop(desc.HangByTop != 0),
                                              .scale = desc.Scale,
                                              .recolour = std::nullopt});
        ASSERT_TRUE(set.mesh) << desc.MeshFile;
        EXPECT_EQ(set.interpolator != nullptr, desc.MeshCount > 1) << desc.MeshFile;
        const rm::Box box = set.mesh->GetBox();
        const float end = desc.HangByTop ? box.max.y : box.min.y;
        EXPECT_NEAR(end, 0.0f, 1e-4f) << desc.MeshFile;
        // The vertices at that end (the loop's top, or the base) are on the
        // toy's axis, so the toy hangs straight down from its frame's origin.
        float farthest = 0;
        for (int g = 0; g < set.mesh->GetGroupCount(); ++g) {
            for (const auto& v : set.mesh->GetVertices(g)) {
                if (std::abs(v.position.y - end) < 0.02f * desc.Scale) {
                    farthest = std::max(farthest, std::hypot(v.position.x, v.position.z));
                }
            }
        }
        EXPECT_LT(farthest, (desc.HangByTop ? 0.15f : 0.7f) * desc.Scale) << desc.MeshFile;
        EXPECT_EQ(desc.IsTop != 0, desc.MeshFile.find("Top") != std::string::npos) << desc.MeshFile;
    }
}

TEST(DecorMeshes, TheTreeStandsOnTheFloorAndFillsTheView) {
    const auto tree = loadMesh(dataDir() + defaultDecoration().tree.meshFile);
    const rm::Box box = tree->GetBox();
    EXPECT_NEAR(box.min.y, 0.0f, 1e-3f);
    EXPECT_GE(box.max.y, 85.0f);
    EXPECT_LE(box.max.y, 90.0f);
    // Wide enough to look like a fir, narrow enough to stay inside the 370 × 376 view.
    EXPECT_GT(box.max.x - box.min.x, 45.0f);
    EXPECT_LT(box.max.x - box.min.x, 80.0f);
    int triangles = 0;
    for (int g = 0; g < tree->GetGroupCount(); ++g) {
        triangles += static_cast<int>(tree->GetGroup(g).faceCount);
        // A lit tree must never be pure black on its far side: every material glows a little.
        EXPECT_GT(glm::length(tree->GetGroupMaterial(g).emissive), 0.005f) << "group " << g;
    }
    EXPECT_GE(triangles, 3000);
    EXPECT_LE(triangles, 15000);
}

} // namespace
} // namespace decortest
