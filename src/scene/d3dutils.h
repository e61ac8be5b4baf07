#pragma once
// Helpers of the scene: copying a frame's placement and blending pictures.
#include "scene/rm/frame.h"

#include <QImage>

// Sets target's position and orientation (direction, up) to source's, both
// relative to the world. Target may be a frame or a frame interpolator (which
// records a key).
void CopyPlacement(const rm::Frame& source, rm::Placeable& target);

// Mixes sprite over background into target at (x, y): every sprite pixel whose
// red, green or blue differs from transparent (0xRRGGBB) becomes, per channel,
// (alpha × sprite + (1024 − alpha) × background) / 1024; alpha runs from 0 to
// 1024. Pixels equal to transparent leave target unchanged. All three pictures
// are 32-bit (Format_RGB32 or ARGB32); parts outside target or background are skipped.
void BlendBitmap(int x, int y, QRgb transparent, int alpha, QImage& target, const QImage& sprite,
                 const QImage& background);
