// The landing animations played as a toy plays them: loaded with its landing
// colour, interpolated over its landing time, rendered. The strip of frames is
// kept as $PINEWICK_BUILD_DIR/decor-landings.png for people to look at.
#include "data_decor/decor_data.h"
#include "scene/keymeshes.h"
#include "scene/rm/gl/device.h"
#include "scene/rm/viewport.h"
#include "support/test_paths.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace decortest {
namespace {

constexpr int FrameWidth = 120, FrameHeight = 100, Frames = 5;

// A lit pixel of the colour (red in the low byte), brighter or darker.
bool sameHue(QRgb pixel, TColor color) {
    const glm::vec3 p(qRed(pixel), qGreen(pixel), qBlue(pixel));
    const glm::vec3 c(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return glm::length(p) > 40.0f && glm::dot(glm::normalize(p), glm::normalize(c)) > 0.985f;
}

TEST(DecorLandings, PlayInTheToysColourAndNeverShowTheKeyColour) {
    auto device = gl::Device::create(FrameWidth, FrameHeight, std::nullopt);
    ASSERT_TRUE(device) << "no 3D device";
    std::vector<const DescToyRecord*> sets;
    std::set<std::string> seen;
    for (const auto& desc : defaultDecoration().descToys) {
        if (seen.insert(desc.LandFile).second) {
            sets.push_back(&desc);
        }
    }
    QImage strip(FrameWidth * Frames, FrameHeight * static_cast<int>(sets.size()), QImage::Format_RGB32);
    strip.fill(QColor(22, 34, 64));
    QPainter painter(&strip);
    for (std::size_t row = 0; row < sets.size(); ++row) {
        const DescToyRecord& desc = *sets[row];
        const KeyMeshSet set = LoadKeyMeshes({.pattern = dataDir() + desc.LandFile,
                                              .count = desc.LandCount,
                                              .span = static_cast<double>(desc.LandTime),
                                              .anchor = AnchorByTop(desc.HangByTop != 0),
                                              .scale = desc.Scale,
                                              .recolour = Recolour{desc.LandColor, desc.LandKeyColor}});
        ASSERT_TRUE(set.mesh && set.interpolator) << desc.LandFile;

        auto scene = rm::Frame::create();
        auto toy = rm::Frame::create(scene);
        toy->AddVisual(set.mesh);
        auto light = rm::Frame::create(scene);
        light->SetPosition(scene.get(), {5000, 5000, 5000});
        light->AddLight(rm::Light::create(rm::LightType::Point, 0.9f, 0.9f, 0.9f));
        // Seen from the front and a little above, as the camera sees the floor.
        const float middle = desc.HangByTop ? -3.0f : 2.0f;
        auto camera = rm::Frame::create(scene);
        camera->SetPosition(scene.get(), {0, middle + 9.0f, 28.0f});
        camera->SetOrientation(scene.get(), {0, -9.0f, -28.0f}, {0, 1, 0});
        rm::Viewport viewport(camera, FrameWidth, FrameHeight);
        viewport.SetBack(500);

        for (int f = 0; f < Frames; ++f) {
            const double t = (desc.LandTime - 1) * f / (Frames - 1.0);
            set.interpolator->Interpolate(t, nullptr, 0x45);
            device->Clear();
            device->Render(viewport, *scene);
            device->Update();
            const QImage frame = device->surface();
            int toyColoured = 0, keyColoured = 0;
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x) {
                    const QRgb p = frame.pixel(x, y);
                    if (qAlpha(p) < 255) {
                        continue;
                    }
                    keyColoured += qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) > 180 ? 1 : 0;
                    toyColoured += sameHue(p, desc.LandColor) ? 1 : 0;
                }
            }
            EXPECT_EQ(keyColoured, 0) << desc.LandFile << " at " << t << " ms";
            EXPECT_GT(toyColoured, 0) << desc.LandFile << " at " << t << " ms: the toy's colour shows";
            painter.drawImage(f * FrameWidth, static_cast<int>(row) * FrameHeight, frame);
        }
    }
    painter.end();
    strip.save(testsupport::buildDir() + "/decor-landings.png");
}

} // namespace
} // namespace decortest
