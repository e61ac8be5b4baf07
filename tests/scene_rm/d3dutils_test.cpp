// Picture blending (exact integer results) and placement copies.
#include "scene/d3dutils.h"
#include "scene/rm/interpolator.h"

#include <gtest/gtest.h>

namespace {

QImage filled(int w, int h, QRgb color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(BlendBitmap, MixesPerChannelWithIntegerArithmetic) {
    QImage target = filled(8, 8, 0xFF000000);
    const QImage background = filled(8, 8, 0xFF102030);
    QImage sprite = filled(2, 2, 0xFFF0E0D0);
    BlendBitmap(3, 4, 0xFFFFFF, 256, target, sprite, background);
    // (256 × s + 768 × b) >> 10 per channel: red (256·240 + 768·16) >> 10 = 72,
    // green (256·224 + 768·32) >> 10 = 80, blue (256·208 + 768·48) >> 10 = 88.
    EXPECT_EQ(target.pixel(3, 4), 0xFF485058u);
    EXPECT_EQ(target.pixel(4, 5), 0xFF485058u);
    EXPECT_EQ(target.pixel(2, 4), 0xFF000000u) << "outside the sprite";
    EXPECT_EQ(target.pixel(5, 4), 0xFF000000u);
}

TEST(BlendBitmap, FullAlphaCopiesTheSpriteZeroTheBackgroundAndTheKeyIsSkipped) {
    const QImage background = filled(4, 1, 0xFF336699);
    QImage sprite(4, 1, QImage::Format_RGB32);
    sprite.setPixel(0, 0, 0xFFFF00FF); // transparent
    sprite.setPixel(1, 0, 0xFF010203);
    sprite.setPixel(2, 0, 0x00FF00FE); // differs in blue only; the fourth byte does not count
    sprite.setPixel(3, 0, 0x12FF00FF); // transparent too
    QImage target = filled(4, 1, 0xFF000000);
    BlendBitmap(0, 0, 0xFF00FF, 1024, target, sprite, background);
    EXPECT_EQ(target.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(target.pixel(1, 0), 0xFF010203u);
    EXPECT_EQ(target.pixel(2, 0), 0xFFFF00FEu);
    EXPECT_EQ(target.pixel(3, 0), 0xFF000000u);
    target.fill(0xFF000000);
    BlendBitmap(0, 0, 0xFF00FF, 0, target, sprite, background);
    EXPECT_EQ(target.pixel(1, 0), 0xFF336699u);
    EXPECT_EQ(target.pixel(0, 0), 0xFF000000u);
}

TEST(BlendBitmap, SpritesPartlyOutsideAreClipped) {
    QImage target = filled(4, 4, 0xFF000000);
    const QImage background = filled(4, 4, 0xFF000000);
    const QImage sprite = filled(3, 3, 0xFFFFFFFF);
    BlendBitmap(2, -1, 0x000000, 1024, target, sprite, background);
    EXPECT_EQ(target.pixel(3, 0), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(2, 1), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(target.pixel(2, 2), 0xFF000000u);
    BlendBitmap(-10, 10, 0x000000, 1024, target, sprite, background); // nowhere on the target
}

TEST(CopyPlacement, CopiesWorldPositionAndOrientationIntoFramesAndKeys) {
    auto scene = rm::Frame::create();
    auto parent = rm::Frame::create(scene);
    parent->SetPosition(nullptr, {10, 0, 0});
    parent->AddRotation(rm::CombineType::Before, {0, 1, 0}, 1.0f);
    auto source = rm::Frame::create(parent);
    source->SetPosition(parent.get(), {1, 2, 3});
    auto target = rm::Frame::create(scene);
    CopyPlacement(*source, *target);
    rm::Vector a = source->GetPosition(nullptr), b = target->GetPosition(nullptr);
    EXPECT_NEAR(glm::length(a - b), 0.0f, 1e-5);
    rm::Vector d1, u1, d2, u2;
    source->GetOrientation(nullptr, d1, u1);
    target->GetOrientation(nullptr, d2, u2);
    EXPECT_NEAR(glm::length(d1 - d2), 0.0f, 1e-5);
    EXPECT_NEAR(glm::length(u1 - u2), 0.0f, 1e-5);

    auto path = rm::FrameInterpolator::create();
    path->SetIndex(0);
    CopyPlacement(*source, *path);
    auto replay = rm::Frame::create(scene);
    path->Interpolate(0, replay.get(), rm::interpolation::Open | rm::interpolation::Linear);
    EXPECT_NEAR(glm::length(replay->GetPosition(nullptr) - a), 0.0f, 1e-5);
}

} // namespace
