// Undo and redo of every kind of change to the decoration, with real pointer
// and key events: each restores the description file's text exactly.
#include "window_fixture.h"

#include <functional>

namespace {

using testsupport::treeOrigin;

class UndoTest : public testsupport::WindowFixture {
public:
    void undo() { key(Qt::Key_Z, Qt::ControlModifier); }
    void redo(bool withY) {
        withY ? key(Qt::Key_Y, Qt::ControlModifier) : key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    // Pressed right of the greeting, the caret goes to its end.
    QPoint afterGreeting() const { return control("Welcome")->geometry().center() + QPoint(160, 0); }
    void typeInBand(const QString& text) {
        click(afterGreeting());
        type(text);
        key(Qt::Key_Return);
    }
};

struct Change {
    const char* name;
    std::function<void(UndoTest&)> make;
};

class UndoEachChange : public UndoTest, public ::testing::WithParamInterface<Change> {};

TEST_P(UndoEachChange, UndoRestoresTheFileAndRedoDoesItAgain) {
    TFormTree& form = open();
    // Something of each kind to take away.
    tree().WelcomeText = "Merry";
    const QByteArray before = savedText();
    const int steps = form.history()->Count();

    GetParam().make(*this);
    const QByteArray after = savedText();
    ASSERT_NE(after, before) << "the change changed nothing";
    EXPECT_EQ(form.history()->Count(), steps + 1) << "one change, one step";

    undo();
    EXPECT_EQ(savedText(), before);
    redo(false);
    EXPECT_EQ(savedText(), after);
    undo();
    redo(true);
    EXPECT_EQ(savedText(), after);
    EXPECT_LT(form.InputState, TFormTree::StateFalling);
}

void clickOn(UndoTest& t, const char* name, Qt::MouseButton b = Qt::LeftButton) {
    t.click(t.control(name)->geometry().center(), b);
}

const Change changes[] = {
    {"HangAToy",
     [](UndoTest& t) {
         t.dragSlot("Toy0", treeOrigin + *t.findOnTree(TPickResult::Tree));
     }},
    {"RemoveAToy",
     [](UndoTest& t) {
         // A toy from the file's middle: undo must put it back in its place.
         const QPoint onToy = treeOrigin + *t.findOnTree(TPickResult::Toy);
         t.press(onToy, Qt::RightButton);
         t.release(onToy, Qt::RightButton);
     }},
    {"TypeInTheBand",
     [](UndoTest& t) {
         t.typeInBand(" Christmas");
     }},
    {"EraseInTheBand",
     [](UndoTest& t) {
         clickOn(t, "Welcome");
         t.key(Qt::Key_Backspace);
         t.key(Qt::Key_Backspace);
         t.key(Qt::Key_Escape);
     }},
    {"NextSong",
     [](UndoTest& t) {
         clickOn(t, "bMusic");
     }},
    {"MusicOff",
     [](UndoTest& t) {
         clickOn(t, "bMusic", Qt::RightButton);
     }},
    {"EditorFontAndColour",
     [](UndoTest& t) {
         // The editor changes the tree's greeting while it is open.
         t.form_->hooks().EditGreeting = [&t] {
             t.tree().FontName = "DejaVu Sans";
             t.tree().WelcomeColor = 0xFF0000;
         };
         clickOn(t, "bWelcome");
     }},
};

INSTANTIATE_TEST_SUITE_P(Changes, UndoEachChange, ::testing::ValuesIn(changes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UndoTest, ChoosingWhatIsThereAgainIsNoStep) {
    TFormTree& form = open();
    tree().WelcomeText = "Merry";
    form.hooks().EditGreeting = [this, font = tree().FontName, colour = tree().WelcomeColor] {
        tree().FontName = font;
        tree().WelcomeColor = colour;
    };
    clickOn(*this, "bWelcome");
    typeInBand("");
    click(control("Welcome")->geometry().center());
    type("!");
    key(Qt::Key_Backspace);
    key(Qt::Key_Return);
    EXPECT_EQ(form.history()->Count(), 0);
}

TEST_F(UndoTest, OneEditingSessionIsOneStepAndUndoEndsTheSessionFirst) {
    TFormTree& form = open();
    tree().WelcomeText = "";
    typeInBand("Joy");
    click(afterGreeting());
    type(" to all");
    // Still typing: undo takes back what this session typed.
    undo();
    EXPECT_EQ(tree().WelcomeText, "Joy");
    EXPECT_FALSE(form.WelcomeEditing());
    undo();
    EXPECT_EQ(tree().WelcomeText, "");
    EXPECT_FALSE(form.history()->CanUndo());
    redo(false);
    redo(false);
    EXPECT_EQ(tree().WelcomeText, "Joy to all");
    // A new change drops what could have been redone.
    undo();
    typeInBand("!");
    EXPECT_FALSE(form.history()->CanRedo());
    EXPECT_EQ(tree().WelcomeText, "Joy!");
}

TEST_F(UndoTest, KeepsAtLeastAHundredSteps) {
    TFormTree& form = open();
    tree().WelcomeText = "";
    const QByteArray start = savedText();
    for (int i = 0; i < 120; ++i) {
        typeInBand(QString(QChar('a' + i % 26)));
    }
    int undone = 0;
    while (form.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 120);
    EXPECT_EQ(savedText(), start);
}

TEST_F(UndoTest, AFallingToyIsNoStepAndHoldsTheHistory) {
    TFormTree& form = open();
    typeInBand("x");
    const int steps = form.history()->Count();
    // Released over the tree control's corner, where there is no tree: it falls.
    dragSlot("Toy1", treeOrigin + QPoint(2, 2));
    ASSERT_EQ(form.InputState, TFormTree::StateFalling);
    const std::string text = tree().WelcomeText;
    undo();
    EXPECT_EQ(tree().WelcomeText, text) << "undo waits while a toy is in the air";
    for (int i = 0; i < 1500 && form.InputState != TFormTree::StateRest; ++i) {
        QTest::qWait(10);
    }
    ASSERT_EQ(form.InputState, TFormTree::StateRest);
    EXPECT_EQ(form.history()->Count(), steps);
    undo();
    EXPECT_NE(tree().WelcomeText, text);
}

// A toy held by the pointer or carried by the keys may still land on the
// tree: undo and redo wait until it is let go.
TEST_F(UndoTest, UndoAndRedoWaitWhileAToyIsHeld) {
    TFormTree& form = open();
    tree().WelcomeText = "";
    typeInBand("a");
    typeInBand("b");
    undo();
    const struct {
        const char* how;
        std::function<void()> take, letGo;
    } holds[] = {
        {"dragged",
         [this] {
             const QPoint from = grabPoint("Toy0");
             move(from + QPoint(1, 0));
             move(from);
             press(from, Qt::LeftButton);
             move(QPoint(20, 200));
         },
         // Let go beside the tree: the toy goes back to its case.
         [this] {
             release(QPoint(20, 200), Qt::LeftButton);
         }},
        {"carried",
         [this] {
             control("Toy0")->setFocus();
             key(Qt::Key_Space);
             key(Qt::Key_Up);
         },
         [this] {
             key(Qt::Key_Escape);
         }},
    };
    for (const auto& hold : holds) {
        hold.take();
        ASSERT_TRUE(form.DraggedSlot || form.CarriedSlot()) << hold.how;
        undo();
        EXPECT_EQ(tree().WelcomeText, "a") << hold.how;
        redo(false);
        EXPECT_EQ(tree().WelcomeText, "a") << hold.how;
        hold.letGo();
    }
    redo(false);
    EXPECT_EQ(tree().WelcomeText, "ab");
}

} // namespace
