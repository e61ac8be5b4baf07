// The media player with SDL's dummy audio driver (real-time pacing, no sound
// card) and, where a test checks what was played, its disk driver.
#include "media/audiodevice.h"
#include "media/mediaplayer.h"
#include "media_files.h"
#include "support/test_paths.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <SDL_mixer.h>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

using mediatest::writeNote;
using mediatest::writeTone;

// Collects the kinds of the notifications a player sends.
struct Notifications {
    explicit Notifications(TMediaPlayer& player) {
        QObject::connect(&player, &TMediaPlayer::OnNotify, &player,
                         [this, &player] { kinds.push_back(player.NotifyValue()); });
    }
    std::vector<TMPNotifyValues> kinds;
};

// Runs the event loop for ms milliseconds.
void pump(int ms) {
    QTest::qWait(ms);
}

// Runs the event loop until done() or timeout.
template <class F> bool pumpUntil(F done, int timeout = 10000) {
    return QTest::qWaitFor(done, timeout);
}

class MediaPlayer : public ::testing::Test {
protected:
    QString dir = testsupport::scratchDir("media");
    QString shortTone = writeTone(dir + "/short.wav", 0.15);
    QString longTone = writeTone(dir + "/long.wav", 5.0);
};

TEST_F(MediaPlayer, ASoundPlayedToItsEndNotifiesSuccessOnce) {
    TMediaPlayer player;
    Notifications seen(player);
    player.SetFileName(shortTone);
    ASSERT_TRUE(player.Open()) << qPrintable(player.LastError());
    ASSERT_TRUE(player.Play());
    EXPECT_TRUE(player.IsPlaying());
    ASSERT_TRUE(pumpUntil([&] { return !seen.kinds.empty(); }));
    pump(200);
    ASSERT_EQ(seen.kinds.size(), 1u);
    EXPECT_EQ(seen.kinds[0], TMPNotifyValues::nvSuccessful);
    EXPECT_FALSE(player.IsPlaying());

    // At the end, Play rewinds and plays it again.
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(pumpUntil([&] { return seen.kinds.size() == 2; }));
    EXPECT_EQ(seen.kinds[1], TMPNotifyValues::nvSuccessful);
}

TEST_F(MediaPlayer, StopAndCloseAbortThePlayAndNeverReportSuccess) {
    for (const bool close : {false, true}) {
        TMediaPlayer player;
        Notifications seen(player);
        player.SetFileName(shortTone);
        ASSERT_TRUE(player.Open());
        ASSERT_TRUE(player.Play());
        if (close) {
            EXPECT_TRUE(player.Close());
        } else {
            EXPECT_TRUE(player.Stop());
        }
        // Long after the sound would have ended.
        pump(600);
        ASSERT_EQ(seen.kinds.size(), 1u) << "close " << close;
        EXPECT_EQ(seen.kinds[0], TMPNotifyValues::nvAborted);
    }
}

TEST_F(MediaPlayer, StopPausesAndPlayGoesOnToTheEnd) {
    TMediaPlayer player;
    Notifications seen(player);
    player.SetFileName(writeTone(dir + "/half.wav", 0.4));
    ASSERT_TRUE(player.Open());
    ASSERT_TRUE(player.Play());
    pump(100);
    ASSERT_TRUE(player.Stop());
    pump(700);
    EXPECT_EQ(seen.kinds, std::vector{TMPNotifyValues::nvAborted});
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(pumpUntil([&] { return seen.kinds.size() == 2; }));
    EXPECT_EQ(seen.kinds[1], TMPNotifyValues::nvSuccessful);
}

TEST_F(MediaPlayer, MissingOrUnplayableFilesFailToOpenAndNeverNotify) {
    QFile junk(dir + "/junk.wav");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a wave file");
    junk.close();
    for (const QString& name : {dir + "/absent.wav", dir + "/absent.mid", dir + "/absent.avi",
                                junk.fileName(), dir + "/short.txt"}) {
        TMediaPlayer player;
        Notifications seen(player);
        player.SetFileName(name);
        EXPECT_FALSE(player.Open()) << qPrintable(name);
        EXPECT_FALSE(player.LastError().isEmpty());
        EXPECT_FALSE(player.IsOpen());
        EXPECT_FALSE(player.Play());
        EXPECT_FALSE(player.Stop());
        EXPECT_TRUE(player.Close());
        pump(100);
        EXPECT_TRUE(seen.kinds.empty()) << qPrintable(name);
    }
}

TEST_F(MediaPlayer, TwoStopClosePairsInARowAreHarmless) {
    TMediaPlayer player;
    Notifications seen(player);
    player.SetFileName(longTone);
    ASSERT_TRUE(player.Open());
    ASSERT_TRUE(player.Play());
    EXPECT_TRUE(player.Stop());
    EXPECT_TRUE(player.Close());
    EXPECT_FALSE(player.Stop()); // not open: the device error, ignored by every caller
    EXPECT_TRUE(player.Close());
    pump(100);
    EXPECT_EQ(seen.kinds, std::vector{TMPNotifyValues::nvAborted});
    // The player is as good as new.
    player.SetFileName(shortTone);
    ASSERT_TRUE(player.Open());
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(pumpUntil([&] { return seen.kinds.size() == 2; }));
    EXPECT_EQ(seen.kinds[1], TMPNotifyValues::nvSuccessful);
}

TEST_F(MediaPlayer, TheNotifySwitchIsOffForTheNextCommandOnly) {
    TMediaPlayer player;
    Notifications seen(player);
    player.SetFileName(shortTone);
    ASSERT_TRUE(player.Open());
    player.SetNotify(false);
    ASSERT_TRUE(player.Play());
    EXPECT_TRUE(player.Notify());
    pump(600);
    EXPECT_TRUE(seen.kinds.empty());

    // Switched off before Open, it is used up by Open: the play notifies.
    player.SetNotify(false);
    ASSERT_TRUE(player.Open());
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(pumpUntil([&] { return !seen.kinds.empty(); }));
    EXPECT_EQ(seen.kinds, std::vector{TMPNotifyValues::nvSuccessful});
}

TEST_F(MediaPlayer, ASecondPlaySupersedesTheFirstsNotification) {
    TMediaPlayer player;
    Notifications seen(player);
    player.SetFileName(shortTone);
    ASSERT_TRUE(player.Open());
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(pumpUntil([&] { return seen.kinds.size() == 2; }));
    pump(300);
    EXPECT_EQ(seen.kinds, (std::vector{TMPNotifyValues::nvSuperseded, TMPNotifyValues::nvSuccessful}));
}

TEST_F(MediaPlayer, SoundsOfSeveralPlayersAndASongSoundAtOnce) {
    TMediaPlayer song, landing, title;
    song.SetFileName(writeNote(dir + "/note.mid", 2.0));
    landing.SetFileName(longTone);
    title.SetFileName(writeTone(dir + "/title.wav", 5.0, 660));
    for (TMediaPlayer* player : {&song, &landing, &title}) {
        ASSERT_TRUE(player->Open()) << qPrintable(player->LastError());
        ASSERT_TRUE(player->Play());
    }
    pump(300);
    QString error;
    const auto device = media::AudioDevice::acquire(&error);
    ASSERT_TRUE(device) << qPrintable(error);
    EXPECT_TRUE(device->musicPlaying());
    EXPECT_EQ(Mix_Playing(-1), 2);
    // Stopping one leaves the others sounding.
    landing.StopAndClose();
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(device->musicPlaying());
}

// While something holds the device (the main window does while music is on),
// songs change on the same synthesiser: the soundfont is not loaded again.
TEST_F(MediaPlayer, SongChangesKeepTheSynthesiserAndItsSoundfont) {
    QString error;
    const auto device = media::AudioDevice::acquire(&error);
    ASSERT_TRUE(device) << qPrintable(error);
    TMediaPlayer player;
    const media::Synthesiser* first = nullptr;
    for (const char* name : {"/a.mid", "/b.mid", "/c.mid"}) {
        player.Stop();
        player.Close();
        EXPECT_FALSE(device->musicPlaying()) << name;
        player.SetFileName(writeNote(dir + name, 0.5));
        ASSERT_TRUE(player.Open()) << qPrintable(player.LastError());
        ASSERT_TRUE(player.Play());
        EXPECT_TRUE(device->musicPlaying()) << name;
        first = first ? first : device->synthesiser();
        EXPECT_EQ(device->synthesiser(), first) << name;
        pump(100);
    }
}

TEST_F(MediaPlayer, ASongPlaysThroughTheSoundfontAndNotifiesAtItsEnd) {
    TMediaPlayer player;
    Notifications seen(player);
    player.SetFileName(writeNote(dir + "/note.mid", 0.2));
    ASSERT_TRUE(player.Open()) << qPrintable(player.LastError());
    ASSERT_TRUE(player.Play());
    // The synthesizer lets the last note ring out for a few seconds.
    ASSERT_TRUE(pumpUntil([&] { return !seen.kinds.empty(); }, 15000));
    EXPECT_EQ(seen.kinds, std::vector{TMPNotifyValues::nvSuccessful});
}

TEST_F(MediaPlayer, WithoutTheSoundfontASongFailsToOpen) {
    TMediaPlayer::SetSoundFont(dir + "/none.sf2");
    TMediaPlayer player;
    player.SetFileName(writeNote(dir + "/note.mid", 0.2));
    EXPECT_FALSE(player.Open());
    EXPECT_TRUE(player.LastError().contains("soundfont"));
    TMediaPlayer::SetSoundFont({});
    EXPECT_TRUE(player.Open());
}

// Runs body with SDL's audio driver set to driver; the device is opened anew
// because no player holds it in between.
template <class F> void withAudioDriver(const char* driver, const QString& output, F body) {
    const QByteArray oldDriver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    body();
    qputenv("SDL_AUDIODRIVER", oldDriver);
}

TEST_F(MediaPlayer, WhatIsPlayedReachesTheAudioDevice) {
    // A sound, a song through the soundfont and, for comparison, nothing.
    struct Case {
        QString file;
        bool audible;
    };
    const std::vector<Case> cases = {
        {shortTone, true}, {writeNote(dir + "/note.mid", 0.3), true}, {{}, false}};
    int index = 0;
    for (const Case& c : cases) {
        const QString output = dir + QString("/out%1.raw").arg(index++);
        withAudioDriver("disk", output, [&] {
            TMediaPlayer player;
            player.SetFileName(c.file.isEmpty() ? shortTone : c.file);
            ASSERT_TRUE(player.Open()) << qPrintable(player.LastError());
            if (c.audible) {
                ASSERT_TRUE(player.Play());
            }
            pump(700);
        });
        const int peak = mediatest::rawPeak(output);
        if (c.audible) {
            EXPECT_GT(peak, 1000) << qPrintable(c.file);
        } else {
            EXPECT_LT(peak, 10);
        }
    }
}

TEST_F(MediaPlayer, WithoutAnAudioDeviceSongsAndSoundsFailToOpen) {
    withAudioDriver("no-such-driver", dir + "/none.raw", [&] {
        TMediaPlayer player;
        Notifications seen(player);
        for (const QString& file : {shortTone, writeNote(dir + "/note.mid", 0.2)}) {
            player.SetFileName(file);
            EXPECT_FALSE(player.Open());
            EXPECT_FALSE(player.Play());
        }
        pump(100);
        EXPECT_TRUE(seen.kinds.empty());
    });
}

TEST_F(MediaPlayer, TheSceneSoundInterfacePlaysAndCutsASound) {
    TMediaPlayer player;
    TSoundPlayer& sound = player;
    Notifications seen(player);
    sound.PlayFile(longTone);
    EXPECT_TRUE(player.IsPlaying());
    sound.StopAndClose();
    EXPECT_FALSE(player.IsOpen());
    sound.StopAndClose();
    sound.PlayFile(dir + "/absent.wav");
    EXPECT_FALSE(player.IsOpen());
    pump(100);
    EXPECT_EQ(seen.kinds, std::vector{TMPNotifyValues::nvAborted});
}

TEST_F(MediaPlayer, APlayingSoundLeavesTheProgramInterruptible) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TMediaPlayer player;
            player.SetFileName(longTone);
            if (player.Open() && player.Play()) {
                std::raise(SIGTERM);
                pump(2000);
            }
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

} // namespace
