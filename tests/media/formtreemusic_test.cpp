// The main window's music button, song cycle and landing sounds, with the
// real players on SDL's dummy audio driver.
#include "controls/control0.h"
#include "controls/controlnr.h"
#include "mainwindow/formtree.h"
#include "media/mediaplayer.h"
#include "media_files.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

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

class FormTreeMusic : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = testsupport::makeScratchHome(::testing::UnitTest::GetInstance()->current_test_info()->name());
        Paths.HDPath = home_.home;
        DirectXVersion = 0x500; // no fetching mouse: every fall ends in a landing
        clock_ = std::make_unique<TTimeThread>(10);
        TimeThread = clock_.get();
    }
    void TearDown() override {
        form_.reset();
        TimeThread = nullptr;
        clock_.reset();
    }

    // Sets the "Music=" line of the description file.
    void setMusic(int on, int song) {
        QFile file(home_.desc);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const qsizetype start = text.indexOf("Music=");
        ASSERT_GE(start, 0);
        const qsizetype end = text.indexOf('\n', start);
        text.replace(start, end - start,
                     QByteArray("Music=") + QByteArray::number(on) + "," + QByteArray::number(song) + "\r");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray savedMusicLine() const {
        QFile file(home_.desc);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("Music=")) {
                return line.trimmed();
            }
        }
        return {};
    }
    // Songs of their own: a resource folder of links with short songs in place of the carols.
    void useShortSongs() {
        const QString resource = home_.home + "Data/Resource";
        const QString generated = testsupport::buildDir() + "/Data/Resource/";
        QFile::remove(resource);
        QDir().mkpath(resource);
        for (const QString& entry : QDir(generated).entryList(QDir::Files)) {
            if (!entry.startsWith("Song")) {
                QFile::link(generated + entry, resource + "/" + entry);
            }
        }
        for (int n = 0; n <= 8; ++n) {
            mediatest::writeNote(resource + QString("/Song%1.mid").arg(n), 0.1);
        }
    }

    TFormTree& open() {
        form_ = std::make_unique<TFormTree>();
        form_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->FormActivate();
        QCoreApplication::processEvents();
        return *form_;
    }
    TControl0* control(const QString& name) const {
        return form_->findChild<TControl0*>(name, Qt::FindDirectChildrenOnly);
    }
    // A click on the music button, through the window.
    void clickMusic(Qt::MouseButton button) {
        QTest::mouseClick(form_->windowHandle(), button, {}, control("bMusic")->geometry().center());
    }
    QString song(int n) const { return home_.home + "Data/Resource/Song" + QString::number(n) + ".mid"; }

    // Drops a toy of the first case into the sky at the tree's top-left
    // corner and waits until it has landed (the landing sound starts then).
    void dropAToy() {
        TControlNR* slot = form_->findChild<TControlNR*>("Toy1", Qt::FindDirectChildrenOnly);
        QWindow* window = form_->windowHandle();
        const QPoint from = SlotGrabPoint(*slot);
        const QPoint to = control("TreeControl")->geometry().topLeft() + QPoint(4, 4);
        QTest::mouseMove(window, from + QPoint(1, 0));
        QTest::mouseMove(window, from);
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseMove(window, from + (to - from) * i / 4);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        ASSERT_EQ(form_->InputState, TFormTree::StateFalling);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form_->InputState == TFormTree::StateLanding; }, 20000));
    }

    testsupport::ScratchHome home_;
    std::unique_ptr<TTimeThread> clock_;
    std::unique_ptr<TFormTree> form_;
};

TEST_F(FormTreeMusic, TheFirstActivationPlaysTheStoredSongWhenMusicIsOn) {
    for (const int on : {1, 0}) {
        setMusic(on, 4);
        TFormTree& form = open();
        EXPECT_EQ(form.MediaPlayer->IsPlaying(), on == 1) << on;
        if (on) {
            EXPECT_EQ(form.MediaPlayer->FileName(), song(4));
        }
        // Later activations leave the music alone.
        form.MediaPlayer->Stop();
        form.FormActivate();
        EXPECT_FALSE(form.MediaPlayer->IsPlaying());
        form_.reset();
    }
}

TEST_F(FormTreeMusic, ALeftClickPlaysTheNextSongAndARightClickSilencesEverything) {
    setMusic(0, 8);
    TFormTree& form = open();
    EXPECT_FALSE(form.MediaPlayer->IsOpen());

    // Off, stored song 8: on, song 0.
    clickMusic(Qt::LeftButton);
    EXPECT_EQ(form.tree()->MusicOn, 1);
    EXPECT_EQ(form.tree()->SongNumber, 0);
    EXPECT_TRUE(form.MediaPlayer->IsPlaying());
    EXPECT_EQ(form.MediaPlayer->FileName(), song(0));
    clickMusic(Qt::LeftButton);
    EXPECT_EQ(form.MediaPlayer->FileName(), song(1));

    // Right: off, the song stops; again while off: still nothing plays.
    for (int i = 0; i < 2; ++i) {
        clickMusic(Qt::RightButton);
        EXPECT_EQ(form.tree()->MusicOn, 0);
        EXPECT_EQ(form.tree()->SongNumber, 1);
        EXPECT_FALSE(form.MediaPlayer->IsOpen());
        EXPECT_FALSE(form.DropPlayer->IsOpen());
    }
    // A stopped song sends no successful end: the cycle stays where it was.
    QTest::qWait(300);
    EXPECT_EQ(form.tree()->SongNumber, 1);
}

TEST_F(FormTreeMusic, AReleaseOnTheButtonsEdgesCountsAndOneBeyondDoesNot) {
    setMusic(0, 2);
    TFormTree& form = open();
    const QSize size = control("bMusic")->size();
    struct Case {
        QPoint at;
        bool counts;
    };
    for (const Case& c :
         {Case{{size.width() + 1, 0}, false}, Case{{0, size.height() + 1}, false}, Case{{-1, 5}, false},
          Case{{size.width(), size.height()}, true}, Case{{0, 0}, true}}) {
        const int before = form.tree()->SongNumber;
        form.bMusicMouseUp(Qt::LeftButton, c.at.x(), c.at.y());
        EXPECT_EQ(form.tree()->SongNumber, before + (c.counts ? 1 : 0)) << c.at.x() << "," << c.at.y();
    }
    // Neither left nor right: nothing.
    const int before = form.tree()->SongNumber;
    form.bMusicMouseUp(Qt::MiddleButton, 1, 1);
    EXPECT_EQ(form.tree()->SongNumber, before);
}

TEST_F(FormTreeMusic, ASongThatEndsStartsTheNextAndTheLastIsFollowedByTheFirst) {
    useShortSongs();
    setMusic(1, 8);
    TFormTree& form = open();
    EXPECT_EQ(form.MediaPlayer->FileName(), song(8));
    // A short song ends a few seconds later, when the synthesizer has rung out.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.tree()->SongNumber == 0; }, 20000));
    EXPECT_EQ(form.MediaPlayer->FileName(), song(0));
    EXPECT_TRUE(form.MediaPlayer->IsPlaying());
}

TEST_F(FormTreeMusic, AMissingSongStallsTheCycleUntilTheNextClick) {
    useShortSongs();
    QFile::remove(song(3));
    setMusic(1, 3);
    TFormTree& form = open();
    EXPECT_FALSE(form.MediaPlayer->IsOpen());
    QTest::qWait(300);
    EXPECT_EQ(form.tree()->SongNumber, 3);
    clickMusic(Qt::LeftButton);
    EXPECT_TRUE(form.MediaPlayer->IsPlaying());
    EXPECT_EQ(form.MediaPlayer->FileName(), song(4));
}

TEST_F(FormTreeMusic, LandingsSoundOnlyWithMusicOnAndARightClickCutsTheSound) {
    for (const int on : {0, 1}) {
        setMusic(on, 0);
        TFormTree& form = open();
        dropAToy();
        EXPECT_EQ(form.DropPlayer->IsPlaying(), on == 1) << on;
        if (on) {
            EXPECT_TRUE(form.DropPlayer->FileName().endsWith(".wav"));
            clickMusic(Qt::RightButton);
            EXPECT_FALSE(form.DropPlayer->IsOpen());
            EXPECT_FALSE(form.MediaPlayer->IsOpen());
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.InputState == TFormTree::StateRest; }, 20000));
        EXPECT_FALSE(form.DropPlayer->IsPlaying());
        form_.reset();
    }
}

TEST_F(FormTreeMusic, TheSwitchAndTheSongSurviveARestart) {
    setMusic(0, 5);
    open();
    clickMusic(Qt::LeftButton);
    form_.reset();
    EXPECT_EQ(savedMusicLine(), "Music=1,6");
    TFormTree& form = open();
    EXPECT_TRUE(form.MediaPlayer->IsPlaying());
    EXPECT_EQ(form.MediaPlayer->FileName(), song(6));
    clickMusic(Qt::RightButton);
    form_.reset();
    EXPECT_EQ(savedMusicLine(), "Music=0,6");
}

} // namespace
