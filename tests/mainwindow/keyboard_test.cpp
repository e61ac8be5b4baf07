// Decorating with the keyboard alone: focus order, picking a toy up, carrying
// it over the tree with the arrow keys, hanging it, removing and turning; and
// what a screen reader finds in the window.
#include "controls/focusframe.h"
#include "scene/desctoy.h"
#include "scene/toy.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>

namespace {

using testsupport::treeOrigin;

class KeyboardTest : public testsupport::WindowFixture {
protected:
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    // Tabs until the named control has the focus; false when it never comes.
    bool tabTo(const QString& name) {
        for (int i = 0; i < 40 && focusName() != name; ++i) {
            key(Qt::Key_Tab);
        }
        return focusName() == name;
    }
    // Moves the marker from the middle of the tree to `target` with arrow keys.
    void arrowTo(QPoint target) {
        while (form_->Marker() != target) {
            const QPoint d = target - form_->Marker();
            const bool fine =
                std::abs(d.x()) < TFormTree::MarkerStep && std::abs(d.y()) < TFormTree::MarkerStep;
            const int step = fine ? TFormTree::MarkerFineStep : TFormTree::MarkerStep;
            const Qt::KeyboardModifiers mods = fine ? Qt::ShiftModifier : Qt::NoModifier;
            if (std::abs(d.x()) >= step) {
                key(d.x() > 0 ? Qt::Key_Right : Qt::Key_Left, mods);
            } else if (std::abs(d.y()) >= step) {
                key(d.y() > 0 ? Qt::Key_Down : Qt::Key_Up, mods);
            } else {
                break;
            }
        }
    }
};

TEST_F(KeyboardTest, TabVisitsCasesOpenSlotsTreeBandAndButtonsInOrder) {
    open();
    QStringList visited;
    ASSERT_TRUE(tabTo("Case0"));
    for (int i = 0; i < 20; ++i) {
        visited << focusName();
        key(Qt::Key_Tab);
    }
    const QStringList expected = {"Case0",       "Case1",   "Case2", "Case3",    "Case4",  "Case5",   "Case6",
                                  "Toy0",        "Toy1",    "Toy2",  "Toy3",     "Toy4",   "Toy5",    "Toy6",
                                  "TreeControl", "Welcome", "bOut",  "bWelcome", "bMusic", "bOptions"};
    EXPECT_EQ(visited, expected);
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "bOptions");
    // The frame is around the focused control.
    const auto* frame = form_->findChild<TFocusFrame*>("FocusFrame");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Target(), control("bOptions"));
    EXPECT_TRUE(frame->geometry().contains(control("bOptions")->geometry()));
    // A mouse press takes it away; the pointer sees the window as before.
    click(QPoint(20, 20));
    EXPECT_EQ(frame->Target(), nullptr);
}

TEST_F(KeyboardTest, EnterOnACaseOpensItAndItsSlotsJoinTheTabOrder) {
    open();
    ASSERT_TRUE(tabTo("Case3"));
    key(Qt::Key_Return);
    EXPECT_TRUE(control("Toy21")->isVisible());
    EXPECT_FALSE(control("Toy0")->isVisible());
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "Toy21");
}

TEST_F(KeyboardTest, EnterPicksUpArrowsCarryEnterHangsWhereThePointerWould) {
    TFormTree& form = open();
    const std::optional<QPoint> onTree = findOnTree(TPickResult::Tree);
    ASSERT_TRUE(onTree);
    rm::Vector expected;
    ASSERT_EQ(tree().Pick(onTree->x(), onTree->y(), &expected).kind, TPickResult::Tree);
    const std::size_t before = tree().toys().size();
    const QPoint home = control("Toy2")->pos();

    ASSERT_TRUE(tabTo("Toy2"));
    key(Qt::Key_Return);
    ASSERT_EQ(form.CarriedSlot(), control("Toy2"));
    EXPECT_TRUE(form.MarkerShown());
    arrowTo(*onTree);
    ASSERT_EQ(form.Marker(), *onTree);
    // The toy's picture goes with the marker.
    EXPECT_NE(control("Toy2")->pos(), home);
    key(Qt::Key_Return);

    EXPECT_EQ(form.CarriedSlot(), nullptr);
    EXPECT_EQ(control("Toy2")->pos(), home);
    ASSERT_EQ(tree().toys().size(), before + 1);
    const TToy& toy = *tree().toys().back();
    EXPECT_EQ(&toy.descToy(), tree().descToys()[2].get());
    EXPECT_NEAR(toy.record().position.x, expected.x, 1e-3);
    EXPECT_NEAR(toy.record().position.y, expected.y, 1e-3);
    EXPECT_NEAR(toy.record().position.z, expected.z, 1e-3);
}

TEST_F(KeyboardTest, EscapePutsTheToyBackAndTabDoesToo) {
    TFormTree& form = open();
    const std::size_t before = tree().toys().size();
    const QPoint home = control("Toy0")->pos();
    for (Qt::Key leave : {Qt::Key_Escape, Qt::Key_Tab}) {
        ASSERT_TRUE(tabTo("Toy0"));
        key(Qt::Key_Space);
        ASSERT_EQ(form.CarriedSlot(), control("Toy0"));
        key(Qt::Key_Up);
        key(leave);
        EXPECT_EQ(form.CarriedSlot(), nullptr) << leave;
        EXPECT_EQ(control("Toy0")->pos(), home) << leave;
        EXPECT_EQ(tree().toys().size(), before) << leave;
    }
    EXPECT_FALSE(form.history()->CanUndo());
}

TEST_F(KeyboardTest, OnTheTreeDeleteRemovesTheToyNearestTheMarker) {
    TFormTree& form = open();
    const std::optional<QPoint> onToy = findOnTree(TPickResult::Toy);
    ASSERT_TRUE(onToy);
    TToy* under = tree().Pick(onToy->x(), onToy->y()).toy;
    const std::size_t before = tree().toys().size();
    ASSERT_TRUE(tabTo("TreeControl"));
    EXPECT_TRUE(form.MarkerShown());
    // A few pixels off the toy still finds it.
    form.SetMarker(*onToy + QPoint(3, 2));
    key(Qt::Key_Delete);
    ASSERT_EQ(tree().toys().size(), before - 1);
    for (const auto& toy : tree().toys()) {
        EXPECT_NE(toy.get(), under);
    }
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tree().toys().size(), before);
}

TEST_F(KeyboardTest, PageKeysAndControlArrowsTurnTheTreeBothWays) {
    open();
    ASSERT_TRUE(tabTo("TreeControl"));
    const auto direction = [this] {
        rm::Vector d, up;
        tree().treeFrame()->GetOrientation(tree().sceneFrame().get(), d, up);
        return d;
    };
    const rm::Vector start = direction();
    struct Turn {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        Qt::Key back;
        Qt::KeyboardModifiers backMods;
    };
    for (const Turn& turn : {Turn{Qt::Key_PageUp, {}, Qt::Key_PageDown, {}},
                             Turn{Qt::Key_Left, Qt::ControlModifier, Qt::Key_Right, Qt::ControlModifier}}) {
        key(turn.key, turn.mods);
        const rm::Vector turned = direction();
        EXPECT_GT(glm::length(turned - start), 0.1f) << turn.key;
        key(turn.back, turn.backMods);
        EXPECT_LT(glm::length(direction() - start), 1e-3f) << turn.key;
    }
}

TEST_F(KeyboardTest, EnterOnTheBandEditsAndOnButtonsClicks) {
    TFormTree& form = open();
    tree().WelcomeText = "";
    ASSERT_TRUE(tabTo("Welcome"));
    key(Qt::Key_Return);
    EXPECT_TRUE(form.WelcomeEditing());
    type("Hi all");
    key(Qt::Key_Return);
    EXPECT_FALSE(form.WelcomeEditing());
    EXPECT_EQ(tree().WelcomeText, "Hi all");

    int edits = 0;
    // The editor ends the band's editing when it closes.
    form.hooks().EditGreeting = [&edits, &form] {
        ++edits;
        form.SetWelcomeEditing(false);
    };
    tree().MusicOn = 0;
    const int song = tree().SongNumber;
    ASSERT_TRUE(tabTo("bWelcome"));
    key(Qt::Key_Space);
    EXPECT_EQ(edits, 1);
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    EXPECT_EQ(tree().MusicOn, 1);
    EXPECT_EQ(tree().SongNumber, (song + 1) % 9);
}

// Every control a person can use has a name a screen reader speaks.
void expectNamed(QAccessibleInterface* node, QStringList& names, int depth = 0) {
    ASSERT_TRUE(node);
    ASSERT_LT(depth, 20);
    const QAccessible::State state = node->state();
    const bool usable = !state.invisible && (state.focusable || node->role() == QAccessible::Button ||
                                             node->role() == QAccessible::EditableText);
    if (usable) {
        EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty())
            << "role " << node->role() << " object "
            << (node->object() ? node->object()->objectName().toStdString() : "");
        names << node->text(QAccessible::Name);
    }
    for (int i = 0; i < node->childCount(); ++i) {
        expectNamed(node->child(i), names, depth + 1);
    }
}

TEST_F(KeyboardTest, AScreenReaderFindsANameForEveryControl) {
    TFormTree& form = open();
    QStringList names;
    expectNamed(QAccessible::queryAccessibleInterface(&form), names);
    EXPECT_TRUE(names.contains("Send Pinewick"));
    EXPECT_TRUE(names.contains("Big balls"));
    const std::size_t toys = tree().toys().size();
    EXPECT_TRUE(names.contains(QString("Fir tree with %1 ornaments").arg(toys)))
        << names.join(", ").toStdString();

    // The slots are named by colour and kind, each differently within its case.
    QAccessibleInterface* slot = QAccessible::queryAccessibleInterface(control("Toy0"));
    EXPECT_TRUE(slot->text(QAccessible::Name).endsWith("big ball"))
        << slot->text(QAccessible::Name).toStdString();
    QSet<QString> slotNames;
    for (int n = 0; n < 49; ++n) {
        slotNames << control("Toy" + QString::number(n))->accessibleName();
    }
    EXPECT_EQ(slotNames.size(), 49);

    // The band is editable text holding the greeting.
    tree().WelcomeText = "Season's greetings";
    QAccessibleInterface* band = QAccessible::queryAccessibleInterface(control("Welcome"));
    EXPECT_EQ(band->role(), QAccessible::EditableText);
    ASSERT_TRUE(band->textInterface());
    EXPECT_EQ(band->textInterface()->text(0, band->textInterface()->characterCount()), "Season's greetings");
    EXPECT_EQ(band->text(QAccessible::Value), "Season's greetings");

    // The tree's name follows its ornaments.
    ASSERT_TRUE(tabTo("TreeControl"));
    key(Qt::Key_Delete);
    EXPECT_EQ(control("TreeControl")->accessibleName(), QString("Fir tree with %1 ornaments").arg(toys - 1));
}

} // namespace

namespace {

TEST_F(KeyboardTest, Screenshots) {
    const QString folder = qEnvironmentVariable("PINEWICK_SCREENSHOTS");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set PINEWICK_SCREENSHOTS to a folder to get the pictures";
    }
    TFormTree& form = open();
    tree().WelcomeText = "Merry Christmas!";
    ASSERT_TRUE(tabTo("Toy2"));
    QTest::qWait(200);
    form.grab().save(folder + "/focus-on-slot.png");
    key(Qt::Key_Return);
    QPoint target(185, 120);
    while (target.y() < 300 && tree().Pick(target.x(), target.y()).kind != TPickResult::Tree) {
        target.ry() += 4;
    }
    arrowTo(target);
    QTest::qWait(200);
    form.grab().save(folder + "/carrying-to-marker.png");
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "TreeControl");
    key(Qt::Key_Left);
    QTest::qWait(200);
    form.grab().save(folder + "/marker-on-tree.png");
    click(control("b2Help")->geometry().center());
    QTest::qWait(1400);
    form.grab().save(folder + "/help-keys.png");
}

} // namespace
