// The main window driven like a user would: pointer and keys go through the
// window (hit tests, masks, mouse grabs), the clock runs, the tree renders.
#include "controls/control0.h"
#include "controls/controlnr.h"
#include "help/help.h"
#include "mainwindow/formtree.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "scene/desctoy.h"
#include "scene/openglprobe.h"
#include "scene/toy.h"
#include "scene/tree.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

// Types text key by key; QTest's key helpers take ASCII only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// A point of the slot where its picture shows (its shaped outline is the
// toy, which may be smaller than the slot): the middle of its largest piece.
inline QPoint SlotGrabPoint(const QWidget& slot) {
    QRect largest;
    for (const QRect& r : slot.mask()) {
        if (r.width() * r.height() > largest.width() * largest.height()) {
            largest = r;
        }
    }
    return slot.geometry().topLeft() + (largest.isNull() ? slot.rect().center() : largest.center());
}

using testsupport::makeScratchHome;

const QPoint treeOrigin{135, 32};

int countLines(const QString& file, const QByteArray& key) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    int n = 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        n += line.startsWith(key);
    }
    return n;
}

class FormTreeTest : public ::testing::Test {
protected:
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
        QCoreApplication::processEvents();
        return *form_;
    }

    QWindow* window() const { return form_->windowHandle(); }
    template <class T = TControl0> T* control(const QString& name) const {
        return form_->findChild<T*>(name, Qt::FindDirectChildrenOnly);
    }
    TTree& tree() const { return *form_->tree(); }

    // Pointer actions in window coordinates, through the window.
    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(window(), b, {}, p); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(window(), b, {}, p); }

    // Drags the toy of a slot by its middle and lets it go at `to`.
    void dragSlot(const QString& slotName, QPoint to) {
        const TControlNR* slot = control<TControlNR>(slotName);
        ASSERT_TRUE(slot && slot->isVisible()) << slotName.toStdString();
        const QPoint from = SlotGrabPoint(*slot);
        move(from + QPoint(1, 0));
        move(from);
        ASSERT_EQ(form_->InputState, TFormTree::StateSlot);
        press(from);
        ASSERT_EQ(form_->InputState, TFormTree::StateDragSlot);
        for (int i = 1; i <= 4; ++i) {
            move(from + (to - from) * i / 4);
        }
        release(to);
    }

    // A point of the tree control where the pick finds what is asked for.
    std::optional<QPoint> findOnTree(TPickResult::Kind kind, bool fromTop = false) const {
        for (int step = 0; step < 94; ++step) {
            const int y = fromTop ? step * 4 : 188 + (step % 2 ? 1 : -1) * (step / 2) * 4;
            for (int x = 120; x <= 250; x += 3) {
                if (tree().Pick(x, y).kind == kind) {
                    return QPoint(x, y);
                }
            }
        }
        return std::nullopt;
    }

    // The direction the tree faces, in the scene.
    rm::Vector treeDirection() const {
        rm::Vector direction, up;
        tree().treeFrame()->GetOrientation(tree().sceneFrame().get(), direction, up);
        return direction;
    }

    // Waits until the toy on its way down has landed and gone, noting the states seen.
    std::vector<int> followFall() {
        std::vector<int> states{form_->InputState};
        for (int i = 0; i < 1500 && form_->InputState != TFormTree::StateRest; ++i) {
            QTest::qWait(10);
            if (states.back() != form_->InputState) {
                states.push_back(form_->InputState);
            }
        }
        return states;
    }

    testsupport::ScratchHome home_;
    std::unique_ptr<TTimeThread> clock_;
    std::unique_ptr<TFormTree> form_;
};

// The sign of the turn about +y, as the frame library turns (the tree's "left").
float leftTurnSign(const rm::Vector& start) {
    auto frame = rm::Frame::create();
    frame->SetOrientation(nullptr, start, {0, 1, 0});
    frame->AddRotation(rm::CombineType::After, {0, 1, 0}, 0.2f);
    rm::Vector direction, up;
    frame->GetOrientation(nullptr, direction, up);
    return direction.x - start.x;
}

TEST_F(FormTreeTest, ShowsItsComponentsAndOpensTheFirstCase) {
    TFormTree& form = open();
    EXPECT_EQ(form.size(), QSize(640, 480));
    for (const char* name :
         {"bOut", "bWelcome", "bMusic", "bOptions", "b2Help", "b2Quit", "Welcome", "TreeControl"}) {
        EXPECT_TRUE(control(name)->isVisible()) << name;
    }
    EXPECT_EQ(control("b2Quit")->toolTip(), "Exit");
    EXPECT_EQ(control("Case6")->toolTip(), "Tops");
    EXPECT_FALSE(control("Position0")->isVisible());
    // The slots of the open case stand on y = 419, centred on their anchors.
    for (int n = 0; n < 49; ++n) {
        const TControlNR* slot = control<TControlNR>("Toy" + QString::number(n));
        EXPECT_EQ(slot->isVisible(), n < 7) << n;
        EXPECT_EQ(slot->geometry().bottom() + 1, 419) << n;
        EXPECT_EQ(slot->x() + slot->width() / 2, 90 + 75 * (n % 7)) << n;
        EXPECT_TRUE(slot->HasShape()) << n;
    }

    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Case3")->geometry().center());
    for (int n = 0; n < 49; ++n) {
        EXPECT_EQ(control("Toy" + QString::number(n))->isVisible(), n >= 21 && n < 28) << n;
    }
    EXPECT_EQ(form.InputState, TFormTree::StateRest);
}

TEST_F(FormTreeTest, AToyDroppedOnTheTreeHangsWhereThePointerWas) {
    TFormTree& form = open();
    const std::size_t before = tree().toys().size();
    const QPoint target(185, 188);
    rm::Vector foliage;
    ASSERT_EQ(tree().Pick(target.x(), target.y(), &foliage).kind, TPickResult::Tree);
    // Where the pick met the needles, brought forward until the toy shows.
    const rm::Vector expected = tree().HangPoint(*tree().descToys()[0], foliage);
    const QPoint home = control("Toy0")->pos();

    dragSlot("Toy0", treeOrigin + target);

    EXPECT_EQ(form.InputState, TFormTree::StateRest);
    ASSERT_EQ(tree().toys().size(), before + 1);
    const TToy& toy = *tree().toys().back();
    EXPECT_EQ(&toy.descToy(), tree().descToys()[0].get());
    EXPECT_NEAR(toy.record().position.x, expected.x, 1e-3);
    EXPECT_NEAR(toy.record().position.y, expected.y, 1e-3);
    EXPECT_NEAR(toy.record().position.z, expected.z, 1e-3);
    // The slot is back at home, and the save holds the new toy.
    EXPECT_EQ(control("Toy0")->pos(), home);
    EXPECT_EQ(form.DraggedSlot, nullptr);
    ASSERT_TRUE(tree().Save());
    EXPECT_EQ(countLines(home_.desc, "Toy="), static_cast<int>(before) + 1);
}

TEST_F(FormTreeTest, AToyThatMissesTheTreeFallsLandsAndGoes) {
    TFormTree& form = open();
    const std::size_t before = tree().toys().size();
    // The top-left corner of the tree control is sky.
    ASSERT_EQ(tree().Pick(4, 4).kind, TPickResult::Nothing);

    dragSlot("Toy1", treeOrigin + QPoint(4, 4));

    EXPECT_EQ(form.InputState, TFormTree::StateFalling);
    EXPECT_NE(form.DropToy, nullptr);
    EXPECT_EQ(tree().toys().size(), before + 1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    const std::vector<int> states = followFall();
    EXPECT_EQ(states,
              (std::vector<int>{TFormTree::StateFalling, TFormTree::StateLanding, TFormTree::StateRest}));
    EXPECT_EQ(form.DropToy, nullptr);
    EXPECT_EQ(tree().toys().size(), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Hidden, the window is not stepped and what moves waits; shown again, it
// steps on from where the clock is: a toy that was falling lands and goes.
TEST_F(FormTreeTest, AHiddenWindowIsNotSteppedAndAFallGoesOnWhenShown) {
    TFormTree& form = open();
    EXPECT_TRUE(form.Stepping());
    dragSlot("Toy1", treeOrigin + QPoint(4, 4));
    ASSERT_EQ(form.InputState, TFormTree::StateFalling);

    struct Row {
        const char* what;
        bool visible;
    };
    for (const Row& row : {Row{"hidden", false}, Row{"shown again", true}, Row{"hidden again", false},
                           Row{"shown at last", true}}) {
        form.setVisible(row.visible);
        if (row.visible) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&form)) << row.what;
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(form.WindowExposed(), row.visible) << row.what;
        EXPECT_EQ(form.Stepping(), row.visible) << row.what;
        if (!row.visible) {
            const rm::Vector before = form.DropToy->frame()->GetPosition(nullptr);
            QTest::qWait(200);
            EXPECT_EQ(form.DropToy->frame()->GetPosition(nullptr).y, before.y) << row.what;
        }
    }
    EXPECT_EQ(followFall().back(), TFormTree::StateRest);
}

TEST_F(FormTreeTest, ReleasedOutsideTheTreeTheToyGoesBackAndNothingIsAdded) {
    TFormTree& form = open();
    const std::size_t before = tree().toys().size();
    const QPoint home = control("Toy2")->pos();
    dragSlot("Toy2", QPoint(40, 100));
    EXPECT_EQ(form.InputState, TFormTree::StateRest);
    EXPECT_EQ(tree().toys().size(), before);
    EXPECT_EQ(control("Toy2")->pos(), home);
}

TEST_F(FormTreeTest, ASecondTreeTopIsRefusedAndFalls) {
    TFormTree& form = open();
    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Case6")->geometry().center());
    const auto hasTop = [this] {
        for (const auto& toy : tree().toys()) {
            if (toy->descToy().IsTop()) {
                return true;
            }
        }
        return false;
    };
    const std::optional<QPoint> tip = findOnTree(TPickResult::Tree, true);
    ASSERT_TRUE(tip);
    if (!hasTop()) {
        // The first top snaps onto the tip.
        dragSlot("Toy42", treeOrigin + *tip + QPoint(0, 2));
        ASSERT_EQ(form.InputState, TFormTree::StateRest);
        ASSERT_TRUE(hasTop());
    }
    const std::optional<QPoint> nearTop = findOnTree(TPickResult::Tree, true);
    ASSERT_TRUE(nearTop);
    rm::Vector hit;
    ASSERT_EQ(tree().Pick(nearTop->x(), nearTop->y(), &hit).kind, TPickResult::Tree);
    dragSlot("Toy43", treeOrigin + *nearTop);
    EXPECT_EQ(form.InputState, TFormTree::StateFalling);
    followFall();
    EXPECT_EQ(form.InputState, TFormTree::StateRest);
}

TEST_F(FormTreeTest, ARightPressOnAHungToyRemovesItAtTheReleaseAnywhere) {
    TFormTree& form = open();
    const std::optional<QPoint> onToy = findOnTree(TPickResult::Toy);
    ASSERT_TRUE(onToy);
    TToy* toy = tree().Pick(onToy->x(), onToy->y()).toy;
    const std::size_t before = tree().toys().size();

    move(treeOrigin + *onToy);
    press(treeOrigin + *onToy, Qt::RightButton);
    EXPECT_EQ(form.InputState, TFormTree::StateRemove);
    EXPECT_EQ(form.DropToy, toy);
    move(QPoint(600, 60));
    release(QPoint(600, 60), Qt::RightButton);

    EXPECT_EQ(form.InputState, TFormTree::StateRest);
    ASSERT_EQ(tree().toys().size(), before - 1);
    for (const auto& left : tree().toys()) {
        EXPECT_NE(left.get(), toy);
    }

    // On the bare tree a right press removes nothing.
    const std::optional<QPoint> onTree = findOnTree(TPickResult::Tree);
    ASSERT_TRUE(onTree);
    move(treeOrigin + *onTree);
    press(treeOrigin + *onTree, Qt::RightButton);
    release(treeOrigin + *onTree, Qt::RightButton);
    EXPECT_EQ(tree().toys().size(), before - 1);
    EXPECT_NE(form.InputState, TFormTree::StateRemove);
}

TEST_F(FormTreeTest, HoldingTheLeftHalfTurnsTheTreeLeftUntilRelease) {
    TFormTree& form = open();
    const rm::Vector start = treeDirection();
    const QPoint left = treeOrigin + QPoint(60, 200);
    move(left + QPoint(1, 0));
    move(left);
    EXPECT_EQ(form.InputState, TFormTree::StateTreeLeft);
    EXPECT_EQ(control("TreeControl")->cursor().hotSpot(), QPoint(9, 4));
    // The toys' own animations hold still while the tree turns.
    const TDescToy* moving = nullptr;
    for (const auto& toy : tree().toys()) {
        if (toy->descToy().record().MeshCount > 1 && toy->descToy().record().MeshTime > 0) {
            moving = &toy->descToy();
        }
    }
    ASSERT_TRUE(moving && moving->mesh());

    press(left);
    EXPECT_EQ(form.InputState, TFormTree::StateTurnLeft);
    const auto frozen = moving->mesh()->GetVertices(0);
    // Crossing to the right half keeps the turn.
    move(treeOrigin + QPoint(300, 200));
    QTest::qWait(400);
    const rm::Vector turned = treeDirection();
    const auto still = moving->mesh()->GetVertices(0);
    release(treeOrigin + QPoint(300, 200));
    EXPECT_EQ(form.InputState, TFormTree::StateTreeRight);

    ASSERT_GT(std::abs(turned.x - start.x), 0.01f);
    EXPECT_GT((turned.x - start.x) * leftTurnSign(start), 0) << "the left half turns about +y";
    ASSERT_EQ(still.size(), frozen.size());
    EXPECT_TRUE(std::equal(still.begin(), still.end(), frozen.begin(), [](const auto& a, const auto& b) {
        return a.position.x == b.position.x && a.position.y == b.position.y && a.position.z == b.position.z;
    }));

    const rm::Vector stopped = treeDirection();
    QTest::qWait(200);
    const rm::Vector later = treeDirection();
    EXPECT_FLOAT_EQ(later.x, stopped.x);
    EXPECT_FLOAT_EQ(later.z, stopped.z);
}

TEST_F(FormTreeTest, ADoubleClickSetsTheTreeTurningByItselfAndAnotherStopsIt) {
    TFormTree& form = open();
    const QPoint left = treeOrigin + QPoint(60, 200);
    move(left + QPoint(1, 0));
    move(left);
    const rm::Vector start = treeDirection();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, left);
    EXPECT_EQ(form.AutoRotate, -1);
    QTest::qWait(400);
    const rm::Vector turned = treeDirection();
    ASSERT_GT(std::abs(turned.x - start.x), 0.01f);
    EXPECT_GT((turned.x - start.x) * leftTurnSign(start), 0) << "turning left by itself is about +y";

    QTest::mouseDClick(window(), Qt::LeftButton, {}, treeOrigin + QPoint(300, 200));
    EXPECT_EQ(form.AutoRotate, 0);
    const rm::Vector stopped = treeDirection();
    QTest::qWait(200);
    EXPECT_FLOAT_EQ(treeDirection().x, stopped.x);

    // On the right half it turns the other way.
    move(treeOrigin + QPoint(301, 200));
    QTest::mouseDClick(window(), Qt::LeftButton, {}, treeOrigin + QPoint(300, 200));
    EXPECT_EQ(form.AutoRotate, 1);
}

TEST_F(FormTreeTest, TypingEditsTheGreetingOnlyWhileTheBandIsEditing) {
    TFormTree& form = open();
    tree().WelcomeText = "Hi";
    QTest::keyClicks(&form, "xy");
    EXPECT_EQ(tree().WelcomeText, "Hi");
    EXPECT_FALSE(form.WelcomeEditing());

    // Pressed right of the greeting, the caret goes to its end.
    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Welcome")->geometry().center() + QPoint(160, 0));
    ASSERT_TRUE(form.WelcomeEditing());
    QTest::keyClicks(&form, " all");
    EXPECT_EQ(tree().WelcomeText, "Hi all");
    QTest::keyClick(&form, Qt::Key_Backspace);
    EXPECT_EQ(tree().WelcomeText, "Hi al");
    // Enter ends editing.
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_FALSE(form.WelcomeEditing());
    QTest::keyClicks(&form, "z");
    EXPECT_EQ(tree().WelcomeText, "Hi al");

    // Backspace on an empty greeting keeps it empty and editing on; Escape
    // ends editing and leaves the window open.
    tree().WelcomeText.clear();
    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Welcome")->geometry().center());
    QTest::keyClick(&form, Qt::Key_Backspace);
    EXPECT_EQ(tree().WelcomeText, "");
    EXPECT_TRUE(form.WelcomeEditing());
    QTest::keyClick(&form, 'Q');
    EXPECT_EQ(tree().WelcomeText, "Q");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.WelcomeEditing());
    EXPECT_TRUE(form.isVisible());

    // A press on the tree ends editing too.
    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Welcome")->geometry().center());
    ASSERT_TRUE(form.WelcomeEditing());
    QTest::mouseClick(window(), Qt::LeftButton, {}, treeOrigin + QPoint(10, 10));
    EXPECT_FALSE(form.WelcomeEditing());
}

TEST_F(FormTreeTest, TypingInTheBandStopsWhereTheFileWouldCutTheGreeting) {
    TFormTree& form = open();
    struct Case {
        std::string before;
        QString typed;
        std::string after;
    };
    const std::string a(240, 'a');
    const Case cases[] = {
        {a, "bcd", a + "bc"},
        {a + "b", QString::fromUtf8("é"), a + "b"}, // two bytes, one left
        {a, QString::fromUtf8("€"), a},             // three bytes, two left
        {a, QString::fromUtf8("é"), a + "é"},
    };
    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Welcome")->geometry().center());
    ASSERT_TRUE(form.WelcomeEditing());
    for (const Case& c : cases) {
        tree().WelcomeText = c.before;
        typeText(&form, c.typed);
        EXPECT_EQ(tree().WelcomeText, c.after) << c.before.size() << " + " << c.typed.toStdString();
    }
}

TEST_F(FormTreeTest, ExitIsAskedNotWhileAToyFallsAndOnlyYesCloses) {
    TFormTree& form = open();
    int asked = 0;
    bool answer = false;
    form.hooks().AskExit = [&] {
        ++asked;
        return answer;
    };
    const QPoint quit = control("b2Quit")->geometry().center();

    // Escape never closes the window nor asks.
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(asked, 0);

    dragSlot("Toy3", treeOrigin + QPoint(4, 4));
    ASSERT_EQ(form.InputState, TFormTree::StateFalling);
    QTest::mouseClick(window(), Qt::LeftButton, {}, quit);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(form.isVisible());
    followFall();

    QTest::mouseClick(window(), Qt::LeftButton, {}, quit);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form.isVisible());
    answer = true;
    QTest::mouseClick(window(), Qt::LeftButton, {}, quit);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

// A save that fails at exit is never silent: the box tells why and offers
// Retry (which saves once the cause is gone) or quitting without saving (which
// leaves the file as it was, also when the window goes afterwards).
TEST_F(FormTreeTest, AFailedSaveAtExitAsksRetryOrQuit) {
    for (const bool retry : {true, false}) {
        SCOPED_TRACE(retry ? "retry" : "quit");
        SetUp();
        QFile desc(home_.desc);
        ASSERT_TRUE(desc.open(QIODevice::ReadOnly));
        const QByteArray before = desc.readAll();
        desc.close();
        // A folder where the backup goes: the old file can't be kept, so nothing is replaced.
        const QString blocker = home_.desc + "~~~";
        ASSERT_TRUE(QDir().mkpath(blocker + "/inside"));
        TFormTree& form = open();
        form.tree()->WelcomeText = "Saved after all";
        int boxes = 0;
        QString text;
        std::function<void()> answer = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->objectName() != "SaveErrorBox") {
                QTimer::singleShot(20, answer);
                return;
            }
            ++boxes;
            text = box->text();
            if (retry) {
                QDir(blocker).removeRecursively();
                box->button(QMessageBox::Retry)->click();
            } else {
                box->button(QMessageBox::Discard)->click();
            }
        };
        QTimer::singleShot(20, answer);
        form.SaveDecoration();
        form_.reset();
        EXPECT_EQ(boxes, 1);
        EXPECT_TRUE(text.contains("could not be saved")) << text.toStdString();
        ASSERT_TRUE(desc.open(QIODevice::ReadOnly));
        const QByteArray after = desc.readAll();
        desc.close();
        EXPECT_EQ(after.contains("WelcomeText=Saved after all"), retry);
        if (!retry) {
            EXPECT_EQ(after, before);
        }
        TearDown();
    }
}

TEST_F(FormTreeTest, ShowingSeedsTheRandomGenerator) {
    std::srand(1);
    std::set<int> unseeded;
    for (int i = 0; i < 2000; ++i) {
        unseeded.insert(std::rand());
    }
    std::srand(1);
    open();
    // Unseeded, the next numbers would come from the fixed sequence.
    int fromFixedSequence = 0;
    for (int i = 0; i < 4; ++i) {
        fromFixedSequence += unseeded.count(std::rand()) ? 1 : 0;
    }
    EXPECT_LT(fromFixedSequence, 4);
}

TEST_F(FormTreeTest, ABrokenFileShowsTheDefaultDecorationAndIsLeftAlone) {
    ASSERT_TRUE(
        QFile::copy(testsupport::buildDir() + "/Data/desc.default", home_.home + "Data/desc.default"));
    {
        QFile desc(home_.desc);
        ASSERT_TRUE(desc.open(QIODevice::Append));
        desc.write("Toy=notanumber,1:2:3\r\n");
    }
    QFile before(home_.desc);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();

    TFormTree& form = open();
    const int defaults = countLines(home_.home + "Data/desc.default", "Toy=");
    EXPECT_EQ(static_cast<int>(tree().toys().size()), defaults);
    auto* box = form.findChild<QMessageBox*>("LoadErrorBox");
    ASSERT_NE(box, nullptr);
    // Up once the window is, and centred on it (not at the screen's corner).
    ASSERT_TRUE(QTest::qWaitFor([box] { return box->isVisible(); }, 2000));
    QCoreApplication::processEvents();
    const QPoint offset = box->frameGeometry().center() - form.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << "," << offset.y();
    EXPECT_TRUE(box->text().contains("comes with Pinewick is shown instead")) << box->text().toStdString();
    EXPECT_TRUE(box->text().contains("Data/desc")) << box->text().toStdString();
    box->close();

    form_.reset();
    QFile after(home_.desc);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), original);
    EXPECT_FALSE(QFile::exists(home_.desc + "~~~"));
}

} // namespace

namespace {

TEST_F(FormTreeTest, ABrokenFileWithoutADefaultSaysAnEmptyTreeIsShown) {
    {
        QFile desc(home_.desc);
        ASSERT_TRUE(desc.open(QIODevice::WriteOnly | QIODevice::Truncate));
        desc.write("TimeForDrop=soon\r\n");
    }
    TFormTree& form = open();
    EXPECT_TRUE(tree().toys().empty());
    auto* box = form.findChild<QMessageBox*>("LoadErrorBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("An empty tree is shown")) << box->text().toStdString();
    box->close();
    form_.reset();
    QFile after(home_.desc);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray("TimeForDrop=soon\r\n"));
}

} // namespace

namespace {

TEST_F(FormTreeTest, WithTheHelpUpTheTreeAndTheCasesRest) {
    TFormTree& form = open();
    const QPoint helpButton = control("b2Help")->geometry().center();
    QTest::mouseClick(window(), Qt::LeftButton, {}, helpButton);
    ASSERT_NE(form.help(), nullptr);
    ASSERT_TRUE(form.help()->IsShowing());

    // Holding the button on the tree turns nothing; cases stay as they are.
    const rm::Vector start = treeDirection();
    const QPoint left = treeOrigin + QPoint(60, 300);
    move(left + QPoint(1, 0));
    move(left);
    press(left);
    QTest::qWait(300);
    release(left);
    EXPECT_FLOAT_EQ(treeDirection().x, start.x);
    form.CaseClick(control("Case2"));
    EXPECT_TRUE(control("Toy0")->isVisible());

    QTest::mouseClick(window(), Qt::LeftButton, {}, helpButton);
    EXPECT_FALSE(form.help()->IsShowing());
}

} // namespace

namespace {

// Pictures of the window for people to look at: PINEWICK_SCREENSHOTS=folder.
TEST_F(FormTreeTest, Screenshots) {
    const QString folder = qEnvironmentVariable("PINEWICK_SCREENSHOTS");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set PINEWICK_SCREENSHOTS to a folder to get the pictures";
    }
    // The whole 3D stack, and a mouse that comes for every fallen toy.
    DirectXVersion = GetDXVersion();
    QFile desc(home_.home + "Data/desc");
    ASSERT_TRUE(desc.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(desc.readAll());
    desc.close();
    text.replace(QRegularExpression("\nMouse=[^,]*,"), "\nMouse=1,");
    ASSERT_TRUE(desc.open(QIODevice::WriteOnly | QIODevice::Truncate));
    desc.write(text.toUtf8());
    desc.close();
    TFormTree& form = open();
    tree().WelcomeText = "Merry Christmas!";
    QTest::qWait(300);
    form.grab().save(folder + "/mainwindow.png");

    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Case1")->geometry().center());
    const QPoint from = control("Toy9")->geometry().center();
    move(from + QPoint(1, 0));
    move(from);
    press(from);
    for (int i = 1; i <= 4; ++i) {
        move(from + (QPoint(330, 150) - from) * i / 4);
    }
    QTest::qWait(100);
    form.grab().save(folder + "/dragging.png");
    release(QPoint(330, 150));

    // A toy let go beside the tree falls, shatters on the floor and the
    // mouse carries it off: a picture every 200 ms.
    QTest::mouseClick(window(), Qt::LeftButton, {}, control("Case0")->geometry().center());
    dragSlot("Toy0", QPoint(450, 300));
    for (int i = 0; i < 40; ++i) {
        QTest::qWait(200);
        form.grab().save(folder + QString("/fall-%1.png").arg(i, 2, 10, QChar('0')));
    }

    QTest::mouseClick(window(), Qt::LeftButton, {}, control("b2Help")->geometry().center());
    QTest::qWait(1400);
    form.grab().save(folder + "/help.png");
}

} // namespace

namespace {

TEST_F(FormTreeTest, TheMusicButtonSkipsToTheNextSongOrSilences) {
    TFormTree& form = open();
    tree().SongNumber = 3;
    tree().MusicOn = 0;
    const QPoint music = control("bMusic")->geometry().center();
    QTest::mouseClick(window(), Qt::LeftButton, {}, music);
    EXPECT_EQ(tree().SongNumber, 4);
    EXPECT_EQ(tree().MusicOn, 1);
    QTest::mouseClick(window(), Qt::RightButton, {}, music);
    EXPECT_EQ(tree().SongNumber, 4);
    EXPECT_EQ(tree().MusicOn, 0);
    // Pressed on the button, released elsewhere: nothing.
    move(music);
    press(music);
    move(QPoint(320, 20));
    release(QPoint(320, 20));
    EXPECT_EQ(tree().SongNumber, 4);
    EXPECT_EQ(tree().MusicOn, 0);
    EXPECT_EQ(form.InputState, TFormTree::StateRest);
}

TEST_F(FormTreeTest, AFreeSpotMovesTheWindow) {
    TFormTree& form = open();
    // No window manager here: the window follows the pointer itself. The
    // pointer stays put on the screen while the window moves under it, so
    // the events carry screen positions.
    const QPoint start = form.pos();
    const auto send = [&form](QEvent::Type type, QPoint local, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, {});
        QApplication::sendEvent(&form, &event);
    };
    const QPoint grab = start + QPoint(20, 120);
    send(QEvent::MouseButtonPress, QPoint(20, 120), grab, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(40, 150), grab + QPoint(20, 30), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(20, 120), grab + QPoint(20, 30), Qt::NoButton);
    EXPECT_EQ(form.pos(), start + QPoint(20, 30));
}

} // namespace

namespace {

TEST_F(FormTreeTest, ASlotWithoutAToyStaysEmpty) {
    QFile desc(home_.desc);
    ASSERT_TRUE(desc.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = desc.readAll().split('\n');
    desc.close();
    // Without the last description: slot 48 has no toy.
    int descToys = 0;
    QByteArray kept;
    for (const QByteArray& line : lines) {
        if (line.startsWith("DescToy=") && ++descToys == 49) {
            continue;
        }
        if (line.startsWith("Toy=48,")) {
            continue;
        }
        kept += line + '\n';
    }
    ASSERT_EQ(descToys, 49);
    ASSERT_TRUE(desc.open(QIODevice::WriteOnly | QIODevice::Truncate));
    desc.write(kept.chopped(1));
    desc.close();

    TFormTree& form = open();
    form.CaseClick(control("Case6"));
    for (int n = 42; n < 48; ++n) {
        EXPECT_TRUE(control("Toy" + QString::number(n))->isVisible()) << n;
    }
    EXPECT_FALSE(control("Toy48")->isVisible());
}

} // namespace
