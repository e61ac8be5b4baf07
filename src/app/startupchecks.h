#pragma once
// The start-up refusals: a display that is not 16-bit colour or true colour,
// and a 3D stack that can't give the renderer an OpenGL 3.3 core context.
// Each gives the message box text, or nothing when the check passes.
#include "scene/openglprobe.h"

#include <QString>
#include <cstdint>
#include <optional>

// 16 (HiColor), 24 and 32 (true colour) pass; every other depth is refused.
std::optional<QString> ScreenDepthRefusal(int bitsPerPixel);

// Codes below 0x600 are refused; the text names the version found as
// major.minor, or says there is no OpenGL when no context could be made.
std::optional<QString> OpenGLRefusal(const OpenGLFound& found);

// The debug switch's box: the version code as four upper-case hex digits.
QString VersionCodeText(std::uint32_t versionCode);
