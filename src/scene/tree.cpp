// TTree: construction from the description file, saving, toys and music.
#include "scene/tree.h"

#include "platform/paths.h"
#include "scene/rm/meshbuilder.h"
#include "scene/scenevector.h"

#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool soundAxes(const rm::Vector& direction, const rm::Vector& up) {
    const auto finite = [](const rm::Vector& v) {
        return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
    };
    return finite(direction) && finite(up) && glm::length(direction) > 0.5f && glm::length(up) > 0.5f;
}

} // namespace

TTree::TTree(const QString& descName, QWidget* owner, const QImage& windowBackground, QWidget* treeControl)
    : TD3DScene(treeControl, windowBackground) {
    load(descName, owner);
}

TTree::TTree(const QString& descName, QSize size, const QImage& background) : TD3DScene(size, background) {
    load(descName, nullptr);
}

TTree::~TTree() {
    if (saveOnExit_) {
        Save();
    }
    // Toys go before the catalogue whose meshes they show.
    mouse_.reset();
    toys_.clear();
    descToys_.clear();
}

void TTree::load(const QString& descName, QWidget* owner) {
    random_ = [] {
        return std::rand();
    };
    dataFolder_ = DataFile("").toStdString();
    // The user's decoration, or the one that comes with the program.
    descPath_ = DecorationFile(descName).toStdString();

    DescriptionFile file;
    try {
        DescriptionLoad load = ReadDescriptionFile(descPath_, "Data/" + descName.toStdString());
        file = std::move(load.file);
        warnings_ = std::move(load.warnings);
    } catch (const DescFileError& error) {
        // Show the default tree, and never write over the user's file.
        loadError_ = error;
        std::fprintf(stderr, "pinewick: %s\n", error.what());
    }
    for (const auto& warning : warnings_) {
        std::fprintf(stderr, "pinewick: warning: %s\n", warning.c_str());
    }

    WelcomeText = file.welcomeText;
    FontName = file.fontName;
    FontStyle = file.fontStyle;
    WelcomeColor = file.welcomeColor;
    MusicOn = file.musicOn;
    SongNumber = file.songNumber;
    timeForDrop_ = file.timeForDrop;
    timeForRotate_ = file.timeForRotate;
    tree_ = file.tree;

    for (const auto& record : file.descToys) {
        const QString slot = "Toy" + QString::number(descToys_.size());
        descToys_.push_back(std::make_unique<TDescToy>(record, dataFolder_, FindChildControl(owner, slot)));
    }
    for (const auto& record : file.toys) {
        TDescToy& descToy = *descToys_[static_cast<std::size_t>(record.descNumber) % descToys_.size()];
        toys_.push_back(std::make_unique<TToy>(record, descToy, treeFrame()));
    }
    if (file.mouse) {
        mouse_ = std::make_unique<TMouse>(*file.mouse, dataFolder_);
    }

    placeTreeAndCamera();
    measure();
    SetDriver(QString::fromStdString(file.driver));
    Render();
}

void TTree::placeTreeAndCamera() {
    treeFrame()->SetPosition(sceneFrame().get(), ToSceneVector(tree_.position));
    treeFrame()->SetOrientation(sceneFrame().get(), ToSceneVector(tree_.direction), ToSceneVector(tree_.up));
    // The camera keeps its line of sight and rises to the middle of the tree.
    const rm::Vector camera = cameraFrame()->GetPosition(treeFrame().get());
    const float half = LoadTreeMesh(
        QString::fromStdString(FindFileIgnoringCase(dataFolder_ + NativeFileName(tree_.meshFile))),
        tree_.scale);
    cameraFrame()->SetPosition(treeFrame().get(), {camera.x, half, camera.z});
}

void TTree::measure() {
    // The tree mesh alone: a top already standing on the tree must not raise
    // the top zone, or the next top would snap above the tip.
    auto builder = rm::MeshBuilder::create();
    for (const auto& visual : treeFrame()->visuals()) {
        builder->AddVisual(*visual);
    }
    const rm::Box box = builder->GetBox();
    treeHeight_ = box.max.y - box.min.y;
    topRadius_ = ((box.max.x - box.min.x) + (box.max.z - box.min.z)) * 0.5f * 0.5f * tree_.topRadiusFactor;
    topLowest_ = box.max.y - treeHeight_ * tree_.topDepthFactor;
    topSnap_ = box.max.y - treeHeight_ * tree_.topSnapFactor;
}

DescriptionFile TTree::currentDecoration() const {
    DescriptionFile file;
    file.driver = driverName().toStdString();
    file.musicOn = MusicOn;
    file.songNumber = SongNumber;
    file.welcomeText = WelcomeText;
    file.fontName = FontName;
    file.fontStyle = FontStyle;
    file.welcomeColor = WelcomeColor;
    file.timeForDrop = timeForDrop_;
    file.timeForRotate = timeForRotate_;
    file.tree = tree_;
    // The tree is written turned as the user left it; an orientation that is
    // no longer a sound pair of axes keeps the one read from the file.
    rm::Vector direction, up;
    treeFrame()->GetOrientation(sceneFrame().get(), direction, up);
    if (soundAxes(direction, up)) {
        file.tree.direction = ToFileVector(direction);
        file.tree.up = ToFileVector(up);
    }
    for (const auto& descToy : descToys_) {
        file.descToys.push_back(descToy->record());
    }
    if (mouse_) {
        file.mouse = mouse_->record();
    }
    for (const auto& toy : toys_) {
        file.toys.push_back(toy->record());
    }
    return file;
}

bool TTree::Save(std::string* why) {
    if (loadError_) {
        if (why) {
            *why = loadError_->what();
        }
        return false;
    }
    std::string reason;
    if (!WriteDescriptionFile(descPath_, currentDecoration(), &reason)) {
        std::fprintf(stderr, "pinewick: %s: the decoration could not be saved: %s\n", descPath_.c_str(),
                     reason.c_str());
        if (why) {
            *why = reason;
        }
        return false;
    }
    return true;
}

TToy* TTree::AddToy(TDescToy& descToy, rm::Vector direction, rm::Vector up, rm::Vector position) {
    int number = 0;
    while (number < static_cast<int>(descToys_.size()) &&
           descToys_[static_cast<std::size_t>(number)].get() != &descToy) {
        ++number;
    }
    // Stored with the tree's axes; shown turned to face the camera.
    ToyRecord record{number, ToFileVector(position), {0, 0, 1}, {0, 1, 0}};
    auto toy = std::make_unique<TToy>(record, descToy, treeFrame());
    toy->frame()->SetOrientation(cameraFrame().get(), direction, up);
    toys_.push_back(std::move(toy));
    Render();
    return toys_.back().get();
}

void TTree::RemoveToy(TToy* toy) {
    // Destroyed here, once it is off the tree.
    TakeToy(toy);
}

std::unique_ptr<TToy> TTree::TakeToy(TToy* toy, std::size_t* index) {
    const auto it = std::find_if(toys_.begin(), toys_.end(), [toy](const auto& t) { return t.get() == toy; });
    if (it == toys_.end()) {
        return nullptr;
    }
    toy->Detach(*treeFrame());
    if (fallingToy_ == toy) {
        fallingToy_ = nullptr;
    }
    if (index) {
        *index = static_cast<std::size_t>(it - toys_.begin());
    }
    std::unique_ptr<TToy> taken = std::move(*it);
    toys_.erase(it);
    Render();
    return taken;
}

TToy* TTree::PutToy(std::unique_ptr<TToy> toy, std::size_t index) {
    if (!toy) {
        return nullptr;
    }
    toy->Attach(*treeFrame());
    TToy* put = toy.get();
    toys_.insert(toys_.begin() + static_cast<std::ptrdiff_t>(std::min(index, toys_.size())), std::move(toy));
    Render();
    return put;
}

TPickResult TTree::FindToy(const rm::Frame* frame) const {
    if (frame == treeFrame().get()) {
        return {TPickResult::Tree, nullptr};
    }
    for (const auto& toy : toys_) {
        if (toy->frame().get() == frame) {
            return {TPickResult::Toy, toy.get()};
        }
    }
    return {};
}

void TTree::NextSong() {
    ++SongNumber;
    MusicOn = 1;
}

void TTree::MusicOff() {
    MusicOn = 0;
}

QString TTree::SongFile() {
    if (SongNumber < 0) {
        SongNumber = 8;
    } else if (SongNumber > 8) {
        SongNumber = 0;
    }
    return DataFile("Resource/Song" + QString::number(SongNumber) + ".mid");
}
