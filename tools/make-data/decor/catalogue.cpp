#include "decor/catalogue.h"
#include "decor/framing.h"

#include <algorithm>
#include <cmath>

namespace decor {

std::string ToyEntry::meshFile() const {
    return "Mesh/Toys/" + name + (meshCount > 1 ? "_*.x" : ".x");
}

std::string ToyEntry::keyFile(int key) const {
    std::string file = meshFile();
    if (auto star = file.find('*'); star != std::string::npos) {
        file[star] = static_cast<char>('0' + key);
    }
    return file;
}

std::string ToyEntry::shapeFile() const {
    return "Shape/" + name + ".bmp";
}

DescToyRecord ToyEntry::record() const {
    DescToyRecord r;
    r.ShapeFile = shapeFile();
    r.IsTop = isTop;
    r.MeshCount = meshCount;
    r.MeshFile = meshFile();
    r.LandColor = landColor;
    r.LandCount = landing->count;
    r.LandFile = landing->file;
    r.LandKeyColor = LandKeyColor;
    r.MeshTime = meshTime;
    r.LandTime = landing->time;
    r.HangByTop = hangByTop;
    r.Scale = scale * WorldScale;
    r.SoundFile = landing->sound;
    return r;
}

TColor toColor(glm::vec3 rgb) {
    auto channel = [](float v) {
        return static_cast<TColor>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    return channel(rgb.r) | (channel(rgb.g) << 8) | (channel(rgb.b) << 16);
}

const std::vector<LandingSet>& landingSets() {
    static const std::vector<LandingSet> sets{shatterLanding(), bellLanding(),   icicleLanding(),
                                              starLanding(),    candleLanding(), topLanding()};
    return sets;
}

const std::vector<ToyEntry>& catalogue() {
    static const std::vector<ToyEntry> toys = [] {
        const auto& sets = landingSets();
        std::vector<ToyEntry> all;
        auto add = [&](std::vector<ToyEntry> some) {
            all.insert(all.end(), some.begin(), some.end());
        };
        add(ballToys(0, sets[0]));
        add(bellToys(sets[1]));
        add(icicleToys(sets[2]));
        add(starToys(sets[3]));
        add(ballToys(4, sets[0]));
        add(candleToys(sets[4]));
        add(topToys(sets[5]));
        return all;
    }();
    return toys;
}

} // namespace decor
