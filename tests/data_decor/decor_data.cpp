#include "data_decor/decor_data.h"

#include "scene/descfile.h"
#include "scene/keymeshes.h"
#include "support/test_paths.h"

namespace decortest {

std::string dataDir() {
    return testsupport::buildDir().toStdString() + "/Data/";
}

const DescriptionFile& defaultDecoration() {
    static const DescriptionFile file = ReadDescriptionFile(dataDir() + "desc.default", "desc.default").file;
    return file;
}

std::string keyPath(const std::string& pattern, int key) {
    return KeyMeshFile(dataDir() + pattern, key);
}

} // namespace decortest
