#pragma once
// A main window on a scratch home, driven through its window: pointer and keys
// go where a user's would (hit tests, masks, the focus widget).
#include "controls/controlnr.h"
#include "mainwindow/formtree.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QFile>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <optional>

namespace testsupport {

inline const QPoint treeOrigin{135, 32};

class WindowFixture : public ::testing::Test {
public:
    void SetUp() override {
        home_ = makeScratchHome(::testing::UnitTest::GetInstance()->current_test_info()->name());
        Paths.HDPath = home_.home;
        DirectXVersion = 0x500; // no mouse fetching fallen toys: it needs the full 3D stack
        clock_ = std::make_unique<TTimeThread>(10);
        TimeThread = clock_.get();
    }
    void TearDown() override {
        form_.reset();
        TimeThread = nullptr;
    }
    TFormTree& open() {
        form_ = std::make_unique<TFormTree>();
        form_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->FormActivate();
        QCoreApplication::processEvents();
        return *form_;
    }
    template <class T = TControl0> T* control(const QString& name) const {
        return form_->findChild<T*>(name, Qt::FindDirectChildrenOnly);
    }
    TTree& tree() const { return *form_->tree(); }

    QWindow* window() const { return form_->windowHandle(); }
    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void press(QPoint p, Qt::MouseButton b) { QTest::mousePress(window(), b, {}, p); }
    void release(QPoint p, Qt::MouseButton b) { QTest::mouseRelease(window(), b, {}, p); }
    void click(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(window(), b, {}, p); }
    // Keys go to the window's focus widget, as the keyboard's do.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(window(), k, mods); }
    void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(window(), c.toLatin1());
        }
    }
    // A point of a slot where its picture shows: the middle of the largest
    // piece of its outline (the toy may be smaller than the slot).
    QPoint grabPoint(const QString& slotName) const {
        const QWidget* slot = control(slotName);
        QRect largest;
        for (const QRect& r : slot->mask()) {
            if (r.width() * r.height() > largest.width() * largest.height()) {
                largest = r;
            }
        }
        return slot->geometry().topLeft() + (largest.isNull() ? slot->rect().center() : largest.center());
    }
    void dragSlot(const QString& slotName, QPoint to) {
        const QPoint from = grabPoint(slotName);
        move(from + QPoint(1, 0));
        move(from);
        press(from, Qt::LeftButton);
        move((from + to) / 2);
        move(to);
        release(to, Qt::LeftButton);
    }
    // A point of the tree control where the pick finds `kind`, near the middle.
    std::optional<QPoint> findOnTree(TPickResult::Kind kind) const {
        for (int step = 0; step < 94; ++step) {
            for (int x = 120, y = 188 + (step % 2 ? 1 : -1) * (step / 2) * 4; x <= 250; x += 3) {
                if (tree().Pick(x, y).kind == kind) {
                    return QPoint(x, y);
                }
            }
        }
        return std::nullopt;
    }
    // The description file as the tree writes it now.
    QByteArray savedText() const {
        EXPECT_TRUE(tree().Save());
        QFile file(home_.desc);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ScratchHome home_;
    std::unique_ptr<TTimeThread> clock_;
    std::unique_ptr<TFormTree> form_;
};

} // namespace testsupport
