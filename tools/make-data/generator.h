#pragma once
// The generators that make up the Data folder. Each kind of output (meshes,
// pictures, sounds, ...) lives in its own sub-folder and registers its
// generators with PW_DATA_GENERATOR; main runs them in order.
#include <QString>
#include <functional>

namespace makedata {

struct Context {
    // The Data folder being written, ending with "/".
    QString dataDir;
    // True when an existing Data/desc (the user's decoration) must be kept.
    bool keepDescription = true;

    // dataDir + relative name, with the folders on the way created.
    QString file(const QString& relative) const;
};

using GeneratorFunction = std::function<void(const Context&)>;

// Generators run in increasing order; equal orders run by name.
struct Registration {
    Registration(const char* name, int order, GeneratorFunction run);
};

} // namespace makedata

#define PW_DATA_GENERATOR_CONCAT2(a, b) a##b
#define PW_DATA_GENERATOR_CONCAT(a, b) PW_DATA_GENERATOR_CONCAT2(a, b)
#define PW_DATA_GENERATOR(name, order, function)                                                             \
    static const ::makedata::Registration PW_DATA_GENERATOR_CONCAT(dataGenerator_, __LINE__)(name, order,    \
                                                                                             function)
