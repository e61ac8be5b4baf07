// The greeting band as a text field and as a ribbon that keeps the greeting
// legible, driven through the window with real keys and clicks.
#include "mainwindow/greetinglayout.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QStyleHints>
#include <QTextLayout>

namespace {

const QString longGreeting =
    QString::fromUtf8("Liebe Oma, lieber Opa, wir wünschen euch frohe Weihnachten, viel "
                      "Gesundheit und ein gutes neues Jahr 2027! Eure Lena :)");

class GreetingBandTest : public testsupport::WindowFixture {
protected:
    TFormTree& openWith(const QString& greeting) {
        TFormTree& form = open();
        tree().WelcomeText = greeting.toStdString();
        form.RepaintWelcome();
        return form;
    }
    QString greeting() const { return QString::fromStdString(tree().WelcomeText); }
    QString selected() const { return form_->WelcomeCursor().SelectedText(greeting()); }
    // Where the caret before character `index` stands, in the window.
    QPoint pointBefore(int index) const {
        const TGreetingLayout layout(greeting(), TreeGreetingStyle(tree()), layout::WelcomeText);
        const QRect caret = layout.CursorRect(index);
        return QPoint(caret.x() + 2, caret.center().y());
    }
    void sendText(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(form_.get(), &press);
    }
    bool hintShown() {
        QCoreApplication::processEvents();
        return form_->findChild<QLabel*>("WelcomeHint")->isVisible();
    }
    // The greeting's ink in the window (drawn in white, which nothing else on
    // the ribbon is): how many ink pixels each row of the ribbon's flat part holds.
    std::vector<int> inkRows() {
        tree().WelcomeColor = 0xFFFFFF;
        const QImage shot = form_->grab(layout::WelcomeText).toImage();
        std::vector<int> rows(static_cast<std::size_t>(shot.height()));
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                rows[static_cast<std::size_t>(y)] += qBlue(shot.pixel(x, y)) >= 170 ? 1 : 0;
            }
        }
        return rows;
    }
};

// Runs of rows whose ink reaches a third of the fullest row: the bodies of
// the lines of text.
std::vector<std::pair<int, int>> textBodies(const std::vector<int>& rows) {
    const int full = *std::max_element(rows.begin(), rows.end());
    std::vector<std::pair<int, int>> bodies;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        if (rows[static_cast<std::size_t>(y)] * 3 >= full) {
            if (bodies.empty() || bodies.back().second != y - 1) {
                bodies.emplace_back(y, y);
            } else {
                bodies.back().second = y;
            }
        }
    }
    return bodies;
}

TEST_F(GreetingBandTest, ALongGreetingTakesTwoLegibleLinesOnTheRibbonAndTheCard) {
    openWith(longGreeting);
    const TGreetingLayout ribbon(longGreeting, TreeGreetingStyle(tree()), layout::WelcomeText);
    ASSERT_EQ(ribbon.LineCount(), 2);
    // Broken after "Weihnachten, ", the space nearest the middle.
    EXPECT_EQ(longGreeting.left(ribbon.BreakAt()),
              QString::fromUtf8("Liebe Oma, lieber Opa, wir wünschen euch frohe Weihnachten, "));
    EXPECT_EQ(ribbon.PixelSize(), 12);
    EXPECT_FALSE(ribbon.TooLong());
    EXPECT_GE(QFontMetrics(GreetingFont(TreeGreetingStyle(tree()), ribbon.PixelSize())).capHeight(),
              TGreetingLayout::LegibleCapHeight);

    // Up and Down move between the lines, keeping the caret's place.
    click(pointBefore(6));
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form_->WelcomeCursor().Caret(), 66) << "under \"Liebe \": \"viel \" and a letter";
    EXPECT_EQ(selected().size(), 60);
    key(Qt::Key_Up);
    EXPECT_EQ(form_->WelcomeCursor().Caret(), 6);
    key(Qt::Key_Up);
    EXPECT_EQ(form_->WelcomeCursor().Caret(), 6) << "no line above the first";
    key(Qt::Key_Escape);

    // Drawn: two bodies of text one above the other, the ink as tall as two
    // lines of 12 px script within the 25 rows between the gold edges.
    const std::vector<int> rows = inkRows();
    const auto bodies = textBodies(rows);
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_GE(bodies[1].first - bodies[0].first, 9) << "the lines' pitch";
    int top = 0;
    while (rows[static_cast<std::size_t>(top)] == 0) {
        ++top;
    }
    int bottom = static_cast<int>(rows.size()) - 1;
    while (rows[static_cast<std::size_t>(bottom)] == 0) {
        --bottom;
    }
    EXPECT_GE(bottom - top + 1, 20) << "rows " << top << " to " << bottom;

    // The card draws the same lines at the same size in the same place.
    const QImage card = GreetingPicture(form_->BackgroundPicture(), tree());
    const QImage band = form_->grab(layout::WelcomeText).toImage().convertToFormat(QImage::Format_RGB32);
    int same = 0;
    int ink = 0;
    for (int y = 0; y < band.height(); ++y) {
        for (int x = 0; x < band.width(); ++x) {
            if (qBlue(band.pixel(x, y)) >= 170) {
                ++ink;
                same += qBlue(card.pixel(layout::WelcomeText.topLeft() + QPoint(x, y))) >= 170 ? 1 : 0;
            }
        }
    }
    EXPECT_GE(same * 100, ink * 95) << same << " of " << ink;
}

TEST_F(GreetingBandTest, AGreetingTooLongForTwoLegibleLinesShowsAHintWhileEditing) {
    struct Case {
        QString text;
        int lines;
        bool tooLong;
    };
    const Case cases[] = {
        {"Merry Christmas!", 1, false},
        {longGreeting, 2, false},
        {longGreeting + " " + longGreeting.left(80), 2, true},
        {QString(60, 'W'), 1, true}, // no place to break
    };
    openWith("");
    for (const Case& c : cases) {
        tree().WelcomeText = c.text.toStdString();
        const TGreetingLayout ribbon(c.text, TreeGreetingStyle(tree()), layout::WelcomeText);
        EXPECT_EQ(ribbon.LineCount(), c.lines) << c.text.toStdString();
        EXPECT_EQ(ribbon.TooLong(), c.tooLong) << c.text.toStdString();
        form_->RepaintWelcome();
        EXPECT_FALSE(hintShown()) << "not while the band rests";
        click(layout::WelcomeText.center());
        ASSERT_TRUE(form_->WelcomeEditing());
        EXPECT_EQ(hintShown(), c.tooLong) << c.text.toStdString();
        key(Qt::Key_Escape);
        EXPECT_FALSE(hintShown());
    }
}

TEST_F(GreetingBandTest, ShiftArrowsHomeEndAndCtrlASelectAndTypingReplaces) {
    TFormTree& form = openWith("Merry Christmas");
    click(pointBefore(6));
    ASSERT_TRUE(form.WelcomeEditing());
    EXPECT_EQ(form.WelcomeCursor().Caret(), 6) << "the caret goes where the band was pressed";
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "Ch");
    key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "Christmas");
    type("X-mas");
    EXPECT_EQ(greeting(), "Merry X-mas");
    key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "Merry X-mas");
    key(Qt::Key_Left);
    EXPECT_EQ(form.WelcomeCursor().Caret(), 0) << "Left collapses the selection to its start";
    key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selected(), "Merry");
    key(Qt::Key_Delete);
    EXPECT_EQ(greeting(), " X-mas");

    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selected(), " X-mas");
    type("Frohes Fest");
    EXPECT_EQ(greeting(), "Frohes Fest");
    key(Qt::Key_Return);
    // The whole session is one step of the history.
    EXPECT_TRUE(form.Undo());
    EXPECT_EQ(greeting(), "Merry Christmas");
}

TEST_F(GreetingBandTest, DoubleClickSelectsAWordTripleClickEverythingAndADragSelects) {
    TFormTree& form = openWith("Frohe Weihnachten euch allen");
    const QPoint inWeihnachten = pointBefore(9);
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    // A third press `after` ms after the double click's press. (The test's
    // clock adds the double-click interval after each release, and one
    // millisecond before each press.)
    const auto tripleClick = [&](int after) {
        click(inWeihnachten);
        QTest::mouseDClick(window(), Qt::LeftButton, {}, inWeihnachten);
        EXPECT_EQ(selected(), "Weihnachten");
        QTest::lastMouseTimestamp += after - 1 - QTest::mouseDoubleClickInterval;
        click(inWeihnachten);
    };
    tripleClick(interval);
    EXPECT_EQ(selected(), "Frohe Weihnachten euch allen");
    // A press later than that is a press: the caret, no selection.
    tripleClick(interval + 1);
    EXPECT_FALSE(form.WelcomeCursor().HasSelection());
    EXPECT_EQ(form.WelcomeCursor().Caret(), 9);
    // Just after a word's last letter, a double click takes that word.
    QTest::mouseDClick(window(), Qt::LeftButton, {}, pointBefore(22));
    EXPECT_EQ(selected(), "euch");

    // Pressed before "euch", dragged to its end; Shift+click extends.
    press(pointBefore(18), Qt::LeftButton);
    move(pointBefore(20));
    move(pointBefore(22));
    release(pointBefore(22), Qt::LeftButton);
    EXPECT_EQ(selected(), "euch");
    QTest::mouseClick(window(), Qt::LeftButton, Qt::ShiftModifier, pointBefore(28));
    EXPECT_EQ(selected(), "euch allen");
    type("dir");
    EXPECT_EQ(greeting(), "Frohe Weihnachten dir");
}

TEST_F(GreetingBandTest, CopyCutAndPasteGoThroughTheClipboard) {
    TFormTree& form = openWith("Frohe Weihnachten");
    QClipboard* clipboard = QGuiApplication::clipboard();
    click(pointBefore(0));
    key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "Frohe");
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(greeting(), " Weihnachten");
    key(Qt::Key_End);
    clipboard->setText(QString::fromUtf8("\r\nund ein\tgutes\x01 Jahr\x7f\u0085"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(greeting(), " Weihnachten und ein gutes Jahr") << "breaks and tabs as spaces, controls dropped";
    // A paste gives way at the file's limit, the greeting does not.
    key(Qt::Key_Home);
    clipboard->setText(QString(300, 'a'));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(greeting(), QString(242 - 31, 'a') + " Weihnachten und ein gutes Jahr");
    // An empty clipboard pastes nothing and keeps the selection.
    key(Qt::Key_End);
    key(Qt::Key_Left, Qt::ShiftModifier);
    clipboard->setText("\x02");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(selected(), "r");
    // Without a selection Ctrl+C copies the card.
    key(Qt::Key_Right);
    ASSERT_FALSE(form.WelcomeCursor().HasSelection());
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->image().size(), layout::Snapshot);
}

// Backspace takes the code point before the caret, never half of one; the
// arrows and Delete take whole characters as a reader sees them.
TEST_F(GreetingBandTest, BackspaceAndDeleteNeverSplitACharacter) {
    struct Case {
        const char* what;
        QString before;
        std::vector<Qt::Key> keys;
        QString after;
    };
    const QString grin = QString::fromUtf8("😀");
    const QString thumb = QString::fromUtf8("👍");
    const QString tone = QString::fromUtf8("🏽");
    const Case cases[] = {
        {"an emoji at the end", "Hi " + grin, {Qt::Key_Backspace}, "Hi "},
        {"an emoji alone", grin, {Qt::Key_Backspace}, ""},
        {"two emoji", grin + grin, {Qt::Key_Backspace}, grin},
        {"a skin tone is a code point of its own", "a" + thumb + tone, {Qt::Key_Backspace}, "a" + thumb},
        {"an accent of its own", QString::fromUtf8("Cafe\u0301"), {Qt::Key_Backspace}, "Cafe"},
        {"Left passes the emoji with its tone",
         thumb + tone + "x",
         {Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete},
         "x"},
        {"Delete takes the emoji with its tone",
         "x" + thumb + tone,
         {Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete},
         "x"},
        {"nothing before the caret", grin, {Qt::Key_Home, Qt::Key_Backspace}, grin},
    };
    openWith("");
    for (const Case& c : cases) {
        tree().WelcomeText = c.before.toStdString();
        click(layout::WelcomeText.center());
        key(Qt::Key_End);
        for (const Qt::Key k : c.keys) {
            key(k);
        }
        EXPECT_EQ(greeting(), c.after) << c.what;
        EXPECT_TRUE(QString::fromStdString(tree().WelcomeText).isValidUtf16()) << c.what;
        key(Qt::Key_Escape);
    }
    // Typed emoji come in whole, one key event each.
    tree().WelcomeText.clear();
    click(layout::WelcomeText.center());
    sendText(grin);
    sendText(thumb + tone);
    key(Qt::Key_Backspace);
    EXPECT_EQ(greeting(), grin + thumb);
}

} // namespace
