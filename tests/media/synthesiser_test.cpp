// The songs' synthesiser on its own: the soundfont loaded once, songs started,
// paused, cut and ended, rendered straight into a buffer (no audio device).
#include "media/mediaplayer.h"
#include "media/synthesiser.h"
#include "media_files.h"
#include "support/test_paths.h"

#include <QFile>
#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int Rate = 44100;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The loudest sample of `frames` frames rendered now.
int peak(media::Synthesiser& synth, int frames) {
    std::vector<std::int16_t> buffer(2 * static_cast<std::size_t>(frames), 1234);
    synth.render(buffer.data(), frames);
    int loudest = 0;
    for (std::int16_t sample : buffer) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

TEST(Synthesiser, OnlyStandardMidiFilesAreSongs) {
    const QString dir = testsupport::scratchDir("synthesiser");
    struct Row {
        const char* what;
        QByteArray bytes;
        bool song;
    };
    const Row rows[] = {
        {"a one-note song", readFile(mediatest::writeNote(dir + "/note.mid", 0.2)), true},
        {"nothing", QByteArray(), false},
        {"a header cut short", QByteArray("MThd\0\0\0\6", 8), false},
        {"a wave file", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(media::Synthesiser::IsSong(row.bytes), row.song) << row.what;
    }
    EXPECT_TRUE(media::Synthesiser::IsSoundFont(TMediaPlayer::SoundFont()));
    EXPECT_FALSE(media::Synthesiser::IsSoundFont(dir + "/note.mid"));
}

// One synthesiser plays song after song: each sounds, pauses, is cut short
// without an end call, or plays to its end and says so once.
TEST(Synthesiser, SongsSoundPauseAreCutAndEndOnTheSameSoundfont) {
    const QString dir = testsupport::scratchDir("synthesiser");
    const QByteArray note = readFile(mediatest::writeNote(dir + "/note.mid", 0.2));
    media::Synthesiser synth(TMediaPlayer::SoundFont(), Rate);
    ASSERT_TRUE(synth.waitUntilLoaded());
    EXPECT_EQ(peak(synth, 4096), 0) << "silence before any song";

    std::atomic<int> ends{0};
    const auto countEnd = [&ends] {
        ++ends;
    };
    struct Row {
        const char* what;
        void (*after)(media::Synthesiser&); // what happens once the song sounds
        bool sounds;                        // after that
    };
    const Row rows[] = {
        {"playing", [](media::Synthesiser&) {}, true},
        {"paused", [](media::Synthesiser& s) { s.pause(); }, false},
        {"resumed",
         [](media::Synthesiser& s) {
             s.pause();
             s.resume();
         },
         true},
        {"cut short", [](media::Synthesiser& s) { s.halt(); }, false},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(synth.play(note, countEnd)) << row.what;
        EXPECT_GT(peak(synth, 4096), 1000) << row.what;
        row.after(synth);
        EXPECT_EQ(synth.playing(), row.sounds) << row.what;
        EXPECT_EQ(peak(synth, 4096) > 0, row.sounds) << row.what;
    }
    EXPECT_EQ(ends, 0) << "a song cut short or replaced never ends";

    // Played out: the note rings on after its 0.2 s, and the end is called
    // once, when it has died away: the block that ends is all but silent.
    ASSERT_TRUE(synth.play(note, countEnd));
    int last = 0;
    for (int block = 0; block < 10 * Rate / 4096 && ends == 0; ++block) {
        last = peak(synth, 4096);
    }
    EXPECT_EQ(ends, 1);
    EXPECT_LT(last, 8);
    EXPECT_FALSE(synth.playing());
    EXPECT_EQ(peak(synth, 4096), 0);
    EXPECT_EQ(ends, 1);
}

// A song asked for at once waits for the soundfont instead of holding the
// caller, then sounds from its beginning and ends once.
TEST(Synthesiser, ASongStartedWhileTheSoundfontLoadsPlaysOnceItIsThere) {
    const QString dir = testsupport::scratchDir("synthesiser");
    const QByteArray note = readFile(mediatest::writeNote(dir + "/note.mid", 0.2));
    media::Synthesiser synth(TMediaPlayer::SoundFont(), Rate);
    std::atomic<int> ends{0};
    ASSERT_TRUE(synth.play(note, [&ends] { ++ends; }));
    EXPECT_TRUE(synth.playing());
    ASSERT_TRUE(synth.waitUntilLoaded());
    EXPECT_GT(peak(synth, 4096), 1000);
    for (int block = 0; block < 10 * Rate / 4096 && ends == 0; ++block) {
        peak(synth, 4096);
    }
    EXPECT_EQ(ends, 1);

    // Cut short while loading, it never sounds.
    media::Synthesiser cut(TMediaPlayer::SoundFont(), Rate);
    ASSERT_TRUE(cut.play(note, [&ends] { ++ends; }));
    cut.halt();
    EXPECT_FALSE(cut.playing());
    ASSERT_TRUE(cut.waitUntilLoaded());
    EXPECT_EQ(peak(cut, 4096), 0);
    EXPECT_EQ(ends, 1);
}

TEST(Synthesiser, ADamagedSoundfontPlaysNothing) {
    const QString dir = testsupport::scratchDir("synthesiser");
    QFile font(dir + "/damaged.sf2");
    ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    font.write(QByteArray("RIFF\x10\0\0\0sfbkLIST", 16));
    font.close();
    media::Synthesiser synth(font.fileName(), Rate);
    EXPECT_FALSE(synth.waitUntilLoaded());
    EXPECT_FALSE(synth.play(readFile(mediatest::writeNote(dir + "/note.mid", 0.2)), [] {}));
    EXPECT_EQ(peak(synth, 4096), 0);
}

} // namespace
