#pragma once
// A main window on a scratch home, driven through its window: pointer and keys
// go where a user's would (hit tests, masks, the focus widget).
#include "controls/control0.h"
#include "controls/controlnr.h"
#include "mainwindow/formtree.h"
#include "mainwindow/timethread.h"
#include "platform/paths.h"
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
        // The mouse that fetches fallen toys needs the full 3D stack: keep it away.
        DirectXVersion = 0x500;
        clock_ = std::make_unique<TTimeThread>(10);
        TimeThread = clock_.get();
    }
    void TearDown() override {
        form_.reset();
        TimeThread = nullptr;
        clock_.reset();
    }

    TFormTree& open() {
        form_ = std::make_unique<TFormTree>();
        form_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->FormActivate();
        form_->activateWindow();
        QCoreApplication::processEvents();
        return *form_;
    }

    QWindow* window() const { return form_->windowHandle(); }
    template <class T = TControl0> T* control(const QString& name) const {
        return form_->findChild<T*>(name, Qt::FindDirectChildrenOnly);
    }
    TTree& tree() const { return *form_->tree(); }

    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(window(), b, {}, p); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(window(), b, {}, p); }
    void click(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(window(), b, {}, p); }
    // A key as the keyboard gives it: to the window's focus widget.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(window(), k, mods); }
    void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(window(), c.toLatin1());
        }
    }

    // Drags the toy of a slot by its middle and lets it go at `to`.
    void dragSlot(const QString& slotName, QPoint to) {
        const TControlNR* slot = control<TControlNR>(slotName);
        ASSERT_TRUE(slot && slot->isVisible()) << slotName.toStdString();
        const QPoint from = slot->geometry().center();
        move(from + QPoint(1, 0));
        move(from);
        press(from);
        for (int i = 1; i <= 4; ++i) {
            move(from + (to - from) * i / 4);
        }
        release(to);
    }

    // A point of the tree control where the pick finds what is asked for.
    std::optional<QPoint> findOnTree(TPickResult::Kind kind) const {
        for (int step = 0; step < 94; ++step) {
            const int y = 188 + (step % 2 ? 1 : -1) * (step / 2) * 4;
            for (int x = 120; x <= 250; x += 3) {
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

    // Waits until a toy on its way down has landed and gone.
    void waitForRest() {
        for (int i = 0; i < 1500 && form_->InputState != TFormTree::StateRest; ++i) {
            QTest::qWait(10);
        }
    }

    ScratchHome home_;
    std::unique_ptr<TTimeThread> clock_;
    std::unique_ptr<TFormTree> form_;
};

} // namespace testsupport
