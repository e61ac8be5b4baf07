// The greeting editor on a real tree from the generated decoration: every
// change reaches the tree and the band at once, and the greeting the editor
// hands back at the end is what the description file keeps.
#include "controls/colorselect.h"
#include "controls/control0.h"
#include "controls/fontslistbox.h"
#include "controls/fontstyleslistbox.h"
#include "dialogs/dialog_support.h"
#include "dialogs/formwelcome.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/textfit.h"
#include "platform/paths.h"
#include "scene/descfile.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using dialogtest::click;
using dialogtest::whileShowing;

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

// A window with a greeting band that paints the tree's greeting, as the main
// window's band does, and counts its paints.
struct BandWindow {
    QWidget window;
    TControl0* band = nullptr;
    int paints = 0;

    explicit BandWindow(TTree& tree) {
        window.setGeometry(100, 50, 640, 480);
        band = new TControl0(&window);
        band->setGeometry(135, 0, 370, 32);
        band->OnPaint = [this, &tree](TControl0* sender) {
            ++paints;
            sender->Canvas()->fillRect(sender->rect(), Qt::black);
            TextFit(*sender->Canvas(), sender->rect(), QString::fromStdString(tree.WelcomeText),
                    TreeGreetingStyle(tree), sender->Tag != 0);
        };
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Paints that a change asked for, once the events have been processed.
    int paintsAfter(const std::function<void()>& change) {
        QCoreApplication::processEvents();
        const int before = paints;
        change();
        QCoreApplication::processEvents();
        return paints - before;
    }
};

class GreetingEditor : public ::testing::Test {
protected:
    void SetUp() override {
        home = testsupport::makeScratchHome("welcome");
        Paths.HDPath = home.home;
        DirectXVersion = 0x600;
    }

    // Replaces the greeting lines of the description file.
    void writeGreeting(const QString& text, const QString& params) {
        QFile file(home.desc);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray kept;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("WelcomeText=")) {
                kept += "WelcomeText=" + text.toUtf8() + '\n';
            } else if (line.startsWith("WelcomeParams=")) {
                kept += "WelcomeParams=" + params.toUtf8() + '\n';
            } else if (!line.isEmpty()) {
                kept += line + '\n';
            }
        }
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(kept);
    }
    QString savedLine(const QString& key) const {
        QFile file(home.desc);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith(key.toUtf8())) {
                return QString::fromUtf8(line.mid(key.size())).trimmed();
            }
        }
        return "(missing)";
    }

    void start() {
        QImage background(370, 376, QImage::Format_RGB32);
        background.fill(QColor(12, 20, 48));
        tree = std::make_unique<TTree>("desc", QSize(370, 376), background);
        ASSERT_FALSE(tree->loadError());
        window = std::make_unique<BandWindow>(*tree);
        editor = std::make_unique<TFormWelcome>();
        editor->Prepare(dialogtest::resourcePicture("Welcome.bmp"), tree.get(), window->band,
                        &window->window);
    }
    // Program end: the editor goes first and hands its greeting to the tree,
    // which then saves.
    void stop() {
        editor.reset();
        window.reset();
        tree.reset();
    }

    static void choose(QListWidget* list, const QString& item) {
        const auto found = list->findItems(item, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << item.toStdString();
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    testsupport::ScratchHome home;
    std::unique_ptr<TTree> tree;
    std::unique_ptr<BandWindow> window;
    std::unique_ptr<TFormWelcome> editor;
};

} // namespace

TEST_F(GreetingEditor, TypingRepaintsTheBandAndTheTextIsSaved) {
    writeGreeting("Hello", "DejaVu Sans,Book,FF:00:00");
    start();
    whileShowing(*editor, [&] {
        EXPECT_EQ(window->band->Tag, 1);
        EXPECT_EQ(editor->WelcomeText->text(), "Hello");
        for (const char key : QByteArray(", world")) {
            EXPECT_GE(window->paintsAfter([&] { QTest::keyClick(editor->WelcomeText, key); }), 1) << key;
        }
        EXPECT_EQ(tree->WelcomeText, "Hello, world");
        click(editor->Cancel);
    });
    editor->Execute();
    EXPECT_EQ(window->band->Tag, 0);
    // Centred under the band: 100 + (640 − 579) / 2, and 50 + 0 + 32.
    EXPECT_EQ(editor->pos(), QPoint(130, 82));
    stop();
    EXPECT_EQ(savedLine("WelcomeText="), "Hello, world");
    EXPECT_EQ(savedLine("WelcomeParams="), "DejaVu Sans,Book,FF:00:00");
}

TEST_F(GreetingEditor, InputStopsWhereTheFileWouldCutTheGreeting) {
    start();
    struct Case {
        const char* what;
        QString before;
        int caret;
        QString added;
        bool typed; // typed key by key, else pasted at once
        QString after;
    };
    const QString a(240, 'a');
    const Case cases[] = {
        {"typing stops at 242 bytes", a, 240, "bcd", true, a + "bc"},
        {"a two-byte letter that no longer fits", a + "b", 241, QString::fromUtf8("é"), true, a + "b"},
        {"a paste keeps whole characters that fit", a.left(239), 239, QString::fromUtf8("€x€"), false,
         a.left(239) + QString::fromUtf8("€")},
        {"a four-byte character", a.left(238), 238, QString::fromUtf8("😀😀"), false,
         a.left(238) + QString::fromUtf8("😀")},
        {"a full greeting takes nothing in front", QString(242, 'a'), 0, "Z", true, QString(242, 'a')},
        {"a paste in the middle gives way, not the end", a.left(100) + QString(100, 'c'), 100,
         QString(60, 'b'), false, a.left(100) + QString(42, 'b') + QString(100, 'c')},
    };
    for (const Case& c : cases) {
        editor->WelcomeText->setText(c.before);
        editor->WelcomeText->setCursorPosition(c.caret);
        if (c.typed) {
            typeText(editor->WelcomeText, c.added);
        } else {
            editor->WelcomeText->insert(c.added);
        }
        EXPECT_EQ(editor->WelcomeText->text(), c.after) << c.what;
    }
    stop();
    EXPECT_EQ(savedLine("WelcomeText="), std::end(cases)[-1].after) << "comes back whole after a restart";
}

TEST_F(GreetingEditor, AGreetingTooLongForTheRibbonShowsAQuietHintAndIsKept) {
    const QString twoLines =
        QString::fromUtf8("Liebe Oma, lieber Opa, wir wünschen euch frohe Weihnachten, viel "
                          "Gesundheit und ein gutes neues Jahr 2027! Eure Lena :)");
    writeGreeting(twoLines, "Dancing Script,Bold,FA:CC:4D");
    start();
    whileShowing(*editor, [&] {
        EXPECT_FALSE(editor->TooLongHint->isVisible()) << "two lines of 12 px read well";
        editor->WelcomeText->end(false);
        typeText(editor->WelcomeText,
                 " Wir freuen uns schon auf den Sommer bei euch am See und auf viele Spiele!");
        EXPECT_TRUE(editor->TooLongHint->isVisible());
        EXPECT_GT(editor->WelcomeText->textMargins().right(), editor->TooLongHint->width());
        QTest::keyClick(editor->WelcomeText, Qt::Key_A, Qt::ControlModifier);
        typeText(editor->WelcomeText, "Hi");
        EXPECT_FALSE(editor->TooLongHint->isVisible());
        EXPECT_EQ(editor->WelcomeText->textMargins().right(), 0);
        typeText(editor->WelcomeText, QString(250, 'm'));
        EXPECT_TRUE(editor->TooLongHint->isVisible());
        click(editor->Cancel);
    });
    editor->Execute();
    EXPECT_EQ(tree->WelcomeText, "Hi" + std::string(240, 'm')) << "kept up to the file's limit";
}

TEST_F(GreetingEditor, FamilyAndStyleChangeTheBandAndSurviveARestart) {
    writeGreeting("Season's greetings", "DejaVu Sans,Book,00:80:FF");
    start();
    EXPECT_EQ(editor->FontsListBox->SelectedText(), "DejaVu Sans");
    EXPECT_EQ(editor->FontStylesListBox->SelectedText(), "Book");
    const QImage before = window->band->grab().toImage();
    whileShowing(*editor, [&] {
        EXPECT_GE(window->paintsAfter([&] { choose(editor->FontsListBox, "DejaVu Serif"); }), 1);
        EXPECT_GE(window->paintsAfter([&] { choose(editor->FontStylesListBox, "Bold Italic"); }), 1);
        QTest::keyClick(editor.get(), Qt::Key_Escape);
    });
    editor->Execute();
    EXPECT_EQ(tree->FontName, "DejaVu Serif");
    EXPECT_EQ(tree->FontStyle, "Bold Italic");
    const QFont shown = GreetingFont(TreeGreetingStyle(*tree), 20);
    EXPECT_EQ(shown.family(), "DejaVu Serif");
    EXPECT_TRUE(shown.italic());
    EXPECT_NE(window->band->grab().toImage(), before);
    stop();
    EXPECT_EQ(savedLine("WelcomeParams="), "DejaVu Serif,Bold Italic,00:80:FF");

    start();
    EXPECT_EQ(editor->FontsListBox->SelectedText(), "DejaVu Serif");
    EXPECT_EQ(editor->FontStylesListBox->SelectedText(), "Bold Italic");
    EXPECT_EQ(editor->ColorSelect->GetColor(), 0xFF8000u);
}

TEST_F(GreetingEditor, AFamilyThatIsNotInstalledIsSavedAsEmptyNames) {
    writeGreeting("Hi", "No Such Family,Regular,FA:CC:4D");
    start();
    EXPECT_FALSE(editor->FontsListBox->HasSelection());
    whileShowing(*editor, [&] {
        QTest::keyClick(editor->WelcomeText, '!');
        // Passing through the family list chooses nothing.
        editor->FontsListBox->setFocus(Qt::TabFocusReason);
        editor->FontStylesListBox->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(editor->FontsListBox->HasSelection());
        click(editor->Cancel);
    });
    editor->Execute();
    stop();
    EXPECT_EQ(savedLine("WelcomeText="), "Hi!");
    // Empty names, as the description file writes empty fields.
    EXPECT_EQ(savedLine("WelcomeParams="), QString("%1,%1,FA:CC:4D").arg(EmptyFieldText));
    // The file reads back, and the editor starts without a family again.
    start();
    EXPECT_FALSE(editor->FontsListBox->HasSelection());
}

TEST_F(GreetingEditor, AStyleTheFamilyLacksBecomesItsFirstStyle) {
    writeGreeting("Hi", "dejavu serif,Heavy,FA:CC:4D");
    start();
    EXPECT_EQ(editor->FontsListBox->SelectedText(), "DejaVu Serif");
    const QString first = editor->FontStylesListBox->item(0)->text();
    EXPECT_EQ(editor->FontStylesListBox->SelectedText(), first);
    // The band shows what the lists show.
    EXPECT_EQ(tree->FontName, "DejaVu Serif");
    EXPECT_EQ(QString::fromStdString(tree->FontStyle), first);
}

TEST_F(GreetingEditor, DraggingInTheColourPickerRecoloursTheBandOnEveryMove) {
    writeGreeting("Colours", "DejaVu Sans,Book,00:00:00");
    start();
    whileShowing(*editor, [&] {
        TColorSelect* picker = editor->ColorSelect;
        EXPECT_GE(window->paintsAfter([&] { QTest::mousePress(picker, Qt::LeftButton, {}, QPoint(10, 20)); }),
                  1);
        EXPECT_EQ(tree->WelcomeColor, 10u | 20u << 8);
        for (const QPoint p : {QPoint(60, 20), QPoint(120, 200), QPoint(250, 5)}) {
            EXPECT_GE(window->paintsAfter([&] { QTest::mouseMove(picker, p); }), 1);
            EXPECT_EQ(tree->WelcomeColor, uint32_t(p.x()) | uint32_t(p.y()) << 8);
        }
        QTest::mouseRelease(picker, Qt::LeftButton, {}, QPoint(250, 5));
        click(editor->Cancel);
    });
    editor->Execute();
    stop();
    EXPECT_EQ(savedLine("WelcomeParams="), "DejaVu Sans,Book,FA:05:00");
}

TEST_F(GreetingEditor, EscapeClosesLikeTheCloseButtonAndUndoesNothing) {
    writeGreeting("", "DejaVu Sans,Book,FA:CC:4D");
    start();
    for (const bool escape : {true, false}) {
        whileShowing(*editor, [&] {
            QTest::keyClicks(editor->WelcomeText, escape ? "a" : "b");
            if (escape) {
                QTest::keyClick(editor->FontsListBox, Qt::Key_Escape);
            } else {
                click(editor->Cancel);
            }
        });
        editor->Execute();
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(window->band->Tag, 0);
    }
    EXPECT_EQ(tree->WelcomeText, "ab");
}

TEST_F(GreetingEditor, ShotUnderTheGreetingBand) {
    writeGreeting("Merry Christmas!", "Dancing Script,Bold,FA:CC:4D");
    start();
    // The main window's face with its band in editing mode, the editor right under the band.
    QImage mainFace = dialogtest::resourcePicture("Bk.bmp");
    QPainter painter(&mainFace);
    TextFit(painter, QRect(135, 0, 370, 32), QString::fromStdString(tree->WelcomeText),
            TreeGreetingStyle(*tree), true);
    painter.end();
    const QPoint at((640 - 579) / 2, 32);
    const QImage shot = dialogtest::shotOverMainWindow(*editor, at, mainFace, "greeting-editor");
    // Outside the outline the main window shows; the close button shows its normal frame.
    EXPECT_EQ(shot.pixel(at), mainFace.pixel(at));
    const QImage face = dialogtest::resourcePicture("Welcome.bmp");
    EXPECT_EQ(shot.pixel(at + QPoint(508 + 14, 15 + 14)), face.pixel(506 + 14, 52 + 14));
}
