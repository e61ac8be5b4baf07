#include "scene/rm/xloader.h"

#include "scene/rm/searchpath.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace rm {

namespace {

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
}

std::size_t matchingBrace(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '{')
            ++depth;
        else if (text[i] == '}' && --depth == 0)
            return i;
    }
    return std::string::npos;
}

// Assimp resolves a material referenced by name ("{ GreenMat }") inside a
// mesh's material list to the wrong material. In text files we replace every
// such reference to a top-level material by an inline copy of its definition.
std::string inlineMaterialReferences(const std::string& text) {
    std::map<std::string, std::string> bodies; // top-level material name -> "{ ... }"
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        else if (depth == 0 && text.compare(i, 8, "Material") == 0 && (i == 0 || !isNameChar(text[i - 1])) &&
                 i + 8 < text.size() && !isNameChar(text[i + 8])) {
            std::size_t open = text.find('{', i);
            if (open == std::string::npos)
                break;
            std::string name;
            for (char n : text.substr(i + 8, open - i - 8))
                if (isNameChar(n))
                    name += n;
            std::size_t close = matchingBrace(text, open);
            if (close == std::string::npos)
                break;
            if (!name.empty())
                bodies[name] = text.substr(open, close - open + 1);
            i = close;
        }
    }
    if (bodies.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {
            std::size_t close = text.find('}', i);
            if (close != std::string::npos) {
                std::string inner = text.substr(i + 1, close - i - 1);
                std::string name;
                bool plain = true;
                for (char n : inner) {
                    if (isNameChar(n))
                        name += n;
                    else if (!std::isspace(static_cast<unsigned char>(n)))
                        plain = false;
                }
                auto found = plain ? bodies.find(name) : bodies.end();
                if (found != bodies.end()) {
                    out += "Material " + name + found->second;
                    i = close;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

Vector toVector(const aiColor4D& c) {
    return Vector(c.r, c.g, c.b);
}

MeshGroup groupFor(const aiMaterial& material, const std::string& folder) {
    MeshGroup group;
    aiString name;
    material.Get(AI_MATKEY_NAME, name);
    if (name.length == 0)
        return group; // Assimp's stand-in for a mesh without materials: white
    aiColor4D diffuse(1, 1, 1, 1), specular(0, 0, 0, 1), emissive(0, 0, 0, 1);
    material.Get(AI_MATKEY_COLOR_DIFFUSE, diffuse);
    material.Get(AI_MATKEY_COLOR_SPECULAR, specular);
    material.Get(AI_MATKEY_COLOR_EMISSIVE, emissive);
    float opacity = 1.0f, power = 0.0f;
    material.Get(AI_MATKEY_OPACITY, opacity);
    material.Get(AI_MATKEY_SHININESS, power);
    group.color = colorRGBA(diffuse.r, diffuse.g, diffuse.b, diffuse.a * opacity);
    group.material.specular = toVector(specular);
    group.material.emissive = toVector(emissive);
    group.material.power = power;
    aiString texture;
    if (material.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS)
        group.texture = findMeshResource(texture.C_Str(), folder);
    return group;
}

struct Collector {
    const aiScene* scene;
    std::string folder;
    std::vector<MeshGroup> groups;
    std::map<unsigned, std::size_t> groupOfMaterial;

    void visit(const aiNode* node, const aiMatrix4x4& parent) {
        aiMatrix4x4 transform = parent * node->mTransformation;
        aiMatrix3x3 normalTransform(transform);
        normalTransform.Inverse().Transpose();
        for (unsigned i = 0; i < node->mNumMeshes; ++i)
            add(*scene->mMeshes[node->mMeshes[i]], transform, normalTransform);
        for (unsigned i = 0; i < node->mNumChildren; ++i)
            visit(node->mChildren[i], transform);
    }

    void add(const aiMesh& mesh, const aiMatrix4x4& transform, const aiMatrix3x3& normalTransform) {
        auto [it, isNew] = groupOfMaterial.try_emplace(mesh.mMaterialIndex, groups.size());
        if (isNew)
            groups.push_back(groupFor(*scene->mMaterials[mesh.mMaterialIndex], folder));
        MeshGroup& group = groups[it->second];
        const unsigned base = static_cast<unsigned>(group.vertices.size());
        if (mesh.HasVertexColors(0))
            group.useVertexColors = true;
        for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
            Vertex vertex;
            aiVector3D p = transform * mesh.mVertices[v];
            vertex.position = Vector(p.x, p.y, p.z);
            if (mesh.HasNormals()) {
                aiVector3D n = normalTransform * mesh.mNormals[v];
                n.Normalize();
                vertex.normal = Vector(n.x, n.y, n.z);
            }
            if (mesh.HasTextureCoords(0)) {
                vertex.u = mesh.mTextureCoords[0][v].x;
                vertex.v = mesh.mTextureCoords[0][v].y;
            }
            if (mesh.HasVertexColors(0)) {
                const aiColor4D& c = mesh.mColors[0][v];
                vertex.color = colorRGBA(c.r, c.g, c.b, c.a);
            }
            group.vertices.push_back(vertex);
        }
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            if (face.mNumIndices != 3)
                continue; // points and lines are not drawn
            for (unsigned k = 0; k < 3; ++k)
                group.indices.push_back(base + face.mIndices[k]);
        }
    }
};

} // namespace

bool loadXFile(const std::string& path, std::vector<MeshGroup>& groups, std::string* error) {
    groups.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "xloader: can't open " + path;
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string data = buffer.str();
    if (data.compare(0, 4, "xof ") == 0 && data.compare(8, 3, "txt") == 0)
        data = inlineMaterialReferences(data);

    Assimp::Importer importer;
    // Left-handed conversion gives back the file's own coordinates, normals,
    // texture v and face order; no vertex joining, so vertex counts follow the file.
    const unsigned flags = aiProcess_ConvertToLeftHanded | aiProcess_Triangulate | aiProcess_GenSmoothNormals;
    const aiScene* scene = importer.ReadFileFromMemory(data.data(), data.size(), flags, "x");
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        if (error)
            *error = "xloader: " + path + ": " + importer.GetErrorString();
        return false;
    }
    Collector collector{scene, std::filesystem::path(path).parent_path().string(), {}, {}};
    collector.visit(scene->mRootNode, aiMatrix4x4());
    groups = std::move(collector.groups);
    return true;
}

} // namespace rm
