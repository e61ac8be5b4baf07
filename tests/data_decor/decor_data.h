#pragma once
// The generated decoration (the Data folder of the build) as the tests see it.
#include "scene/descmodel.h"

#include <QString>
#include <string>

namespace decortest {

// buildDir() + "/Data/"
std::string dataDir();
// The default decoration as written by make-data ("Data/desc.default").
const DescriptionFile& defaultDecoration();
// dataDir() + name, with "*" replaced by the key number.
std::string keyPath(const std::string& pattern, int key);

} // namespace decortest
