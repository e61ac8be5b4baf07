#pragma once
// The decoration as its description file holds it: settings, the catalogue of
// toy descriptions, the toy-fetching mouse and the toys on the tree. Plain
// data; the tree builds its scene from it and fills it back before a save.
#include "platform/desctext.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// "Tree=": the tree mesh and its placement in the scene.
struct TreeRecord {
    std::string meshFile = "Mesh/Tree.x";
    float scale = 1;
    TVector position{0, 0, 0};
    TVector direction{0, 0, 1};
    TVector up{0, 1, 0};
    float topRadiusFactor = 0.25f;
    float topDepthFactor = 0.12f;
    float topSnapFactor = 0.02f;

    bool operator==(const TreeRecord&) const = default;
};

// "DescToy=": one toy of the catalogue (fields in file order).
struct DescToyRecord {
    std::string ShapeFile;
    int IsTop = 0;
    int MeshCount = 1;
    std::string MeshFile;
    TColor LandColor = 0;
    int LandCount = 1;
    std::string LandFile;
    TColor LandKeyColor = 0;
    int MeshTime = 0;
    int LandTime = 0;
    int HangByTop = 1;
    float Scale = 1;
    std::string SoundFile;

    bool operator==(const DescToyRecord&) const = default;
};

// "Toy=": one toy hung on the tree, in tree-frame coordinates.
struct ToyRecord {
    int descNumber = 0;
    TVector position{0, 0, 0};
    TVector direction{0, 0, 1};
    TVector up{0, 1, 0};

    bool operator==(const ToyRecord&) const = default;
};

// "Mouse=": the mouse that now and then fetches a fallen toy.
struct MouseRecord {
    double chance = 0;
    int frameCount = 1;
    std::string modelFile;
    int cycleLength = 0;
    float scale = 1;
    int duration = 0;
    std::string soundFile;

    bool operator==(const MouseRecord&) const = default;
};

struct DescriptionFile {
    std::string driver;
    int musicOn = 1;
    int songNumber = 0;
    std::string welcomeText;
    std::string fontName = "Dancing Script";
    std::string fontStyle = "Bold";
    TColor welcomeColor = 0x4DCCFA; // bright gold (FA:CC:4D)
    int timeForDrop = 30000;
    int timeForRotate = 8000;
    TreeRecord tree;
    std::vector<DescToyRecord> descToys;
    std::optional<MouseRecord> mouse;
    std::vector<ToyRecord> toys;

    bool operator==(const DescriptionFile&) const = default;
};

// The most toy descriptions a file may hold: the main window has 49 case slots.
constexpr int MaxDescToys = 49;
// The most toys a tree may carry. Every toy is a frame with its own meshes and
// animations; far more than any decoration needs, and few enough that the
// largest allowed file still opens the window within seconds.
constexpr std::size_t MaxToys = 5000;
