#include "data_decor/decor_scene.h"

#include "scene/rm/gl/device.h"
#include "scene/rm/meshbuilder.h"
#include "scene/rm/viewport.h"

namespace decortest {

DecorScene buildDecorScene(const DescriptionFile& file, const std::string& dataDir) {
    DecorScene s;
    s.scene = rm::Frame::create();
    s.tree = rm::Frame::create(s.scene);
    auto light = rm::Frame::create(s.scene);
    light->SetPosition(s.scene.get(), {5000, 5000, 5000});
    light->AddLight(rm::Light::create(rm::LightType::Point, 0.9f, 0.9f, 0.9f));
    s.camera = rm::Frame::create(s.scene);
    s.camera->SetPosition(s.scene.get(), {0, 0, 100});
    s.camera->LookAt(*s.tree, s.scene.get(), rm::Constraint::ConstrainZ);
    s.tree->SetPosition(s.scene.get(), {file.tree.position.x, file.tree.position.y, file.tree.position.z});

    s.treeMesh = rm::MeshBuilder::create();
    s.treeMesh->Load(dataDir + file.tree.meshFile);
    s.treeMesh->Scale(file.tree.scale, file.tree.scale, file.tree.scale);
    const rm::Box box = s.treeMesh->GetBox();
    s.treeMesh->Translate(0, -box.min.y, 0);
    s.tree->AddVisual(s.treeMesh);
    s.treeHeight = box.max.y - box.min.y;
    const rm::Vector eye = s.camera->GetPosition(s.tree.get());
    s.camera->SetPosition(s.tree.get(), {eye.x, s.treeHeight / 2, eye.z});

    for (const ToyRecord& toy : file.toys) {
        const int number = toy.descNumber % static_cast<int>(file.descToys.size());
        const DescToyRecord& desc = file.descToys[static_cast<std::size_t>(number)];
        auto& set = s.toyMeshes[number];
        if (!set.mesh) {
            set = LoadKeyMeshes({.pattern = dataDir + desc.MeshFile,
                                 .count = desc.MeshCount,
                                 .span = static_cast<double>(desc.MeshTime),
                                 .anchor = AnchorByTop(desc.HangByTop != 0),
                                 .scale = desc.Scale,
                                 .recolour = std::nullopt});
        }
        auto frame = rm::Frame::create(s.tree);
        frame->SetPosition(s.tree.get(), {toy.position.x, toy.position.y, toy.position.z});
        frame->SetOrientation(s.tree.get(), {toy.direction.x, toy.direction.y, toy.direction.z},
                              {toy.up.x, toy.up.y, toy.up.z});
        if (set.mesh) {
            frame->AddVisual(set.mesh);
        }
    }
    return s;
}

long triangleCount(const rm::Frame& frame) {
    long count = 0;
    for (const auto& visual : frame.visuals()) {
        for (const auto& group : visual->groups()) {
            count += group.faceCount();
        }
    }
    for (const auto& child : frame.children()) {
        count += triangleCount(*child);
    }
    return count;
}

QImage renderDecorScene(const DecorScene& s, int width, int height) {
    auto device = gl::Device::create(width, height, std::nullopt);
    if (!device) {
        return {};
    }
    rm::Viewport viewport(s.camera, width, height);
    viewport.SetBack(5000);
    device->Clear();
    device->Render(viewport, *s.scene);
    device->Update();
    return device->surface();
}

} // namespace decortest
