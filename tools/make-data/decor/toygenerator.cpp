// Writes every toy's key meshes ("Mesh/Toys/...") and the shared landing
// animations ("Mesh/Land/...").
#include "decor/catalogue.h"
#include "generator.h"

#include <cstdio>

namespace decor {
namespace {

void writeKey(const makedata::Context& context, const std::string& pattern, int key, const MeshModel& model) {
    std::string file = pattern;
    if (auto star = file.find('*'); star != std::string::npos) {
        file[star] = static_cast<char>('0' + key);
    }
    if (!model.writeX(context.file(QString::fromStdString(file)))) {
        std::fprintf(stderr, "make-data: can't write %s\n", file.c_str());
    }
}

void writeToys(const makedata::Context& context) {
    for (const ToyEntry& toy : catalogue()) {
        for (int key = 0; key < toy.meshCount; ++key) {
            writeKey(context, toy.meshFile(), key, toy.build(key));
        }
    }
    for (const LandingSet& set : landingSets()) {
        for (int key = 0; key < set.count; ++key) {
            writeKey(context, set.file, key, set.build(key));
        }
    }
}

} // namespace
} // namespace decor

PW_DATA_GENERATOR("decor-toys", 110, decor::writeToys);
