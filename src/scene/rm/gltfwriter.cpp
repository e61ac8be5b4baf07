#include "scene/rm/gltfwriter.h"

// glTF through tinygltf (Debian's libtinygltf): it lays out the JSON and the
// binary chunk of a .glb as the format wants them; this file only fills its model.
#include <tiny_gltf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>
#include <map>
#include <sstream>

namespace rm {

namespace {

constexpr int ArrayBuffer = TINYGLTF_TARGET_ARRAY_BUFFER;
constexpr int ElementArrayBuffer = TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER;
constexpr std::size_t MaxShortIndex = 65534;

Vector mirrored(Vector v) {
    return {v.x, v.y, -v.z};
}

// A unit normal, as glTF requires; a zero normal (a degenerate face) points up.
Vector unitNormal(Vector n) {
    const float length2 = glm::dot(n, n);
    return length2 > 1e-12f ? n * glm::inversesqrt(length2) : Vector(0.0f, 1.0f, 0.0f);
}

// The scene's colours are meant for the screen as they are (sRGB); glTF's
// colour factors are linear.
double linearChannel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::vector<double> linearColor(Color color) {
    const glm::vec4 c = colorToVec4(color);
    return {linearChannel(c.r), linearChannel(c.g), linearChannel(c.b), c.a};
}

// A specular power as a roughness: the usual match of a Phong lobe's width.
double roughnessOf(const Material& material) {
    if (!(material.power > 0.0f) || material.specular == Vector(0.0f)) {
        return 1.0;
    }
    return std::clamp(std::sqrt(2.0 / (material.power + 2.0)), 0.0, 1.0);
}

bool readTexture(const std::string& path, std::vector<unsigned char>& bytes, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "it can't be opened";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<std::uint64_t>(size) > MaxTextureFile) {
        why = size <= 0 ? "it is empty" : "it is larger than 64 MB";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        why = "it can't be read";
        return false;
    }
    return true;
}

const char* mimeTypeOf(const std::vector<unsigned char>& bytes) {
    static const unsigned char png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    static const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF};
    if (bytes.size() >= sizeof png && std::memcmp(bytes.data(), png, sizeof png) == 0) {
        return "image/png";
    }
    if (bytes.size() >= sizeof jpeg && std::memcmp(bytes.data(), jpeg, sizeof jpeg) == 0) {
        return "image/jpeg";
    }
    return nullptr;
}

class GlbBuilder {
public:
    explicit GlbBuilder(const GltfScene& scene) : scene_(scene) {
        model_.asset.version = "2.0";
        model_.asset.generator = "Pinewick";
        model_.buffers.emplace_back();
        for (const GltfMorph& morph : scene.morphs) {
            if (morph.mesh && morph.interpolator) {
                morphs_[morph.mesh.get()] = &morph;
            }
        }
    }

    bool build() {
        tinygltf::Scene gltfScene;
        if (scene_.root) {
            gltfScene.nodes.push_back(addNode(*scene_.root, scene_.root->worldMatrix()));
            if (!scene_.rootName.empty()) {
                model_.nodes[gltfScene.nodes.back()].name = scene_.rootName;
            }
        }
        if (scene_.camera && scene_.viewport) {
            gltfScene.nodes.push_back(addCamera());
        }
        model_.scenes.push_back(gltfScene);
        model_.defaultScene = 0;
        addAnimation();
        model_.buffers[0].data = std::move(bin_);
        return error_.empty();
    }

    bool write(std::string& out) {
        if (model_.buffers[0].data.empty()) {
            model_.buffers.clear();
        }
        std::ostringstream stream;
        tinygltf::TinyGLTF writer;
        if (!writer.WriteGltfSceneToStream(&model_, stream, false, true)) {
            error_ = "the glTF writer failed";
            return false;
        }
        out = std::move(stream).str();
        if (out.size() > scene_.maxBytes) {
            return tooLarge(out.size());
        }
        return true;
    }

    const std::string& error() const { return error_; }

private:
    bool tooLarge(std::size_t bytes) {
        error_ = "the scene is too large to write (" + std::to_string(bytes >> 20) + " MB, at most " +
                 std::to_string(scene_.maxBytes >> 20) + " MB)";
        return false;
    }

    // A buffer view of bytes, 4-aligned in the binary chunk; -1 once the scene
    // is too large.
    int addView(const void* data, std::size_t bytes, int target) {
        if (!error_.empty() || bin_.size() + bytes > scene_.maxBytes) {
            if (error_.empty()) {
                tooLarge(bin_.size() + bytes);
            }
            return -1;
        }
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = bin_.size();
        view.byteLength = bytes;
        view.target = target;
        const auto* begin = static_cast<const unsigned char*>(data);
        bin_.insert(bin_.end(), begin, begin + bytes);
        bin_.resize((bin_.size() + 3) & ~std::size_t(3), 0);
        model_.bufferViews.push_back(view);
        return static_cast<int>(model_.bufferViews.size() - 1);
    }

    int addAccessor(const void* data, std::size_t count, int type, int componentType, int target,
                    std::size_t componentBytes) {
        const int components = tinygltf::GetNumComponentsInType(type);
        const int view = addView(data, count * components * componentBytes, target);
        if (view < 0) {
            return -1;
        }
        tinygltf::Accessor accessor;
        accessor.bufferView = view;
        accessor.componentType = componentType;
        accessor.count = count;
        accessor.type = type;
        model_.accessors.push_back(accessor);
        return static_cast<int>(model_.accessors.size() - 1);
    }

    // VEC3 floats with their bounds (positions need them).
    int addVectors(const std::vector<Vector>& values, bool bounds) {
        const int index = addAccessor(values.data(), values.size(), TINYGLTF_TYPE_VEC3,
                                      TINYGLTF_COMPONENT_TYPE_FLOAT, ArrayBuffer, sizeof(float));
        if (index >= 0 && bounds && !values.empty()) {
            Vector lo = values.front(), hi = values.front();
            for (const Vector& v : values) {
                lo = glm::min(lo, v);
                hi = glm::max(hi, v);
            }
            model_.accessors[index].minValues = {lo.x, lo.y, lo.z};
            model_.accessors[index].maxValues = {hi.x, hi.y, hi.z};
        }
        return index;
    }

    int addFloats(const std::vector<float>& values, int type, bool bounds) {
        const int index = addAccessor(values.data(), values.size() / tinygltf::GetNumComponentsInType(type),
                                      type, TINYGLTF_COMPONENT_TYPE_FLOAT, -1, sizeof(float));
        if (index >= 0 && bounds && !values.empty()) {
            const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
            model_.accessors[index].minValues = {*lo};
            model_.accessors[index].maxValues = {*hi};
        }
        return index;
    }

    int addNode(const Frame& frame, const glm::mat4& placement) {
        tinygltf::Node node;
        setPlacement(node, placement);
        const int index = static_cast<int>(model_.nodes.size());
        // Named, so that no node is an empty object (which the writer would
        // leave out) and a viewer's outline tells them apart.
        node.name = "Frame" + std::to_string(index);
        model_.nodes.push_back(node);
        nodeOfFrame_[&frame] = index;
        // A frame with several visuals shows each on a child node of its own.
        std::vector<int> children;
        for (std::size_t v = 0; v < frame.visuals().size(); ++v) {
            const int mesh = addMesh(*frame.visuals()[v]);
            if (mesh < 0) {
                continue;
            }
            int holder = index;
            if (model_.nodes[index].mesh >= 0) {
                holder = static_cast<int>(model_.nodes.size());
                model_.nodes.emplace_back();
                children.push_back(holder);
            }
            model_.nodes[holder].mesh = mesh;
            nodesOfMesh_[frame.visuals()[v].get()].push_back(holder);
        }
        for (const auto& child : frame.children()) {
            children.push_back(addNode(*child, child->localMatrix()));
        }
        model_.nodes[index].children = children;
        return index;
    }

    static void setPlacement(tinygltf::Node& node, const glm::mat4& placement) {
        const glm::mat4 m = MirrorZ(placement);
        const glm::quat q = glm::normalize(glm::quat_cast(glm::mat3(m)));
        if (m[3].x != 0.0f || m[3].y != 0.0f || m[3].z != 0.0f) {
            node.translation = {m[3].x, m[3].y, m[3].z};
        }
        if (std::abs(q.w) < 1.0f - 1e-7f) {
            node.rotation = {q.x, q.y, q.z, q.w};
        }
    }

    int addCamera() {
        const Viewport& viewport = *scene_.viewport;
        tinygltf::Camera camera;
        camera.type = "perspective";
        camera.perspective.yfov = VerticalFieldOfView(viewport);
        camera.perspective.aspectRatio = static_cast<double>(viewport.GetWidth()) / viewport.GetHeight();
        camera.perspective.znear = viewport.GetFront();
        camera.perspective.zfar = viewport.GetBack();
        model_.cameras.push_back(camera);
        tinygltf::Node node;
        node.name = "Camera";
        node.camera = static_cast<int>(model_.cameras.size() - 1);
        setPlacement(node, scene_.camera->worldMatrix());
        model_.nodes.push_back(node);
        return static_cast<int>(model_.nodes.size() - 1);
    }

    // The key shapes of a morph: each key's groups as the interpolator makes them.
    std::vector<std::vector<MeshGroup>> keyShapes(const Mesh& mesh, const GltfMorph& morph) {
        std::vector<std::vector<MeshGroup>> keys;
        auto scratch = Mesh::create(mesh.groups());
        for (double index : morph.interpolator->KeyIndices()) {
            morph.interpolator->Interpolate(index, scratch.get(),
                                            interpolation::Open | interpolation::Linear);
            keys.push_back(scratch->groups());
        }
        return keys;
    }

    int addMesh(const Visual& visual) {
        if (const auto found = meshes_.find(&visual); found != meshes_.end()) {
            return found->second;
        }
        std::vector<std::vector<MeshGroup>> keys;
        if (const auto morph = morphs_.find(&visual); morph != morphs_.end()) {
            keys = keyShapes(*morph->second->mesh, *morph->second);
            if (keys.size() < 2) {
                keys.clear();
            }
        }
        const std::vector<MeshGroup>& base = keys.empty() ? visual.groups() : keys.front();
        tinygltf::Mesh mesh;
        for (std::size_t g = 0; g < base.size(); ++g) {
            const MeshGroup& group = base[g];
            if (group.indices.empty() || group.vertices.empty()) {
                continue;
            }
            tinygltf::Primitive primitive;
            if (!addPrimitive(group, primitive)) {
                return -1;
            }
            for (std::size_t k = 1; k < keys.size(); ++k) {
                primitive.targets.push_back(addTarget(group, keys[k][g]));
            }
            mesh.primitives.push_back(primitive);
        }
        int index = -1;
        if (!mesh.primitives.empty() && error_.empty()) {
            if (keys.size() > 1) {
                mesh.weights.assign(keys.size() - 1, 0.0);
                morphTimes_[&visual] = keys.size();
            }
            model_.meshes.push_back(mesh);
            index = static_cast<int>(model_.meshes.size() - 1);
        }
        meshes_[&visual] = index;
        return index;
    }

    bool addPrimitive(const MeshGroup& group, tinygltf::Primitive& primitive) {
        std::vector<Vector> positions, normals;
        std::vector<float> uvs, colors;
        const bool textured = !group.texture.empty();
        for (const Vertex& v : group.vertices) {
            positions.push_back(mirrored(v.position));
            normals.push_back(unitNormal(mirrored(v.normal)));
            if (textured) {
                uvs.insert(uvs.end(), {v.u, v.v});
            }
            if (group.useVertexColors) {
                for (double c : linearColor(v.color)) {
                    colors.push_back(static_cast<float>(c));
                }
            }
        }
        primitive.attributes["POSITION"] = addVectors(positions, true);
        primitive.attributes["NORMAL"] = addVectors(normals, false);
        if (textured) {
            primitive.attributes["TEXCOORD_0"] =
                addAccessor(uvs.data(), group.vertices.size(), TINYGLTF_TYPE_VEC2,
                            TINYGLTF_COMPONENT_TYPE_FLOAT, ArrayBuffer, 4);
        }
        if (group.useVertexColors) {
            primitive.attributes["COLOR_0"] =
                addAccessor(colors.data(), group.vertices.size(), TINYGLTF_TYPE_VEC4,
                            TINYGLTF_COMPONENT_TYPE_FLOAT, ArrayBuffer, 4);
        }
        // Corners reversed: the mirror keeps a triangle's turn on the screen,
        // and glTF's front faces turn counter-clockwise where ours turn clockwise.
        std::vector<std::uint32_t> indices;
        indices.reserve(group.indices.size());
        for (std::size_t i = 0; i + 2 < group.indices.size(); i += 3) {
            indices.insert(indices.end(), {group.indices[i], group.indices[i + 2], group.indices[i + 1]});
        }
        // Two bytes an index where they suffice: the largest value of a type is
        // reserved (a primitive restart), so 65,534 is the last short one.
        if (group.vertices.size() <= MaxShortIndex + 1) {
            const std::vector<std::uint16_t> shortIndices(indices.begin(), indices.end());
            primitive.indices = addAccessor(shortIndices.data(), shortIndices.size(), TINYGLTF_TYPE_SCALAR,
                                            TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, ElementArrayBuffer, 2);
        } else {
            primitive.indices = addAccessor(indices.data(), indices.size(), TINYGLTF_TYPE_SCALAR,
                                            TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, ElementArrayBuffer, 4);
        }
        primitive.mode = TINYGLTF_MODE_TRIANGLES;
        primitive.material = addMaterial(group);
        return error_.empty();
    }

    std::map<std::string, int> addTarget(const MeshGroup& base, const MeshGroup& key) {
        std::vector<Vector> positions, normals;
        for (std::size_t i = 0; i < base.vertices.size(); ++i) {
            const Vertex& from = base.vertices[i];
            const Vertex& to = i < key.vertices.size() ? key.vertices[i] : from;
            positions.push_back(mirrored(to.position - from.position));
            normals.push_back(unitNormal(mirrored(to.normal)) - unitNormal(mirrored(from.normal)));
        }
        return {{"POSITION", addVectors(positions, true)}, {"NORMAL", addVectors(normals, false)}};
    }

    int addMaterial(const MeshGroup& group) {
        tinygltf::Material material;
        auto& pbr = material.pbrMetallicRoughness;
        pbr.baseColorFactor = linearColor(group.useVertexColors ? (group.color | 0x00FFFFFF) : group.color);
        pbr.metallicFactor = 0.0;
        pbr.roughnessFactor = roughnessOf(group.material);
        material.emissiveFactor = {std::clamp(group.material.emissive.x, 0.0f, 1.0f),
                                   std::clamp(group.material.emissive.y, 0.0f, 1.0f),
                                   std::clamp(group.material.emissive.z, 0.0f, 1.0f)};
        if (pbr.baseColorFactor[3] < 1.0) {
            material.alphaMode = "BLEND";
        }
        if (!group.texture.empty()) {
            pbr.baseColorTexture.index = addTexture(group.texture);
        }
        std::ostringstream key;
        key.precision(9);
        for (double c : pbr.baseColorFactor) {
            key << c << ' ';
        }
        key << pbr.roughnessFactor << ' ' << material.emissiveFactor[0] << ' ' << material.emissiveFactor[1]
            << ' ' << material.emissiveFactor[2] << ' ' << pbr.baseColorTexture.index;
        const auto [found, added] =
            materials_.try_emplace(key.str(), static_cast<int>(model_.materials.size()));
        if (added) {
            material.name = "Material" + std::to_string(found->second);
            model_.materials.push_back(material);
        }
        return found->second;
    }

    int addTexture(const std::string& path) {
        if (const auto found = textures_.find(path); found != textures_.end()) {
            return found->second;
        }
        std::vector<unsigned char> bytes;
        std::string why;
        tinygltf::Image image;
        if (readTexture(path, bytes, why)) {
            std::string warning;
            // Decoded once whatever its format, so a damaged picture is refused here
            // rather than shown broken in a viewer.
            if (!tinygltf::LoadImageData(&image, 0, &why, &warning, 0, 0, bytes.data(),
                                         static_cast<int>(bytes.size()), nullptr)) {
                why =
                    "it is not a picture that can be read" + (why.empty() ? std::string() : " (" + why + ")");
            } else if (image.width > MaxTextureSide || image.height > MaxTextureSide) {
                why = "it is larger than 4096 pixels on a side";
            } else {
                why.clear();
            }
        }
        if (!why.empty()) {
            // The first failure is the one reported.
            if (error_.empty()) {
                error_ = path + ": the texture can't be written: " + why;
            }
            return -1;
        }
        if (const char* mimeType = mimeTypeOf(bytes)) {
            // PNG and JPEG go in as they are; other pictures as PNG.
            image.image.clear();
            image.mimeType = mimeType;
            image.bufferView = addView(bytes.data(), bytes.size(), -1);
        } else {
            image.mimeType = "image/png";
            image.name = "Texture" + std::to_string(model_.images.size());
        }
        model_.images.push_back(image);
        if (model_.samplers.empty()) {
            tinygltf::Sampler sampler;
            sampler.magFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
            sampler.minFilter = TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_LINEAR;
            model_.samplers.push_back(sampler);
        }
        tinygltf::Texture texture;
        texture.source = static_cast<int>(model_.images.size() - 1);
        texture.sampler = 0;
        model_.textures.push_back(texture);
        return textures_[path] = static_cast<int>(model_.textures.size() - 1);
    }

    // The loop's times of a key track: `cycles` rounds of the keys at indices,
    // each round's last key the next round's first moment; calls key(k, time)
    // for each.
    template <typename Key> void timeline(const std::vector<double>& indices, int cycles, Key key) const {
        const double loop = scene_.loopSeconds > 0 ? scene_.loopSeconds : 1.0;
        const double first = indices.front(), span = indices.back() - indices.front();
        const double cycle = loop / std::max(1, cycles);
        for (int c = 0; c < std::max(1, cycles); ++c) {
            for (std::size_t k = c == 0 ? 0 : 1; k < indices.size(); ++k) {
                key(k, static_cast<float>(cycle * c + (indices[k] - first) / span * cycle));
            }
        }
    }

    void addSampler(tinygltf::Animation& animation, const std::vector<float>& times,
                    const std::vector<float>& values, int type, int node, const char* path) {
        tinygltf::AnimationSampler sampler;
        sampler.input = addFloats(times, TINYGLTF_TYPE_SCALAR, true);
        sampler.output = addFloats(values, type, false);
        sampler.interpolation = "LINEAR";
        animation.samplers.push_back(sampler);
        tinygltf::AnimationChannel channel;
        channel.sampler = static_cast<int>(animation.samplers.size() - 1);
        channel.target_node = node;
        channel.target_path = path;
        animation.channels.push_back(channel);
    }

    // A frame's motion: each key's placement relative to the frame's parent.
    void addMotion(tinygltf::Animation& animation, const GltfMotion& motion) {
        const auto node = nodeOfFrame_.find(motion.frame.get());
        const std::vector<double> indices = motion.interpolator->KeyIndices();
        if (node == nodeOfFrame_.end() || indices.size() < 2 || !(indices.back() > indices.front())) {
            return;
        }
        const Frame* parent = motion.frame->GetParent();
        const glm::mat4 toParent = parent ? glm::inverse(parent->worldMatrix()) : glm::mat4(1.0f);
        auto scratch = Frame::create();
        std::vector<float> times, translations, rotations;
        timeline(indices, motion.cycles, [&](std::size_t k, float time) {
            motion.interpolator->Interpolate(indices[k], scratch.get(),
                                             interpolation::Open | interpolation::Linear);
            const glm::mat4 m = MirrorZ(toParent * scratch->worldMatrix());
            const glm::quat q = glm::normalize(glm::quat_cast(glm::mat3(m)));
            times.push_back(time);
            translations.insert(translations.end(), {m[3].x, m[3].y, m[3].z});
            rotations.insert(rotations.end(), {q.x, q.y, q.z, q.w});
        });
        addSampler(animation, times, translations, TINYGLTF_TYPE_VEC3, node->second, "translation");
        addSampler(animation, times, rotations, TINYGLTF_TYPE_VEC4, node->second, "rotation");
    }

    // One animation holding every morph: key k of a cycle is one-hot on
    // target k − 1 (key 0 is the base shape, all weights zero), so linear
    // interpolation of the weights blends two neighbouring keys as the
    // interpolator does. A cycle's last key is the next cycle's first moment.
    void addAnimation() {
        tinygltf::Animation animation;
        animation.name = "Loop";
        for (const GltfMorph& morph : scene_.morphs) {
            const auto keys = morphTimes_.find(morph.mesh.get());
            const auto nodes = nodesOfMesh_.find(morph.mesh.get());
            if (keys == morphTimes_.end() || nodes == nodesOfMesh_.end() || !error_.empty()) {
                continue;
            }
            const std::size_t targets = keys->second - 1;
            std::vector<float> times, weights;
            timeline(morph.interpolator->KeyIndices(), morph.cycles, [&](std::size_t k, float time) {
                times.push_back(time);
                for (std::size_t t = 0; t < targets; ++t) {
                    weights.push_back(t + 1 == k ? 1.0f : 0.0f);
                }
            });
            addSampler(animation, times, weights, TINYGLTF_TYPE_SCALAR, nodes->second.front(), "weights");
            // The other toys of this mesh play the same sampler.
            for (std::size_t n = 1; n < nodes->second.size(); ++n) {
                tinygltf::AnimationChannel channel = animation.channels.back();
                channel.target_node = nodes->second[n];
                animation.channels.push_back(channel);
            }
        }
        for (const GltfMotion& motion : scene_.motions) {
            if (motion.frame && motion.interpolator && error_.empty()) {
                addMotion(animation, motion);
            }
        }
        if (!animation.channels.empty() && error_.empty()) {
            model_.animations.push_back(animation);
        }
    }

    const GltfScene& scene_;
    tinygltf::Model model_;
    std::vector<unsigned char> bin_;
    std::string error_;
    std::map<const Visual*, const GltfMorph*> morphs_;
    std::map<const Visual*, int> meshes_;
    std::map<const Visual*, std::size_t> morphTimes_; // key count of each morphing mesh
    std::map<const Visual*, std::vector<int>> nodesOfMesh_;
    std::map<const Frame*, int> nodeOfFrame_;
    std::map<std::string, int> materials_;
    std::map<std::string, int> textures_;
};

} // namespace

glm::mat4 MirrorZ(const glm::mat4& m) {
    const glm::mat4 s = glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 1.0f, -1.0f));
    return s * m * s;
}

float VerticalFieldOfView(const Viewport& viewport) {
    const float tangent = viewport.GetField() / viewport.GetFront();
    const float w = static_cast<float>(viewport.GetWidth()), h = static_cast<float>(viewport.GetHeight());
    // The field spans the larger side; a wider than high viewport sees less of its height.
    return 2.0f * std::atan(w > h ? tangent * h / w : tangent);
}

bool WriteGlb(const GltfScene& scene, std::string& out, std::string* error) {
    GlbBuilder builder(scene);
    if (!builder.build() || !builder.write(out)) {
        out.clear();
        if (error) {
            *error = builder.error();
        }
        return false;
    }
    return true;
}

} // namespace rm
