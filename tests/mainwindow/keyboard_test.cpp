// Decorating with the keyboard alone, and what a screen reader finds in the window.
#include "controls/focusframe.h"
#include "scene/scenevector.h"
#include "scene/toy.h"
#include "support/accessible_controls.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>

namespace {

class KeyboardTest : public testsupport::WindowFixture {
protected:
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    bool tabTo(const QString& name) {
        for (int i = 0; i < 40 && focusName() != name; ++i) {
            key(Qt::Key_Tab);
        }
        return focusName() == name;
    }
    // Arrow keys (with Shift for single pixels) until the marker is on `target`.
    void arrowTo(QPoint target) {
        for (QPoint d = target - form_->Marker(); !d.isNull(); d = target - form_->Marker()) {
            const int step = TFormTree::MarkerStep;
            const bool alongX = std::abs(d.x()) >= step || (std::abs(d.y()) < step && d.x() != 0);
            const int along = alongX ? d.x() : d.y();
            const Qt::KeyboardModifiers mods = std::abs(along) < step ? Qt::ShiftModifier : Qt::NoModifier;
            key(alongX ? (along > 0 ? Qt::Key_Right : Qt::Key_Left) : (along > 0 ? Qt::Key_Down : Qt::Key_Up),
                mods);
        }
    }
};

TEST_F(KeyboardTest, TabVisitsCasesOpenSlotsTreeBandAndButtonsWithAFrame) {
    open();
    ASSERT_TRUE(tabTo("Case3"));
    key(Qt::Key_Return);
    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        key(Qt::Key_Tab);
        visited << focusName();
    }
    EXPECT_EQ(visited.join(' '), "Case4 Case5 Case6 Toy21 Toy22 Toy23 Toy24 Toy25 Toy26 Toy27 TreeControl "
                                 "Welcome bOut bWelcome");
    key(Qt::Key_Backtab);
    const auto* frame = form_->findChild<TFocusFrame*>("FocusFrame");
    ASSERT_EQ(frame->Target(), control("bOut"));
    EXPECT_TRUE(frame->geometry().contains(control("bOut")->geometry()));
    // A mouse press takes it away: pointer users see the window as before.
    click(QPoint(20, 20));
    EXPECT_EQ(frame->Target(), nullptr);
}

TEST_F(KeyboardTest, EnterPicksUpArrowsCarryAndEnterHangsWhereThePointerWould) {
    TFormTree& form = open();
    const std::optional<QPoint> onTree = findOnTree(TPickResult::Tree);
    rm::Vector foliage;
    ASSERT_EQ(tree().Pick(onTree->x(), onTree->y(), &foliage).kind, TPickResult::Tree);
    // In front of the needles, as a toy let go there by the pointer hangs.
    const rm::Vector expected = tree().HangPoint(*tree().descToys()[2], foliage);
    const std::size_t before = tree().toys().size();
    const QPoint home = control("Toy2")->pos();

    ASSERT_TRUE(tabTo("Toy2"));
    key(Qt::Key_Return);
    ASSERT_EQ(form.CarriedSlot(), control("Toy2"));
    arrowTo(*onTree);
    EXPECT_NE(control("Toy2")->pos(), home) << "the toy's picture goes with the marker";
    key(Qt::Key_Return);

    EXPECT_EQ(form.CarriedSlot(), nullptr);
    EXPECT_EQ(control("Toy2")->pos(), home);
    ASSERT_EQ(tree().toys().size(), before + 1);
    const TToy& toy = *tree().toys().back();
    EXPECT_EQ(&toy.descToy(), tree().descToys()[2].get());
    EXPECT_NEAR(glm::length(ToSceneVector(toy.record().position) - expected), 0, 1e-3);
}

TEST_F(KeyboardTest, EscapeOrLeavingTheSlotPutsTheToyBack) {
    TFormTree& form = open();
    const std::size_t before = tree().toys().size();
    const QPoint home = control("Toy0")->pos();
    for (Qt::Key leave : {Qt::Key_Escape, Qt::Key_Tab}) {
        ASSERT_TRUE(tabTo("Toy0"));
        key(Qt::Key_Space);
        key(Qt::Key_Up);
        key(leave);
        EXPECT_EQ(form.CarriedSlot(), nullptr) << leave;
        EXPECT_EQ(control("Toy0")->pos(), home) << leave;
    }
    EXPECT_EQ(tree().toys().size(), before);
    EXPECT_FALSE(form.history()->CanUndo());
}

TEST_F(KeyboardTest, OnTheTreeDeleteRemovesTheNearestToyAndPageKeysTurn) {
    TFormTree& form = open();
    const std::optional<QPoint> onToy = findOnTree(TPickResult::Toy);
    const TToy* under = tree().Pick(onToy->x(), onToy->y()).toy;
    const std::size_t before = tree().toys().size();
    ASSERT_TRUE(tabTo("TreeControl"));
    EXPECT_TRUE(form.MarkerShown());
    form.SetMarker(*onToy + QPoint(3, 2));
    key(Qt::Key_Delete);
    ASSERT_EQ(tree().toys().size(), before - 1);
    EXPECT_TRUE(std::none_of(tree().toys().begin(), tree().toys().end(),
                             [under](const auto& toy) { return toy.get() == under; }));

    const auto direction = [this] {
        rm::Vector d, up;
        tree().treeFrame()->GetOrientation(tree().sceneFrame().get(), d, up);
        return d;
    };
    const rm::Vector start = direction();
    const std::pair<QKeyCombination, QKeyCombination> turns[] = {
        {Qt::Key_PageUp, Qt::Key_PageDown},
        {Qt::ControlModifier | Qt::Key_Left, Qt::ControlModifier | Qt::Key_Right}};
    for (const auto& [there, back] : turns) {
        key(there.key(), there.keyboardModifiers());
        EXPECT_GT(glm::length(direction() - start), 0.1f);
        key(back.key(), back.keyboardModifiers());
        EXPECT_LT(glm::length(direction() - start), 1e-3f);
    }
}

TEST_F(KeyboardTest, EnterOnAButtonClicksIt) {
    TFormTree& form = open();
    int edits = 0;
    form.hooks().EditGreeting = [&edits, &form] {
        ++edits;
        form.SetWelcomeEditing(false);
    };
    tree().MusicOn = 0;
    ASSERT_TRUE(tabTo("bWelcome"));
    key(Qt::Key_Space);
    EXPECT_EQ(edits, 1);
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    EXPECT_EQ(tree().MusicOn, 1);
}

TEST_F(KeyboardTest, AScreenReaderFindsANameForEveryControl) {
    TFormTree& form = open();
    QStringList names;
    for (const auto& [object, name] : testsupport::accessibleControls(&form)) {
        EXPECT_FALSE(name.isEmpty()) << object.toStdString();
        names << name;
    }
    const QString tree = QString("Fir tree with %1 ornaments").arg(this->tree().toys().size());
    for (const QString& name : {QString("Send Pinewick"), QString("Big balls"), QString("Greeting"), tree}) {
        EXPECT_TRUE(names.contains(name)) << name.toStdString() << " in " << names.join(", ").toStdString();
    }
    QSet<QString> slotNames;
    for (int n = 0; n < 49; ++n) {
        slotNames << control("Toy" + QString::number(n))->accessibleName();
    }
    EXPECT_EQ(slotNames.size(), 49) << "each toy has a name of its own";
    EXPECT_TRUE(control("Toy0")->accessibleName().endsWith("big ball"));

    this->tree().WelcomeText = "Season's greetings";
    QAccessibleInterface* band = QAccessible::queryAccessibleInterface(control("Welcome"));
    EXPECT_EQ(band->role(), QAccessible::EditableText);
    ASSERT_TRUE(band->textInterface());
    EXPECT_EQ(band->textInterface()->text(0, band->textInterface()->characterCount()), "Season's greetings");
    // The caret and the selection the band shows.
    click(control("Welcome")->geometry().center());
    key(Qt::Key_End);
    key(Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    int start = -1;
    int end = -1;
    band->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(band->textInterface()->selectionCount(), 1);
    EXPECT_EQ(std::pair(start, end), std::pair(9, 18));
    EXPECT_EQ(band->textInterface()->cursorPosition(), 9);
    key(Qt::Key_Right);
    EXPECT_EQ(band->textInterface()->selectionCount(), 0);
    EXPECT_EQ(band->textInterface()->cursorPosition(), 18);
}

TEST_F(KeyboardTest, Screenshots) {
    const QString folder = qEnvironmentVariable("PINEWICK_SCREENSHOTS");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set PINEWICK_SCREENSHOTS to a folder to get the pictures";
    }
    TFormTree& form = open();
    ASSERT_TRUE(tabTo("Toy2"));
    form.grab().save(folder + "/focus-on-slot.png");
    key(Qt::Key_Return);
    arrowTo({200, 130});
    form.grab().save(folder + "/carrying-to-marker.png");
    key(Qt::Key_Return);
    ASSERT_TRUE(tabTo("TreeControl"));
    key(Qt::Key_Left);
    form.grab().save(folder + "/marker-on-tree.png");
    click(control("b2Help")->geometry().center());
    QTest::qWait(1400);
    form.grab().save(folder + "/help-keys.png");
}

} // namespace
