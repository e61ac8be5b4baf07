// A scene made for a tree control: it takes the background under the control
// and repaints the control after rendering.
#include "scene/d3dscene.h"
#include "scene/rm/shapes.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class CountingControl : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(D3DSceneControl, TakesTheBackgroundUnderTheControlAndTagsIt) {
    QWidget window;
    window.resize(640, 480);
    auto* control = new CountingControl(&window);
    control->setGeometry(135, 50, 370, 376);
    QImage background(640, 480, QImage::Format_RGB32);
    background.fill(0xFF000000);
    background.setPixel(135, 50, 0xFF123456);
    background.setPixel(135 + 369, 50 + 375, 0xFF654321);

    TD3DScene scene(control, background);
    EXPECT_EQ(scene.size(), QSize(370, 376));
    EXPECT_EQ(scene.backgroundSurface().pixel(0, 0), 0xFF123456u);
    EXPECT_EQ(scene.backgroundSurface().pixel(369, 375), 0xFF654321u);
    EXPECT_EQ(control->property("Tag").value<void*>(), static_cast<void*>(&scene));
    EXPECT_EQ(scene.treeControl(), control);
}

TEST(D3DSceneControl, RenderAsksTheControlToRepaint) {
    QWidget window;
    window.resize(400, 400);
    auto* control = new CountingControl(&window);
    control->setGeometry(0, 0, 200, 200);
    window.show();
    QImage background(400, 400, QImage::Format_RGB32);
    background.fill(Qt::darkGreen);
    TD3DScene scene(control, background);
    scene.SetDriver("");
    ASSERT_TRUE(scene.hasDevice());
    scene.treeFrame()->AddVisual(rm::makeSphere(10, 16, 8, 0xFFFF0000));
    QCoreApplication::processEvents();
    const int before = control->paints;
    scene.Render();
    QCoreApplication::processEvents();
    EXPECT_GT(control->paints, before);
    // The control going away leaves the scene working.
    delete control;
    scene.Render();
}

TEST(D3DSceneControl, RenderRepaintsOnlyWhatChangedAndNothingWhenNothingDid) {
    QWidget window;
    window.resize(400, 400);
    auto* control = new CountingControl(&window);
    control->setGeometry(0, 0, 300, 300);
    window.show();
    QImage background(400, 400, QImage::Format_RGB32);
    background.fill(Qt::darkGreen);
    TD3DScene scene(control, background);
    scene.SetDriver("");
    ASSERT_TRUE(scene.hasDevice());
    scene.treeFrame()->AddVisual(rm::makeSphere(20, 32, 16, 0xFF20A040));
    auto toy = rm::Frame::create(scene.treeFrame());
    toy->SetPosition(scene.treeFrame().get(), {0, 0, 22});
    toy->AddVisual(rm::makeSphere(2, 12, 6, 0xFFFF0000));
    scene.Render();
    EXPECT_EQ(scene.LastDamage(), QRegion(0, 0, 300, 300));
    QCoreApplication::processEvents();
    const int paints = control->paints;
    const auto renders = scene.renderStats().renders;

    scene.Render();
    QCoreApplication::processEvents();
    EXPECT_TRUE(scene.LastDamage().isEmpty());
    EXPECT_EQ(control->paints, paints) << "a still scene repaints nothing";
    EXPECT_EQ(scene.renderStats().renders, renders);

    toy->SetPosition(scene.treeFrame().get(), {1, 0, 22});
    scene.Render();
    const QRect changed = scene.LastDamage().boundingRect();
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_LT(changed.width() * changed.height(), 300 * 300 / 10) << "only around the toy";
    EXPECT_TRUE(changed.contains(150, 150));
    QCoreApplication::processEvents();
    EXPECT_GT(control->paints, paints);
}

} // namespace
