// The start-up refusals' texts and where they draw the line.
#include "app/startupchecks.h"

#include <gtest/gtest.h>

TEST(StartupChecks, HiColorAndTrueColorDisplaysPassOthersAreNamed) {
    struct Case {
        int depth;
        bool accepted;
    };
    const Case cases[] = {{16, true}, {24, true},  {32, true},  {0, false}, {1, false},
                          {8, false}, {15, false}, {30, false}, {48, false}};
    for (const Case& c : cases) {
        const auto refusal = ScreenDepthRefusal(c.depth);
        EXPECT_EQ(!refusal.has_value(), c.accepted) << c.depth;
        if (refusal) {
            EXPECT_TRUE(refusal->endsWith(QString("You have a %1-bit mode\n\nProgram stopped").arg(c.depth)))
                << refusal->toStdString();
        }
    }
    EXPECT_EQ(ScreenDepthRefusal(8)->toStdString(),
              "Sorry, but this program needs next screen modes:\n  * HiColor   (16-bit)\n"
              "  * TrueColor (24-bit)\n\nYou have a 8-bit mode\n\nProgram stopped");
}

TEST(StartupChecks, OpenGLBelowThreeThreeIsRefusedNamingTheVersionFound) {
    struct Case {
        OpenGLFound found;
        const char* middle; // nullptr: accepted
    };
    const Case cases[] = {
        {{0x600, 3, 3}, nullptr},
        {{0x600, 4, 6}, nullptr},
        {{0x500, 3, 1}, "You have a OpenGL 3.1"},
        {{0x500, 3, 2}, "You have a OpenGL 3.2"},
        // A 3.3 context that can't be made core with framebuffer objects.
        {{0x500, 3, 3}, "You have a OpenGL 3.3"},
        {{0x300, 2, 1}, "You have a OpenGL 2.1"},
        {{0x200, 1, 4}, "You have a OpenGL 1.4"},
        // A context whose version could not be read, EGL without a context, nothing.
        {{0x200, 0, 0}, "You haven't OpenGL"},
        {{0x100, 0, 0}, "You haven't OpenGL"},
        {{0, 0, 0}, "You haven't OpenGL"},
    };
    for (const Case& c : cases) {
        const auto refusal = OpenGLRefusal(c.found);
        if (!c.middle) {
            EXPECT_FALSE(refusal) << c.found.major << "." << c.found.minor;
            continue;
        }
        ASSERT_TRUE(refusal) << c.middle;
        EXPECT_EQ(refusal->toStdString(),
                  std::string("Sorry, but this program needs OpenGL 3.3 or more\n\n") + c.middle +
                      "\n\nOpenGL 3.3 is located on \"https://www.mesa3d.org\""
                      "\n\nProgram stopped");
    }
}

TEST(StartupChecks, TheDebugBoxShowsTheCodeInFourHexDigits) {
    EXPECT_EQ(VersionCodeText(0x600).toStdString(), "0600");
    EXPECT_EQ(VersionCodeText(0).toStdString(), "0000");
    EXPECT_EQ(VersionCodeText(0x1AB).toStdString(), "01AB");
}
