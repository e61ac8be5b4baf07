#pragma once
// The start-up refusals: a display that is neither 16 nor 24 bits per pixel,
// and a 3D stack older than OpenGL 3.x. Each gives the message box text, or
// nothing when the check passes.
#include <QString>
#include <cstdint>
#include <optional>

std::optional<QString> ScreenDepthRefusal(int bitsPerPixel);

// versionCode: the probe's code (0, 0x100, 0x200, 0x300, 0x500, 0x600); codes
// below 0x500 are refused.
std::optional<QString> OpenGLRefusal(std::uint32_t versionCode);

// The debug switch's box: the version code as four upper-case hex digits.
QString VersionCodeText(std::uint32_t versionCode);
