#include "app/startupchecks.h"

std::optional<QString> ScreenDepthRefusal(int bitsPerPixel) {
    if (bitsPerPixel == 16 || bitsPerPixel == 24) {
        return std::nullopt;
    }
    return QString("Sorry, but this program needs next screen modes:\n"
                   "  * HiColor   (16-bit)\n"
                   "  * TrueColor (24-bit)\n\n"
                   "You have a %1-bit mode\n\nProgram stopped")
        .arg(bitsPerPixel);
}

std::optional<QString> OpenGLRefusal(std::uint32_t versionCode) {
    if (versionCode >= 0x500) {
        return std::nullopt;
    }
    // Below 0x500 a context exists only from 0x200 on: OpenGL 1.x or 2.x.
    QString found;
    if (versionCode >= 0x300) {
        found = "You have a OpenGL 2.x";
    } else if (versionCode >= 0x200) {
        found = "You have a OpenGL 1.x";
    } else {
        found = "You haven't OpenGL";
    }
    return "Sorry, but this program needs OpenGL 3.3 or more\n\n" + found +
           "\n\nOpenGL 3.3 is located on \"https://www.mesa3d.org\"\n\nProgram stopped";
}

QString VersionCodeText(std::uint32_t versionCode) {
    return QString("%1").arg(versionCode, 4, 16, QChar('0')).toUpper();
}
