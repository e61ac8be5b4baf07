#include "scene/rm/xloader.h"

#include "scene/rm/searchpath.h"
#include "scene/rm/xloaderparser.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <glm/gtc/type_ptr.hpp>
#include <map>
#include <sstream>
#include <unordered_map>

namespace rm {

namespace {

using xfile::Object;

// A damaged file: the message says where.
struct Damaged {
    std::string message;
};

[[noreturn]] void damaged(const std::string& message) {
    throw Damaged{message};
}

std::string describe(const Object& object) {
    return object.name.empty() ? object.type : object.type + " " + object.name;
}

// Reads the numbers of one object in order, checking every count against what
// is really there, so that no count makes anything allocate.
class Numbers {
public:
    explicit Numbers(const Object& object) : object_(object) {}

    double real() {
        if (at_ >= object_.numbers.size())
            damaged(describe(object_) + ": fewer values than its counts say");
        return object_.numbers[at_++];
    }
    float single() { return static_cast<float>(real()); }
    // A colour channel or material value: what is not a finite number counts as 0.
    float setting() {
        const float value = single();
        return std::isfinite(value) ? value : 0.0f;
    }
    Vector settings() {
        const float x = setting();
        const float y = setting();
        const float z = setting();
        return {x, y, z};
    }
    // A count or an index: a whole number from 0 up.
    std::size_t index() {
        const double value = real();
        if (!(value >= 0 && value <= 4294967295.0) || value != std::floor(value))
            damaged(describe(object_) + ": '" + std::to_string(value) + "' is not a count or an index");
        return static_cast<std::size_t>(value);
    }
    // A count of items of perItem numbers each, which the object must hold.
    std::size_t count(std::size_t perItem) {
        const std::size_t n = index();
        if (n > left() / perItem)
            damaged(describe(object_) + ": " + std::to_string(n) + " items declared, fewer present");
        return n;
    }
    std::size_t left() const { return object_.numbers.size() - at_; }
    Vector vector() {
        const float x = single();
        const float y = single();
        const float z = single();
        return {x, y, z};
    }

private:
    const Object& object_;
    std::size_t at_ = 0;
};

const Object* childOfType(const Object& parent, const char* type) {
    for (const auto& child : parent.children)
        if (!child.isReference && child.type == type)
            return &child;
    return nullptr;
}

// Faces as index lists (polygons of any size).
std::vector<std::vector<std::size_t>> readFaces(Numbers& in, std::size_t pointCount,
                                                const std::string& what) {
    const std::size_t faceCount = in.count(1);
    std::vector<std::vector<std::size_t>> faces;
    faces.reserve(faceCount);
    for (std::size_t f = 0; f < faceCount; ++f) {
        const std::size_t corners = in.count(1);
        std::vector<std::size_t> face(corners);
        for (auto& index : face) {
            index = in.index();
            if (index >= pointCount)
                damaged(what + ": face " + std::to_string(f) + " uses point " + std::to_string(index) +
                        " of " + std::to_string(pointCount));
        }
        faces.push_back(std::move(face));
    }
    return faces;
}

struct Material {
    Color color = 0xFFFFFFFF;
    rm::Material lighting;
    std::string texture;
};

Material readMaterial(const Object& object, const std::string& folder) {
    Numbers in(object);
    Material m;
    const float r = in.setting(), g = in.setting(), b = in.setting(), a = in.setting();
    m.color = colorRGBA(r, g, b, a);
    m.lighting.power = in.setting();
    m.lighting.specular = in.settings();
    m.lighting.emissive = in.settings();
    if (const Object* texture = childOfType(object, "TextureFilename"); texture && !texture->strings.empty())
        m.texture = findMeshResource(texture->strings.front(), folder);
    return m;
}

bool finite(const Vector& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

class Collector {
public:
    Collector(const std::vector<Object>& objects, std::string folder) : folder_(std::move(folder)) {
        for (const auto& object : objects)
            if (object.type == "Material" && !object.name.empty())
                namedMaterials_.emplace(object.name, &object);
    }

    void visitTop(const std::vector<Object>& objects) {
        // Meshes outside any frame first, then the frames, as the scene's root holds them.
        for (const auto& object : objects)
            if (object.type == "Mesh")
                addMesh(object, glm::mat4(1.0f));
        for (const auto& object : objects)
            if (object.type == "Frame")
                visitFrame(object, glm::mat4(1.0f));
    }

    std::vector<MeshGroup> groups;

private:
    void visitFrame(const Object& frame, const glm::mat4& parent) {
        glm::mat4 transform = parent;
        if (const Object* matrix = childOfType(frame, "FrameTransformMatrix")) {
            Numbers in(*matrix);
            float m[16];
            for (float& value : m)
                value = in.single();
            // Rows of the file's matrix (row vectors) are the columns of ours.
            transform = parent * glm::make_mat4(m);
        }
        for (const auto& child : frame.children)
            if (!child.isReference && child.type == "Mesh")
                addMesh(child, transform);
        for (const auto& child : frame.children)
            if (!child.isReference && child.type == "Frame")
                visitFrame(child, transform);
    }

    const Object* resolveMaterial(const Object& entry) {
        if (!entry.isReference)
            return &entry;
        const auto found = namedMaterials_.find(entry.name);
        if (found == namedMaterials_.end())
            damaged("no material named '" + entry.name + "'");
        return found->second;
    }

    std::size_t groupFor(const Object* material) {
        const auto [it, isNew] = groupOf_.try_emplace(material, groups.size());
        if (isNew) {
            MeshGroup group;
            if (material) {
                const Material m = readMaterial(*material, folder_);
                group.color = m.color;
                group.material = m.lighting;
                group.texture = m.texture;
            }
            groups.push_back(std::move(group));
        }
        return it->second;
    }

    void addMesh(const Object& mesh, const glm::mat4& transform) {
        const std::string what = describe(mesh);
        Numbers in(mesh);
        const std::size_t vertexCount = in.count(3);
        std::vector<Vector> positions(vertexCount);
        for (auto& p : positions)
            p = in.vector();
        const auto faces = readFaces(in, vertexCount, what);

        // Normals: their own points and faces, which must match the mesh's faces.
        std::vector<Vector> normals;
        std::vector<std::vector<std::size_t>> normalFaces;
        if (const Object* block = childOfType(mesh, "MeshNormals")) {
            Numbers n(*block);
            normals.resize(n.count(3));
            for (auto& v : normals)
                v = n.vector();
            normalFaces = readFaces(n, normals.size(), what + " normals");
            if (normalFaces.size() != faces.size())
                damaged(what + ": " + std::to_string(normalFaces.size()) + " normal faces for " +
                        std::to_string(faces.size()) + " faces");
            for (std::size_t f = 0; f < faces.size(); ++f)
                if (normalFaces[f].size() != faces[f].size())
                    damaged(what + ": face " + std::to_string(f) +
                            " has normals for another number of corners");
        }

        std::vector<float> uv;
        if (const Object* block = childOfType(mesh, "MeshTextureCoords")) {
            Numbers t(*block);
            const std::size_t n = t.count(2);
            if (n < vertexCount)
                damaged(what + ": " + std::to_string(n) + " texture coordinates for " +
                        std::to_string(vertexCount) + " vertices");
            uv.resize(2 * vertexCount);
            for (float& value : uv)
                value = t.single();
        }

        std::vector<Color> colors;
        if (const Object* block = childOfType(mesh, "MeshVertexColors")) {
            Numbers c(*block);
            const std::size_t n = c.count(5);
            colors.assign(vertexCount, 0xFFFFFFFF);
            for (std::size_t i = 0; i < n; ++i) {
                const std::size_t index = c.index();
                const float r = c.setting(), g = c.setting(), b = c.setting(), a = c.setting();
                if (index >= vertexCount)
                    damaged(what + ": a colour for vertex " + std::to_string(index) + " of " +
                            std::to_string(vertexCount));
                colors[index] = colorRGBA(r, g, b, a);
            }
        }

        // The material of each face: one number per face, or one for all; a
        // shorter list repeats its last entry.
        std::vector<const Object*> materials;
        std::vector<std::size_t> faceMaterial(faces.size(), 0);
        if (const Object* list = childOfType(mesh, "MeshMaterialList")) {
            Numbers m(*list);
            m.index(); // the declared number of materials; the entries below are what counts
            const std::size_t n = m.count(1);
            for (const auto& entry : list->children)
                if (entry.isReference || entry.type == "Material")
                    materials.push_back(resolveMaterial(entry));
            for (std::size_t f = 0; f < n; ++f) {
                const std::size_t index = m.index();
                if (index >= materials.size())
                    damaged(what + ": face " + std::to_string(f) + " uses material " + std::to_string(index) +
                            " of " + std::to_string(materials.size()));
                if (f < faceMaterial.size())
                    faceMaterial[f] = index;
            }
            for (std::size_t f = n; f > 0 && f < faceMaterial.size(); ++f)
                faceMaterial[f] = faceMaterial[n - 1];
        }
        if (materials.empty())
            materials.push_back(nullptr); // no material: a white group

        const glm::mat3 linear(transform);
        glm::mat3 normalMatrix = linear;
        const float det = glm::determinant(linear);
        if (det != 0 && std::isfinite(det))
            normalMatrix = glm::transpose(glm::inverse(linear));

        // One group per material used, in the order of the materials' numbers.
        std::vector<std::vector<std::size_t>> facesOf(materials.size());
        for (std::size_t f = 0; f < faces.size(); ++f)
            if (faces[f].size() >= 3) // points and lines are not drawn
                facesOf[faceMaterial[f]].push_back(f);
        for (std::size_t material = 0; material < materials.size(); ++material) {
            if (facesOf[material].empty())
                continue;
            MeshGroup& group = groups[groupFor(materials[material])];
            const std::size_t firstVertex = group.vertices.size();
            const std::size_t firstIndex = group.indices.size();
            if (!colors.empty())
                group.useVertexColors = true;
            // Corners with the same point and the same normal are one vertex:
            // every attribute follows from those two numbers, so the keyframes
            // of one shape keep the same vertices in the same order.
            std::unordered_map<std::uint64_t, unsigned> vertexOf;
            std::vector<unsigned> corners;
            for (const std::size_t f : facesOf[material]) {
                const auto& face = faces[f];
                corners.clear();
                for (std::size_t k = 0; k < face.size(); ++k) {
                    const std::size_t v = face[k];
                    const std::size_t n = normals.empty() ? 0 : normalFaces[f][k];
                    const auto [at, added] = vertexOf.try_emplace(
                        static_cast<std::uint64_t>(v) << 32 | static_cast<std::uint32_t>(n),
                        static_cast<unsigned>(group.vertices.size()));
                    corners.push_back(at->second);
                    if (!added)
                        continue;
                    Vertex vertex;
                    vertex.position = Vector(transform * glm::vec4(positions[v], 1.0f));
                    if (!finite(vertex.position))
                        damaged(what + ": vertex " + std::to_string(v) + " is not a finite point");
                    if (!normals.empty()) {
                        const Vector normal = normalMatrix * normals[n];
                        const float length = glm::length(normal);
                        vertex.normal = length > 0 && std::isfinite(length) ? normal / length : Vector(0.0f);
                    }
                    if (!uv.empty()) {
                        vertex.u = std::isfinite(uv[2 * v]) ? uv[2 * v] : 0.0f;
                        vertex.v = std::isfinite(uv[2 * v + 1]) ? uv[2 * v + 1] : 0.0f;
                    }
                    if (!colors.empty())
                        vertex.color = colors[v];
                    group.vertices.push_back(vertex);
                }
                for (std::size_t k = 1; k + 1 < corners.size(); ++k) {
                    group.indices.push_back(corners[0]);
                    group.indices.push_back(corners[k]);
                    group.indices.push_back(corners[k + 1]);
                }
            }
            if (normals.empty())
                smoothNormals(group, firstVertex, firstIndex);
        }
    }

    // Normals for a mesh without them: each vertex gets the mean of the
    // normals of the triangles meeting at its point.
    static void smoothNormals(MeshGroup& group, std::size_t firstVertex, std::size_t firstIndex) {
        struct Key {
            float x, y, z;
            bool operator==(const Key&) const = default;
        };
        struct Hash {
            std::size_t operator()(const Key& k) const {
                const std::hash<float> h;
                return h(k.x) ^ (h(k.y) * 31) ^ (h(k.z) * 1009);
            }
        };
        std::unordered_map<Key, Vector, Hash> sums;
        auto keyOf = [&](unsigned index) {
            const Vector& p = group.vertices[index].position;
            return Key{p.x, p.y, p.z};
        };
        for (std::size_t i = firstIndex; i + 2 < group.indices.size(); i += 3) {
            const Vector& a = group.vertices[group.indices[i]].position;
            const Vector& b = group.vertices[group.indices[i + 1]].position;
            const Vector& c = group.vertices[group.indices[i + 2]].position;
            Vector n = glm::cross(b - a, c - a);
            const float length = glm::length(n);
            if (!(length > 0) || !std::isfinite(length))
                continue;
            n /= length;
            for (int k = 0; k < 3; ++k)
                sums[keyOf(group.indices[i + k])] += n;
        }
        for (std::size_t v = firstVertex; v < group.vertices.size(); ++v) {
            const auto found = sums.find(keyOf(static_cast<unsigned>(v)));
            if (found == sums.end())
                continue;
            const float length = glm::length(found->second);
            if (length > 0 && std::isfinite(length))
                group.vertices[v].normal = found->second / length;
        }
    }

    std::string folder_;
    std::map<std::string, const Object*> namedMaterials_;
    std::map<const Object*, std::size_t> groupOf_;
};

} // namespace

bool loadXData(const std::string& data, const std::string& folder, std::vector<MeshGroup>& groups,
               std::string* error) {
    groups.clear();
    std::vector<Object> objects;
    std::string message;
    if (!xfile::parse(data, objects, message)) {
        if (error)
            *error = message;
        return false;
    }
    try {
        Collector collector(objects, folder);
        collector.visitTop(objects);
        groups = std::move(collector.groups);
        // The lists grew face by face, up to twice what they hold; a mesh
        // keeps them as long as it shows.
        for (MeshGroup& group : groups) {
            group.vertices.shrink_to_fit();
            group.indices.shrink_to_fit();
        }
        return true;
    } catch (const Damaged& problem) {
        if (error)
            *error = problem.message;
        return false;
    }
}

bool loadXFile(const std::string& path, std::vector<MeshGroup>& groups, std::string* error) {
    groups.clear();
    auto fail = [&](const std::string& message) {
        if (error)
            *error = "xloader: " + path + ": " + message;
        return false;
    };
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (code)
        return fail(code.message());
    if (!std::filesystem::is_regular_file(status))
        return fail(std::filesystem::is_directory(status) ? "is a directory" : "is not a regular file");
    const auto size = std::filesystem::file_size(path, code);
    if (code)
        return fail(code.message());
    if (size > MaxXFileSize)
        return fail("too large for a mesh (" + std::to_string(size) + " bytes)");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail("can't be opened");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return fail("can't be read");
    std::string message;
    if (!loadXData(buffer.str(), std::filesystem::path(path).parent_path().string(), groups, &message))
        return fail(message);
    return true;
}

} // namespace rm
