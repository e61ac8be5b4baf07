// The title window on the offscreen platform, with the generated pictures,
// film and sound, and SDL's dummy audio driver.
#include "dialogs/formtitle.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "support/test_paths.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <thread>

namespace {

class FormTitle : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Paths;
        Paths.HDPath = testsupport::buildDir() + "/";
        Paths.Debug = false;
        Paths.First = false;
        TimeThread = &clock_;
    }
    void TearDown() override {
        TimeThread = nullptr;
        Paths = saved_;
    }

    // A home whose Data/Resource holds the title pictures and sound but no film.
    QString homeWithoutFilm() {
        const QString home = testsupport::scratchDir("title-home");
        QDir().mkpath(home + "/Data/Resource");
        for (const char* name : {"Empty.bmp", "Bk.bmp", "Tree.bmp", "Text.bmp", "Title.wav"}) {
            QFile::link(testsupport::buildDir() + "/Data/Resource/" + name, home + "/Data/Resource/" + name);
        }
        return home + "/";
    }

    TTimeThread clock_{10};
    TPaths saved_;
};

// The part of the screen picture that a step's sprite covers equals the
// sprite there, wherever the sprite is not white.
bool spriteShownAtFullStrength(const QImage& screen, const QImage& sprite, int x, int y) {
    for (int j = 0; j < sprite.height(); ++j) {
        for (int i = 0; i < sprite.width(); ++i) {
            const QRgb s = sprite.pixel(i, j) & 0xFFFFFF;
            if (s != 0xFFFFFF && (screen.pixel(x + i, y + j) & 0xFFFFFF) != s) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(FormTitle, FilmThenFadesThenTheMainWindowThenTheEnd) {
    int mainWindowRuns = 0;
    bool refusedDuringFades = false;
    TFormTitle* titlePointer = nullptr;
    TFormTitle title([&] {
        ++mainWindowRuns;
        // No gap: the title stays up until the decorating window is there.
        EXPECT_TRUE(titlePointer->isVisible());
    });
    titlePointer = &title;
    QSignalSpy finished(&title, &TFormTitle::finished);
    title.FormShow();

    // The film plays centred on the black full-screen window.
    EXPECT_TRUE(title.MediaPlayer().IsPlaying());
    EXPECT_EQ(title.MediaPlayer().Display(), &title);
    EXPECT_GT(title.width(), 640);
    EXPECT_EQ(title.MediaPlayer().DisplayRect().topLeft(),
              QPoint((title.width() - 320) / 2, (title.height() - 240) / 2));
    title.close();
    EXPECT_TRUE(title.isVisible());

    // Then the 640 × 480 window with the title sound and the fades.
    ASSERT_TRUE(QTest::qWaitFor([&] { return title.MediaPlayer().Display() == nullptr; }, 15000));
    EXPECT_EQ(title.size(), QSize(640, 480));
    EXPECT_TRUE(title.MediaPlayer().IsPlaying());
    EXPECT_TRUE(title.MediaPlayer().FileName().endsWith("Title.wav"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return title.Step() == 2; }, 15000));
    refusedDuringFades = !title.close() && title.isVisible();
    EXPECT_TRUE(refusedDuringFades);

    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 20000));
    EXPECT_EQ(mainWindowRuns, 1);
    EXPECT_EQ(title.Step(), 5);
    EXPECT_FALSE(title.ScreenPicture());
    EXPECT_TRUE(title.FormCloseQuery());
    EXPECT_FALSE(title.MediaPlayer().IsOpen());
}

// A click or a key during the film or the fades ends the title at once: the
// finished title picture stays in the window until the decorating window is
// on the screen, then the title goes out of sight.
TEST_F(FormTitle, AClickOrAKeyDuringTheFilmOrTheFadesShowsTheMainWindowAtOnce) {
    enum Input { Click, Escape, Space };
    const struct {
        const char* name;
        bool film; // during the film, else during the third fade
        Input input;
    } rows[] = {{"click during the film", true, Click},
                {"Escape during the film", true, Escape},
                {"click during the fades", false, Click},
                {"Space during the fades", false, Space}};
    const QImage background =
        QImage(testsupport::buildDir() + "/Data/Resource/Bk.bmp").convertToFormat(QImage::Format_RGB32);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.film) {
            Paths.HDPath = homeWithoutFilm();
        }
        TFormTitle* titlePointer = nullptr;
        int mainWindowRuns = 0;
        bool hiddenUnderTheMainWindow = false;
        QImage shownBeforeTheMainWindow;
        TFormTitle title([&] {
            ++mainWindowRuns;
            shownBeforeTheMainWindow = titlePointer->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QWidget mainWindow;
            mainWindow.resize(640, 480);
            mainWindow.show();
            hiddenUnderTheMainWindow = QTest::qWaitFor([&] { return !titlePointer->isVisible(); }, 5000);
        });
        titlePointer = &title;
        QSignalSpy finished(&title, &TFormTitle::finished);
        title.FormShow();
        if (row.film) {
            ASSERT_TRUE(title.MediaPlayer().Display());
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&] { return title.Step() == 2; }, 15000));
        }
        if (row.input == Click) {
            QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(100, 100));
        } else {
            QTest::keyClick(&title, row.input == Escape ? Qt::Key_Escape : Qt::Key_Space);
        }
        EXPECT_EQ(title.Step(), 5);
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 5000));
        EXPECT_EQ(mainWindowRuns, 1);
        EXPECT_TRUE(hiddenUnderTheMainWindow);
        ASSERT_EQ(shownBeforeTheMainWindow.size(), QSize(640, 480));
        // Outside the tree and text the finished title is the window background.
        for (const QPoint p : {QPoint(10, 10), QPoint(600, 450), QPoint(320, 400)}) {
            EXPECT_EQ(shownBeforeTheMainWindow.pixel(p), background.pixel(p)) << p.x() << "," << p.y();
        }
        EXPECT_FALSE(title.MediaPlayer().IsOpen());
    }
}

// A modifier alone (the Alt of Alt+Tab while switching windows, Shift, Ctrl,
// Caps Lock) or Alt+Tab itself leaves the film playing; Enter then skips.
TEST_F(FormTitle, OnlyEscapeSpaceOrEnterSkipsTheTitle) {
    TFormTitle title([] {});
    title.FormShow();
    ASSERT_TRUE(title.MediaPlayer().Display());
    // As the keyboard sends them (QTest knows no AltGr or Caps Lock).
    for (const Qt::Key key :
         {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta, Qt::Key_AltGr, Qt::Key_CapsLock}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&title, &press);
        EXPECT_EQ(title.Step(), 0) << key;
    }
    QTest::keyClick(&title, Qt::Key_Tab, Qt::AltModifier);
    EXPECT_EQ(title.MediaPlayer().Display(), &title);
    QTest::keyClick(&title, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(title.Step(), 5);
}

TEST_F(FormTitle, WithoutAFilmTheFadesBeginAtOnce) {
    Paths.HDPath = homeWithoutFilm();
    TFormTitle title([] {});
    title.FormShow();
    EXPECT_FALSE(title.MediaPlayer().IsOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return title.MediaPlayer().Display() == nullptr; }, 1000));
    EXPECT_EQ(title.size(), QSize(640, 480));
    EXPECT_TRUE(title.MediaPlayer().IsPlaying()); // the title sound
}

TEST_F(FormTitle, HintsStayUpAnHourUnlessAWidgetChoseItsOwnTime) {
    TFormTitle title([] {});
    struct Case {
        int chosen;   // the widget's own hint time, -1 for none
        int shownFor; // how long its hint stays up
    };
    for (const Case c : {Case{-1, 3600000}, Case{2500, 2500}}) {
        QWidget widget;
        widget.setToolTip("Close");
        widget.setToolTipDuration(c.chosen);
        widget.resize(40, 20);
        widget.show();
        QHelpEvent hint(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&widget, &hint);
        EXPECT_EQ(widget.toolTipDuration(), c.shownFor);
        EXPECT_TRUE(QToolTip::isVisible());
        QToolTip::hideText();
    }
}

TEST_F(FormTitle, ASecondNotificationChangesNothing) {
    Paths.HDPath = homeWithoutFilm();
    TFormTitle title([] {});
    title.SetIdleTimerEnabled(false);
    title.FormShow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return title.MediaPlayer().Display() == nullptr; }, 1000));
    title.AppEventsIdle();
    QTest::qWait(300);
    const int before = TimeThread->ElapsedMs();
    const QRect geometry = title.geometry();
    const QImage screen = *title.ScreenPicture();
    // The end of the title sound.
    title.MediaPlayerNotify();
    EXPECT_GE(TimeThread->ElapsedMs(), before);
    EXPECT_EQ(title.geometry(), geometry);
    EXPECT_EQ(title.Step(), 0);
    EXPECT_EQ(*title.ScreenPicture(), screen);
    EXPECT_TRUE(title.MediaPlayer().FileName().endsWith("Title.wav"));
}

TEST_F(FormTitle, AStepOverrunByALongPauseIsDrawnAtFullStrengthOnce) {
    Paths.HDPath = homeWithoutFilm();
    TFormTitle title([] {});
    title.SetIdleTimerEnabled(false);
    title.FormShow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return title.MediaPlayer().Display() == nullptr; }, 1000));

    // The step's clock, not the wall clock: on a busy machine the clock's
    // thread may count behind it.
    const auto waitForClock = [](int ms) {
        while (TimeThread->ElapsedMs() < ms) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    };
    // Half-way: neither the desktop nor the sprite.
    waitForClock(500);
    title.AppEventsIdle();
    EXPECT_FALSE(title.StepDone());
    EXPECT_FALSE(spriteShownAtFullStrength(*title.ScreenPicture(), *title.SpritePicture(), 0, 0));

    // A pause longer than the step's 1024 ms.
    waitForClock(1700);
    title.AppEventsIdle();
    EXPECT_TRUE(title.StepDone());
    EXPECT_EQ(title.Step(), 0);
    EXPECT_TRUE(spriteShownAtFullStrength(*title.ScreenPicture(), *title.SpritePicture(), 0, 0));

    // The next turn starts step 1 with a fresh clock: the piece of the background.
    title.AppEventsIdle();
    EXPECT_EQ(title.Step(), 1);
    EXPECT_FALSE(title.StepDone());
    EXPECT_EQ(title.SpritePicture()->size(), QSize(240, 120));
    EXPECT_LT(TimeThread->ElapsedMs(), 500);
}

TEST_F(FormTitle, TheShortcutQuestionComesOnTheFirstRunOnly) {
    const QString home = testsupport::scratchDir("title-desktop");
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/config").toLocal8Bit());
    Paths.Debug = true; // straight on to the main window

    for (const bool yes : {false, true}) {
        Paths.First = true;
        int asked = 0;
        int mainWindowRuns = 0;
        TFormTitle title([&] { ++mainWindowRuns; });
        title.AskShortcut = [&] {
            ++asked;
            return yes;
        };
        QSignalSpy finished(&title, &TFormTitle::finished);
        title.FormShow();
        EXPECT_EQ(asked, 1);
        EXPECT_FALSE(Paths.First);
        EXPECT_EQ(QFile::exists(home + "/Desktop/Pinewick.desktop"), yes);
        // With the debug switch: no film, no sound, no fades.
        EXPECT_EQ(mainWindowRuns, 1);
        EXPECT_FALSE(title.MediaPlayer().IsOpen());
        EXPECT_EQ(title.Step(), 5);
        EXPECT_EQ(finished.count(), 1);

        // The next run does not ask again.
        TFormTitle next([] {});
        next.AskShortcut = [&] {
            ++asked;
            return yes;
        };
        next.FormShow();
        EXPECT_EQ(asked, 1);
    }
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(FormTitle, TheShortcutQuestionIsAMessageBoxWithYesAsDefault) {
    TFormTitle title([] {});
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        text = box->text();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(title.AskShortcut());
    EXPECT_EQ(text,
              "Do you want to create " + QGuiApplication::applicationName() + " shortcut\non your desktop ?");
}

} // namespace
