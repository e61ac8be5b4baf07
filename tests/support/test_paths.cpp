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
    // Parameterised tests are named "Test/Case": one folder, not a folder in a
    // folder that doesn't exist.
    QString base = name;
    base.replace('/', '-');
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/pinewick-" + base + "-XXXXXX");
    if (!folder->isValid()) {
        qFatal("cannot make a scratch folder for %s: %s", qPrintable(name),
               qPrintable(folder->errorString()));
    }
    QString path = folder->path();
    folders.push_back(std::move(folder));
    return path;
}

} // namespace testsupport
