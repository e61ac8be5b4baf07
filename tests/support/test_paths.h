#pragma once
// Where tests find the source tree, the build tree, the program and scratch space.
#include <QString>

namespace testsupport {

// The source folder (tests' checked-in inputs live under tests/).
QString sourceDir();
// The build folder (the generated Data folder is buildDir() + "/Data").
QString buildDir();
// The pinewick program.
QString programPath();
// A fresh, empty folder that lives as long as the test process.
QString scratchDir(const QString& name);

} // namespace testsupport
