// The nine songs: read back as Standard MIDI Files, checked for a melody that
// fits its chords, and rendered through FluidSynth with the General MIDI
// sound font to audio of the length the file promises, without silent gaps
// and without clipping.
#include "data_art/art_data.h"
#include "support/test_paths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

constexpr const char* soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct Note {
    std::uint32_t start;
    std::uint32_t end;
    int key;
};

struct Midi {
    int format = -1;
    int division = 0;
    std::vector<std::vector<Note>> tracks;
    std::map<std::uint32_t, std::uint32_t> tempos; // tick -> microseconds per quarter
    std::uint32_t endTick = 0;

    double secondsAt(std::uint32_t tick) const {
        double seconds = 0;
        std::uint32_t at = 0;
        std::uint32_t tempo = 500000;
        for (const auto& [when, value] : tempos) {
            if (when >= tick) {
                break;
            }
            seconds += double(when - at) * tempo / division / 1e6;
            at = when;
            tempo = value;
        }
        return seconds + double(tick - at) * tempo / division / 1e6;
    }
};

std::uint32_t readVariable(const QByteArray& data, qsizetype& at) {
    std::uint32_t value = 0;
    while (at < data.size()) {
        const auto byte = quint8(data[at++]);
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80)) {
            break;
        }
    }
    return value;
}

std::uint32_t bigEndian(const QByteArray& data, qsizetype at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | quint8(data[at + i]);
    }
    return value;
}

Midi readMidi(const QString& path) {
    Midi midi;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return midi;
    }
    const QByteArray data = file.readAll();
    if (!data.startsWith("MThd") || bigEndian(data, 4, 4) != 6) {
        return midi;
    }
    midi.format = int(bigEndian(data, 8, 2));
    midi.division = int(bigEndian(data, 12, 2));
    qsizetype at = 14;
    while (at + 8 <= data.size() && data.mid(at, 4) == "MTrk") {
        const qsizetype end = at + 8 + bigEndian(data, at + 4, 4);
        at += 8;
        std::vector<Note> notes;
        std::map<int, std::uint32_t> sounding;
        std::uint32_t tick = 0;
        int status = 0;
        while (at < end) {
            tick += readVariable(data, at);
            if (quint8(data[at]) & 0x80) {
                status = quint8(data[at++]);
            }
            if (status == 0xFF) {
                const int type = quint8(data[at++]);
                const std::uint32_t length = readVariable(data, at);
                if (type == 0x51) {
                    midi.tempos[tick] = bigEndian(data, at, 3);
                }
                at += length;
            } else if ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) {
                at += 1;
            } else {
                const int key = quint8(data[at]);
                const int velocity = quint8(data[at + 1]);
                at += 2;
                const int channelKey = (status & 0x0F) << 8 | key;
                if ((status & 0xF0) == 0x90 && velocity > 0) {
                    sounding[channelKey] = tick;
                } else if ((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90) {
                    if (auto found = sounding.find(channelKey); found != sounding.end()) {
                        notes.push_back({found->second, tick, key});
                        sounding.erase(found);
                    }
                }
            }
        }
        midi.endTick = std::max(midi.endTick, tick);
        midi.tracks.push_back(notes);
        at = end;
    }
    return midi;
}

QString songFile(int n) {
    return artdata::dataFile(QString("Resource/Song%1.mid").arg(n));
}

class Song : public ::testing::TestWithParam<int> {};

TEST_P(Song, IsAFormatOneFileWithMelodyHarmonyAndBass) {
    const Midi midi = readMidi(songFile(GetParam()));
    ASSERT_EQ(midi.format, 1);
    ASSERT_GE(midi.tracks.size(), 4u); // conductor, melody, harmony, bass
    for (std::size_t t = 1; t <= 3; ++t) {
        EXPECT_GT(midi.tracks[t].size(), 20u) << "track " << t;
    }
    const double seconds = midi.secondsAt(midi.endTick);
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
    // The melody sits where a voice or a flute would sing it.
    for (const Note& n : midi.tracks[1]) {
        EXPECT_GE(n.key, 55);
        EXPECT_LE(n.key, 84);
    }
}

// A wrongly copied note mostly shows as a note that fits none of the chords
// under it. Notes on the beat must mostly be chord tones.
TEST_P(Song, MelodyOnTheBeatFitsTheChords) {
    const Midi midi = readMidi(songFile(GetParam()));
    ASSERT_GE(midi.tracks.size(), 4u);
    int onBeat = 0;
    int fitting = 0;
    for (const Note& m : midi.tracks[1]) {
        if (m.start % std::uint32_t(midi.division) != 0) {
            continue;
        }
        std::set<int> chord;
        for (std::size_t t = 2; t <= 3; ++t) {
            for (const Note& h : midi.tracks[t]) {
                if (h.start <= m.start && m.start < h.end) {
                    chord.insert(h.key % 12);
                }
            }
        }
        ++onBeat;
        fitting += chord.count(m.key % 12) > 0;
    }
    ASSERT_GT(onBeat, 30);
    EXPECT_GE(double(fitting) / onBeat, 0.7) << fitting << " of " << onBeat;
}

TEST_P(Song, RendersToMusicOfItsLengthWithoutGapsOrClipping) {
    ASSERT_TRUE(QFileInfo::exists(soundFont));
    const Midi midi = readMidi(songFile(GetParam()));
    const double seconds = midi.secondsAt(midi.endTick);
    const QString wavePath = testsupport::scratchDir("song") + "/song.wav";
    QProcess synth;
    // At unit gain, as the program's mixer plays songs.
    synth.start("fluidsynth",
                {"-ni", "-g", "1", "-F", wavePath, "-r", "44100", soundFont, songFile(GetParam())});
    ASSERT_TRUE(synth.waitForFinished(120000));
    ASSERT_EQ(synth.exitCode(), 0) << synth.readAllStandardError().toStdString();

    const artdata::Wave wave = artdata::readWave(wavePath);
    ASSERT_EQ(wave.sampleRate, 44100);
    ASSERT_GT(wave.channels, 0);
    EXPECT_GE(wave.seconds(), seconds - 0.1);

    // Loudness in half-second windows over the song; the last audible window
    // ends close to the song's end, and no gap of two seconds lies before it.
    const std::size_t window = std::size_t(wave.sampleRate / 2) * wave.channels;
    int peak = 0;
    std::vector<double> loudness;
    for (std::size_t at = 0; at + window <= wave.samples.size(); at += window) {
        double energy = 0;
        for (std::size_t i = at; i < at + window; ++i) {
            energy += double(wave.samples[i]) * wave.samples[i];
            peak = std::max(peak, std::abs(int(wave.samples[i])));
        }
        loudness.push_back(std::sqrt(energy / window));
    }
    EXPECT_GT(peak, 2000) << "too quiet";
    // Every song as loud as the others, with room left for a landing's sound
    // (whose peaks stay under 0.45 of full scale) so the two never clip.
    double energy = 0;
    for (const std::int16_t sample : wave.samples) {
        energy += double(sample) * sample;
    }
    const double level = 10 * std::log10(energy / double(wave.samples.size()) / (32768.0 * 32768.0));
    std::printf("song %d: %.1f dBFS RMS, peak %.1f dBFS\n", GetParam(), level,
                20 * std::log10(peak / 32768.0));
    EXPECT_NEAR(level, -24.0, 1.5);
    EXPECT_LT(peak, 32768 / 2) << "no room for a landing";
    std::size_t lastAudible = 0;
    for (std::size_t i = 0; i < loudness.size(); ++i) {
        if (loudness[i] > 60) {
            lastAudible = i;
        }
    }
    const double audibleEnd = (lastAudible + 1) * 0.5;
    EXPECT_GE(audibleEnd, seconds - 1.5);
    EXPECT_LE(audibleEnd, seconds + 6.0);
    int quietRun = 0;
    for (std::size_t i = 0; i <= lastAudible; ++i) {
        quietRun = loudness[i] > 60 ? 0 : quietRun + 1;
        EXPECT_LT(quietRun, 4) << "silence at " << i * 0.5 << " s";
    }
}

INSTANTIATE_TEST_SUITE_P(Songs, Song, ::testing::Range(0, 9));

} // namespace
