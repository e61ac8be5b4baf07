// The 3D stack probe on this machine, and in child processes whose
// environment hides EGL or pretends an old OpenGL.
#include "scene/openglprobe.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(DXVersionProbe, FullStackGives0x600) {
    EXPECT_EQ(GetDXVersion(), 0x600u);
}

// Run by the test below in a child process with a prepared environment.
TEST(DXVersionProbe, MatchesTheExpectedCode) {
    const QByteArray expected = qgetenv("PINEWICK_EXPECTED_DXVERSION");
    if (expected.isEmpty())
        GTEST_SKIP() << "only in a child process";
    EXPECT_EQ(GetDXVersion(), expected.toUInt(nullptr, 16));
}

std::uint32_t probeInChild(const QString& variable, const QString& value, const QString& expected) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(variable, value);
    environment.insert("PINEWICK_EXPECTED_DXVERSION", expected);
    child.setProcessEnvironment(environment);
    // This test program itself, run with one test.
    child.start(QFile::symLinkTarget("/proc/self/exe"),
                {"--gtest_filter=DXVersionProbe.MatchesTheExpectedCode"});
    child.waitForFinished(60000);
    return child.exitCode();
}

TEST(DXVersionProbe, NoEglDriverGivesZeroAndAnOldOpenGlGives0x300) {
    EXPECT_EQ(probeInChild("__EGL_VENDOR_LIBRARY_FILENAMES", "/nonexistent", "0"), 0u);
    EXPECT_EQ(probeInChild("MESA_GL_VERSION_OVERRIDE", "2.1", "300"), 0u);
    EXPECT_EQ(probeInChild("MESA_GL_VERSION_OVERRIDE", "3.1", "500"), 0u);
}

} // namespace
