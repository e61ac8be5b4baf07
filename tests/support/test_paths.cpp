#include "support/test_paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <vector>

namespace testsupport {
namespace {

QString fromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return QString::fromLocal8Bit(value ? value : fallback);
}

} // namespace

QString sourceDir() {
    return fromEnvironment("PINEWICK_SOURCE_DIR", PINEWICK_TEST_SOURCE_DIR);
}

QString buildDir() {
    return fromEnvironment("PINEWICK_BUILD_DIR", PINEWICK_TEST_BUILD_DIR);
}

QString programPath() {
    return fromEnvironment("PINEWICK_PROGRAM", PINEWICK_TEST_BUILD_DIR "/pinewick");
}

QString scratchDir(const QString& name) {
    static std::vector<std::unique_ptr<QTemporaryDir>> folders;
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/pinewick-" + name + "-XXXXXX");
    QString path = folder->path();
    folders.push_back(std::move(folder));
    return path;
}

} // namespace testsupport
