#include "app/startupchecks.h"

#include <QCoreApplication>

std::optional<QString> ScreenDepthRefusal(int bitsPerPixel) {
    // 32 bits per pixel is 24-bit true colour plus an alpha or padding byte:
    // what Wayland compositors and many X servers report for true colour.
    if (bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32) {
        return std::nullopt;
    }
    return QCoreApplication::translate("StartupChecks", "Sorry, but this program needs next screen modes:\n"
                                                        "  * HiColor   (16-bit)\n"
                                                        "  * TrueColor (24-bit)\n\n"
                                                        "You have a %1-bit mode\n\nProgram stopped")
        .arg(bitsPerPixel);
}

std::optional<QString> OpenGLRefusal(const OpenGLFound& found) {
    // The renderer draws through a 3.3 core context: anything less would open
    // the window and draw no tree.
    if (found.code >= 0x600) {
        return std::nullopt;
    }
    const QString have = found.code >= 0x200 && found.major > 0
                             ? QCoreApplication::translate("StartupChecks", "You have a OpenGL %1.%2")
                                   .arg(found.major)
                                   .arg(found.minor)
                             : QCoreApplication::translate("StartupChecks", "You haven't OpenGL");
    return QCoreApplication::translate("StartupChecks",
                                       "Sorry, but this program needs OpenGL 3.3 or more\n\n%1\n\n"
                                       "OpenGL 3.3 is located on \"https://www.mesa3d.org\"\n\n"
                                       "Program stopped")
        .arg(have);
}

QString VersionCodeText(std::uint32_t versionCode) {
    return QString("%1").arg(versionCode, 4, 16, QChar('0')).toUpper();
}
