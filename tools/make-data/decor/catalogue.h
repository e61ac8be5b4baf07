#pragma once
// The 49 toy descriptions, seven per case in the order of the cases ("Big
// balls", "Bells", "Icicles", "Stars", "Small balls", "Candles", "Tops"), and
// the landing animations they share. Each entry knows how to build its key
// meshes, so the meshes, the case pictures and the description file all come
// from this one list.
#include "decor/meshmodel.h"
#include "scene/descmodel.h"

#include <functional>
#include <string>
#include <vector>

namespace decor {

using KeyBuilder = std::function<MeshModel(int key)>;

// The colour the landing meshes give the group that each toy recolours.
inline constexpr TColor LandKeyColor = 0xFF00FF; // FF:00:FF

struct LandingSet {
    std::string file; // "Mesh/Land/Shatter*.x"
    int count = 1;
    int time = 0; // milliseconds
    std::string sound;
    KeyBuilder build;
};

struct ToyEntry {
    std::string name; // "BigBall0": file names derive from it
    int caseIndex = 0;
    int meshCount = 1;
    int meshTime = 0;
    int hangByTop = 1;
    int isTop = 0;
    float scale = 1.0f;
    TColor landColor = 0;
    const LandingSet* landing = nullptr;
    KeyBuilder build;

    // "Mesh/Toys/BigBall0.x", or "Mesh/Toys/Bell0_*.x" when animated.
    std::string meshFile() const;
    // The file of key k ("*" replaced by the digit).
    std::string keyFile(int key) const;
    std::string shapeFile() const; // "Shape/BigBall0.bmp"
    DescToyRecord record() const;
};

// Size of each case's toy pictures (width, height), in the case order.
struct SlotSize {
    int width, height;
};
inline constexpr SlotSize CaseSlots[7] = {{38, 42}, {25, 36}, {8, 49}, {38, 35}, {29, 32}, {6, 49}, {18, 47}};
// The smallest slot a pointer hits with ease: a thin toy (an icicle, a
// candle) keeps its picture's size in the middle of a slot this wide.
inline constexpr SlotSize SmallestSlot{24, 32};
// The slot's frame: the toy's picture, widened or heightened to the smallest slot.
constexpr SlotSize slotFrame(int caseIndex) {
    const SlotSize picture = CaseSlots[caseIndex];
    return {picture.width > SmallestSlot.width ? picture.width : SmallestSlot.width,
            picture.height > SmallestSlot.height ? picture.height : SmallestSlot.height};
}

const std::vector<LandingSet>& landingSets();
const std::vector<ToyEntry>& catalogue();

// Colour in the file's layout (red in the low byte).
TColor toColor(glm::vec3 rgb);

// Per case (each file of the decor folder builds one kind).
std::vector<ToyEntry> ballToys(int caseIndex, const LandingSet& shatter);
std::vector<ToyEntry> bellToys(const LandingSet& landing);
std::vector<ToyEntry> icicleToys(const LandingSet& landing);
std::vector<ToyEntry> starToys(const LandingSet& landing);
std::vector<ToyEntry> candleToys(const LandingSet& landing);
std::vector<ToyEntry> topToys(const LandingSet& landing);

LandingSet shatterLanding();
LandingSet bellLanding();
LandingSet icicleLanding();
LandingSet starLanding();
LandingSet candleLanding();
LandingSet topLanding();

} // namespace decor
