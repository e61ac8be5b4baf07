// TControl0 under real mouse and drop events: the visual state it keeps, the
// frame DrawButton picks from it, clicks and desktop drops.
#include "controls/control0.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kNormal = 0xFF808080; // the parent's background
constexpr QRgb kFrame[3] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

// A window with one button-like control at (50, 40), 30 × 20.
class ButtonWindow {
public:
    ButtonWindow() : control(new TControl0(&window)) {
        window.resize(200, 150);
        control->setGeometry(50, 40, 30, 20);
        background = QImage(200, 150, QImage::Format_RGB32);
        background.fill(kNormal);
    }
    void Show() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWindow* Handle() { return window.windowHandle(); }
    QPoint Inside() const { return QPoint(60, 50); }
    QPoint Outside() const { return QPoint(150, 120); }
    // The colour the control shows in its centre.
    QRgb Shown() { return control->grab().toImage().pixel(15, 10); }

    QWidget window;
    TControl0* control;
    QImage background;
};

// A states strip of three solid frames, each the control's size, at (5, 3).
QImage StatesStrip(bool horizontal) {
    QImage strip(horizontal ? 5 + 3 * 30 : 40, horizontal ? 30 : 3 + 3 * 20, QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int s = 0; s < 3; ++s) {
        const QRect frame = horizontal ? QRect(5 + s * 30, 3, 30, 20) : QRect(5, 3 + s * 20, 30, 20);
        for (int y = frame.top(); y <= frame.bottom(); ++y) {
            for (int x = frame.left(); x <= frame.right(); ++x) {
                strip.setPixel(x, y, kFrame[s]);
            }
        }
    }
    return strip;
}

// The same picture drawn twice as fine, as for a screen of device pixel ratio 2.
QImage Finer(const QImage& picture) {
    QImage finer = picture.scaled(picture.size() * 2);
    finer.setDevicePixelRatio(2);
    return finer;
}

enum class Pointer { Away, Inside, Pressed };

struct FrameCase {
    bool enterLeave;
    bool downUp;
    bool withNormal;
    bool horizontal;
    Pointer pointer;
    QRgb expected;
};

class DrawButtonFrame : public testing::TestWithParam<FrameCase> {};

// Frames are picked in window pixels, also from pictures drawn twice as fine.
TEST_P(DrawButtonFrame, FollowsSwitchesAndPointer) {
    const FrameCase c = GetParam();
    for (const bool finer : {false, true}) {
        ButtonWindow w;
        const QImage states = finer ? Finer(StatesStrip(c.horizontal)) : StatesStrip(c.horizontal);
        const QImage normal = finer ? Finer(w.background) : w.background;
        w.control->bEnterLeaveInvalidate = c.enterLeave;
        w.control->bDownUpInvalidate = c.downUp;
        w.control->OnPaint = [&](TControl0* sender) {
            sender->DrawButton(c.withNormal ? &normal : nullptr, 5, 3, states, c.horizontal, false);
        };
        w.Show();
        QTest::mouseMove(w.Handle(), w.Outside());
        if (c.pointer != Pointer::Away) {
            QTest::mouseMove(w.Handle(), w.Inside());
        }
        if (c.pointer == Pointer::Pressed) {
            QTest::mousePress(w.Handle(), Qt::LeftButton, {}, w.Inside());
        }
        EXPECT_EQ(w.Shown(), c.expected) << (finer ? "finer picture" : "");
        if (c.pointer == Pointer::Pressed) {
            QTest::mouseRelease(w.Handle(), Qt::LeftButton, {}, w.Inside());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawButtonFrame,
                         testing::Values(
                             // No switch: always the normal look.
                             FrameCase{false, false, false, true, Pointer::Pressed, kFrame[0]},
                             FrameCase{false, false, true, true, Pointer::Pressed, kNormal},
                             // Only down/up: pressed is frame 1, hovering changes nothing.
                             FrameCase{false, true, false, true, Pointer::Inside, kFrame[0]},
                             FrameCase{false, true, false, true, Pointer::Pressed, kFrame[1]},
                             FrameCase{false, true, false, false, Pointer::Pressed, kFrame[1]},
                             // Both: inside is frame 1, pressed frame 2.
                             FrameCase{true, true, false, true, Pointer::Away, kFrame[0]},
                             FrameCase{true, true, false, true, Pointer::Inside, kFrame[1]},
                             FrameCase{true, true, false, true, Pointer::Pressed, kFrame[2]},
                             FrameCase{true, true, false, false, Pointer::Pressed, kFrame[2]},
                             // Only enter/leave: a press does not count.
                             FrameCase{true, false, false, true, Pointer::Pressed, kFrame[1]},
                             // A separate normal picture: the strip starts with the inside frame.
                             FrameCase{true, true, true, true, Pointer::Away, kNormal},
                             FrameCase{true, true, true, true, Pointer::Inside, kFrame[0]},
                             FrameCase{true, true, true, false, Pointer::Pressed, kFrame[1]},
                             FrameCase{false, true, true, false, Pointer::Pressed, kFrame[0]}));

TEST(Control0Mouse, PressDraggedOutKeepsPressedUntilRelease) {
    ButtonWindow w;
    const QImage states = StatesStrip(true);
    w.control->bEnterLeaveInvalidate = true;
    w.control->bDownUpInvalidate = true;
    w.control->OnPaint = [&](TControl0* sender) {
        sender->DrawButton(nullptr, 5, 3, states, true, false);
    };
    std::vector<std::string> log;
    w.control->OnMouseEnter = [&](TControl0*) {
        log.push_back("enter");
    };
    w.control->OnMouseLeave = [&](TControl0*) {
        log.push_back("leave");
    };
    w.control->OnMouseDown = [&](TControl0* sender, Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        EXPECT_TRUE(sender->bMousePressed);
        EXPECT_EQ(b, Qt::LeftButton);
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    w.control->OnMouseUp = [&](TControl0* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        EXPECT_FALSE(sender->bMousePressed);
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    w.control->OnClick = [&](TControl0*) {
        log.push_back("click");
    };
    w.Show();

    QTest::mouseMove(w.Handle(), w.Outside());
    QTest::mouseMove(w.Handle(), w.Inside());
    QTest::mousePress(w.Handle(), Qt::LeftButton, {}, w.Inside());
    EXPECT_EQ(w.Shown(), kFrame[2]);
    QTest::mouseMove(w.Handle(), w.Outside());
    EXPECT_FALSE(w.control->bMouseInside);
    EXPECT_TRUE(w.control->bMousePressed);
    EXPECT_EQ(w.Shown(), kFrame[2]);
    QTest::mouseRelease(w.Handle(), Qt::LeftButton, {}, w.Outside());
    EXPECT_FALSE(w.control->bMousePressed);
    EXPECT_EQ(w.Shown(), kFrame[0]);
    // The release outside still reaches the control, in its own coordinates; it is no click.
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 10,10", "leave", "up 100,80"}));

    // Out and back in while held: the release inside is a click.
    log.clear();
    QTest::mouseMove(w.Handle(), w.Inside());
    QTest::mousePress(w.Handle(), Qt::LeftButton, {}, w.Inside());
    QTest::mouseMove(w.Handle(), w.Outside());
    QTest::mouseMove(w.Handle(), w.Inside() + QPoint(1, 0));
    EXPECT_TRUE(w.control->bMouseInside);
    QTest::mouseRelease(w.Handle(), Qt::LeftButton, {}, w.Inside() + QPoint(1, 0));
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 10,10", "leave", "enter", "up 11,10", "click"}));
}

TEST(Control0Mouse, ClickAndDoubleClick) {
    ButtonWindow w;
    int clicks = 0, doubles = 0, downs = 0, ups = 0;
    w.control->OnClick = [&](TControl0*) {
        ++clicks;
    };
    w.control->OnMouseDown = [&](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        ++downs;
    };
    w.control->OnMouseUp = [&](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        ++ups;
    };
    w.Show();

    QTest::mouseClick(w.Handle(), Qt::LeftButton, {}, w.Inside());
    EXPECT_EQ(clicks, 1);
    // A right click is a press and release but no click.
    QTest::mouseClick(w.Handle(), Qt::RightButton, {}, w.Inside());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(ups, 2);
    EXPECT_FALSE(w.control->bMousePressed);

    // Without a double-click handler both clicks of a double click count.
    QTest::mouseDClick(w.Handle(), Qt::LeftButton, {}, w.Inside());
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(downs, 4);

    w.control->OnDblClick = [&](TControl0*) {
        ++doubles;
    };
    QTest::mouseDClick(w.Handle(), Qt::LeftButton, {}, w.Inside());
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(clicks, 4);
    EXPECT_FALSE(w.control->bMousePressed);
}

TEST(Control0Paint, EnterLeaveRepaintsOnlyWhenAsked) {
    for (bool invalidate : {false, true}) {
        ButtonWindow w;
        int paints = 0;
        w.control->bEnterLeaveInvalidate = invalidate;
        w.control->OnPaint = [&](TControl0* sender) {
            ++paints;
            sender->Canvas()->fillRect(sender->rect(), Qt::white);
        };
        w.Show();
        QTest::mouseMove(w.Handle(), w.Outside());
        QTest::qWait(20);
        const int before = paints;
        QTest::mouseMove(w.Handle(), w.Inside());
        QTest::qWait(20);
        EXPECT_TRUE(w.control->bMouseInside);
        EXPECT_EQ(paints > before, invalidate);
    }
}

TEST(Control0Paint, DrawBkCopiesTheParentsBackgroundUnderTheControl) {
    ButtonWindow w;
    w.background.setPixel(50, 40, 0xFF123456);
    w.background.setPixel(79, 59, 0xFF654321);
    for (const QImage& background : {w.background, Finer(w.background)}) {
        w.control->OnPaint = [&](TControl0* sender) {
            sender->DrawBk(background, false);
        };
        const QImage shown = w.control->grab().toImage();
        EXPECT_EQ(shown.pixel(0, 0), 0xFF123456u);
        EXPECT_EQ(shown.pixel(29, 19), 0xFF654321u);
        EXPECT_EQ(shown.pixel(10, 10), kNormal);
    }
}

// Drops as the desktop sends them: a text/uri-list of local files.
class Control0Drop : public testing::Test {
protected:
    void Drop(const QStringList& files, QPoint at = QPoint(7, 9)) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& f : files) {
            urls.append(QUrl::fromLocalFile(f));
        }
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&control, &enter);
        entered = enter.isAccepted();
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&control, &drop);
    }

    TControl0 control;
    bool entered = false;
    std::vector<QString> single;
    std::vector<QStringList> many;
    QPoint where;
};

TEST_F(Control0Drop, OnlySingleHandlerGetsTheFirstOfSeveralFiles) {
    control.SetOnExtDrop([&](TControl0*, QPoint p, const QString& f) {
        where = p;
        single.push_back(f);
    });
    EXPECT_TRUE(control.acceptDrops());
    Drop({"/tmp/a.bmp", "/tmp/b.bmp", "/tmp/c.bmp"});
    EXPECT_TRUE(entered);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0], "/tmp/a.bmp");
    EXPECT_EQ(where, QPoint(7, 9));
}

TEST_F(Control0Drop, BothHandlersSplitSingleAndMany) {
    control.SetOnExtDrop([&](TControl0*, QPoint, const QString& f) { single.push_back(f); });
    control.SetOnExtDropMany([&](TControl0*, QPoint p, const QStringList& f) {
        where = p;
        many.push_back(f);
    });
    Drop({"/tmp/one.bmp"});
    Drop({"/tmp/a b.bmp", "/tmp/ü.bmp"}, QPoint(3, 4));
    EXPECT_EQ(single, std::vector<QString>{"/tmp/one.bmp"});
    ASSERT_EQ(many.size(), 1u);
    EXPECT_EQ(many[0], (QStringList{"/tmp/a b.bmp", "/tmp/ü.bmp"}));
    EXPECT_EQ(where, QPoint(3, 4));
}

TEST_F(Control0Drop, OnlyManyHandlerGetsASingleFileAsList) {
    control.SetOnExtDropMany([&](TControl0*, QPoint, const QStringList& f) { many.push_back(f); });
    Drop({"/tmp/one.bmp"});
    ASSERT_EQ(many.size(), 1u);
    EXPECT_EQ(many[0], QStringList{"/tmp/one.bmp"});
}

TEST_F(Control0Drop, WithoutHandlersNothingIsAccepted) {
    control.SetOnExtDrop([&](TControl0*, QPoint, const QString& f) { single.push_back(f); });
    control.SetOnExtDrop(nullptr);
    EXPECT_FALSE(control.acceptDrops());
    Drop({"/tmp/a.bmp"});
    EXPECT_FALSE(entered);
    EXPECT_TRUE(single.empty());
}

} // namespace
