// The start-up refusals' texts and where they draw the line.
#include "app/startupchecks.h"

#include <gtest/gtest.h>

TEST(StartupChecks, OnlySixteenAndTwentyFourBitDisplaysPass) {
    EXPECT_FALSE(ScreenDepthRefusal(16));
    EXPECT_FALSE(ScreenDepthRefusal(24));
    for (int depth : {0, 8, 15, 30, 32}) {
        EXPECT_TRUE(ScreenDepthRefusal(depth)) << depth;
    }
    EXPECT_EQ(ScreenDepthRefusal(32)->toStdString(),
              "Sorry, but this program needs next screen modes:\n  * HiColor   (16-bit)\n"
              "  * TrueColor (24-bit)\n\nYou have a 32-bit mode\n\nProgram stopped");
}

TEST(StartupChecks, OpenGLBelowThreeIsRefusedWithWhatWasFound) {
    EXPECT_FALSE(OpenGLRefusal(0x500));
    EXPECT_FALSE(OpenGLRefusal(0x600));
    const QString none = *OpenGLRefusal(0);
    EXPECT_TRUE(
        none.startsWith("Sorry, but this program needs OpenGL 3.3 or more\n\nYou haven't OpenGL\n\n"));
    EXPECT_TRUE(none.endsWith("OpenGL 3.3 is located on \"https://www.mesa3d.org\"\n\nProgram stopped"));
    // EGL without a context is no OpenGL either; a 2.x context is named.
    EXPECT_TRUE(OpenGLRefusal(0x100)->contains("\n\nYou haven't OpenGL\n\n"));
    EXPECT_TRUE(OpenGLRefusal(0x300)->contains("\n\nYou have a OpenGL 2.x\n\n"));
}

TEST(StartupChecks, TheDebugBoxShowsTheCodeInFourHexDigits) {
    EXPECT_EQ(VersionCodeText(0x600).toStdString(), "0600");
    EXPECT_EQ(VersionCodeText(0).toStdString(), "0000");
    EXPECT_EQ(VersionCodeText(0x1AB).toStdString(), "01AB");
}
