#include "sound/arranger.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace makedata::sound {
namespace {

constexpr int beat = MidiFile::ticksPerQuarter;

enum Channel { melodyChannel = 0, harmonyChannel = 1, bassChannel = 2, counterChannel = 3, drumChannel = 9 };

struct Segment {
    std::uint32_t start;
    std::uint32_t length;
    const ChordSpan* chord;
};

// Chord spans of the whole song laid out in time, cut at bar lines so every
// bar re-strikes its chord.
std::vector<Segment> layOutChords(const std::vector<ChordSpan>& chords, int verses, std::uint32_t loop,
                                  std::uint32_t pickup, std::uint32_t bar, std::uint32_t hold) {
    std::vector<Segment> segments;
    for (int v = 0; v < verses; ++v) {
        std::uint32_t at = v * loop;
        for (std::size_t i = 0; i < chords.size(); ++i) {
            std::uint32_t end = at + std::uint32_t(chords[i].ticks);
            if (v == verses - 1 && i + 1 == chords.size()) {
                end += hold;
            }
            while (at < end) {
                const std::uint32_t sincePickup = (at + bar - pickup % bar) % bar;
                const std::uint32_t nextBar = at + (bar - sincePickup);
                const std::uint32_t stop = std::min(end, nextBar);
                segments.push_back({at, stop - at, &chords[i]});
                at = stop;
            }
        }
    }
    return segments;
}

// The chord sounding at `tick` of one verse.
const ChordSpan& chordAt(const std::vector<ChordSpan>& chords, std::uint32_t tick) {
    std::uint32_t at = 0;
    for (const ChordSpan& chord : chords) {
        at += std::uint32_t(chord.ticks);
        if (tick < at) {
            return chord;
        }
    }
    return chords.back();
}

std::vector<int> voiceChord(const ChordSpan& chord, const std::vector<int>& previous) {
    std::vector<int> wanted;
    if (chord.tones.size() >= 4) {
        wanted = {chord.tones[0], chord.tones[1], chord.tones[3]};
    } else {
        wanted = {chord.tones[0], chord.tones[1], chord.tones[2]};
    }
    std::vector<int> best;
    int bestCost = 1 << 30;
    auto pitches = [](int pc) {
        std::vector<int> out;
        for (int key = 50; key <= 67; ++key) { // D3 to G4, under the melody
            if (key % 12 == pc) {
                out.push_back(key);
            }
        }
        return out;
    };
    for (int a : pitches(wanted[0])) {
        for (int b : pitches(wanted[1])) {
            for (int c : pitches(wanted[2])) {
                std::vector<int> voicing{a, b, c};
                std::sort(voicing.begin(), voicing.end());
                if (voicing[2] - voicing[0] > 12) {
                    continue;
                }
                int cost = 0;
                for (int i = 0; i < 3; ++i) {
                    cost += std::abs(voicing[i] - previous[i]);
                }
                if (cost < bestCost) {
                    bestCost = cost;
                    best = voicing;
                }
            }
        }
    }
    return best;
}

int bassKey(int pitchClass) {
    return 40 + (pitchClass - 4 + 12) % 12;
}

// A channel volume moved by `level` dB: the synthesiser's gain follows the
// square of the volume controller, 40 log10(volume / 127) dB.
int channelVolume(int volume, double level) {
    const long scaled = std::lround(volume * std::pow(10.0, level / 40));
    return int(std::clamp(scaled, 1L, 127L));
}

void setUpChannel(MidiTrack& track, int channel, int program, int volume, int pan) {
    track.programChange(0, channel, program);
    track.controlChange(0, channel, 7, volume);
    track.controlChange(0, channel, 10, pan);
    track.controlChange(0, channel, 91, 64);
    track.controlChange(0, channel, 93, 16);
}

} // namespace

MidiFile arrange(const Tune& tune) {
    const std::vector<MelodyNote> melody = parseMelody(tune);
    const std::vector<ChordSpan> chords = parseChords(tune);
    std::uint32_t loop = 0;
    for (const MelodyNote& n : melody) {
        loop += std::uint32_t(n.ticks);
    }
    std::uint32_t chordLoop = 0;
    for (const ChordSpan& c : chords) {
        chordLoop += std::uint32_t(c.ticks);
    }
    if (loop != chordLoop) {
        throw NotationError(tune.title.toStdString() + ": melody and chords differ in length");
    }
    const std::uint32_t bar = std::uint32_t(tune.beatsPerBar * beat);
    const auto pickup = std::uint32_t(std::lround(tune.pickup * beat));
    const std::uint32_t hold = bar + pickup;
    // One bar of the accompaniment alone leads into the song.
    const std::uint32_t intro = bar;

    MidiFile file;
    MidiTrack& conductor = file.addTrack(tune.title);
    conductor.tempo(0, tune.tempo);
    conductor.timeSignature(0, tune.beatsPerBar, 2);

    MidiTrack& lead = file.addTrack("Melody");
    setUpChannel(lead, melodyChannel, tune.melodyPrograms.front(), channelVolume(112, tune.level), 64);
    for (int v = 0; v < tune.verses; ++v) {
        std::uint32_t at = intro + v * loop;
        lead.programChange(at, melodyChannel,
                           tune.melodyPrograms[std::size_t(v) % tune.melodyPrograms.size()]);
        for (std::size_t i = 0; i < melody.size(); ++i) {
            const MelodyNote& n = melody[i];
            std::uint32_t length = std::uint32_t(n.ticks);
            if (v == tune.verses - 1 && i + 1 == melody.size()) {
                length += hold;
            }
            if (n.key >= 0) {
                const std::uint32_t inBar = (at + bar - pickup % bar) % bar;
                const int velocity = inBar == 0 ? 104 : (inBar % beat == 0 ? 92 : 84);
                lead.note(at, std::max<std::uint32_t>(length * 92 / 100, length - 40), melodyChannel, n.key,
                          velocity);
            }
            at += std::uint32_t(n.ticks);
        }
    }

    std::vector<Segment> segments{{0, intro, &chordAt(chords, pickup)}};
    for (Segment s : layOutChords(chords, tune.verses, loop, pickup, bar, hold)) {
        s.start += intro;
        segments.push_back(s);
    }
    MidiTrack& harmony = file.addTrack("Harmony");
    setUpChannel(harmony, harmonyChannel, tune.harmonyProgram, channelVolume(78, tune.level), 40);
    std::vector<int> voicing{55, 59, 62};
    for (const Segment& s : segments) {
        voicing = voiceChord(*s.chord, voicing);
        for (int key : voicing) {
            harmony.note(s.start, s.length - std::min<std::uint32_t>(s.length / 8, 30), harmonyChannel, key,
                         54);
        }
    }

    MidiTrack& bass = file.addTrack("Bass");
    setUpChannel(bass, bassChannel, tune.bassProgram, channelVolume(100, tune.level), 64);
    const std::uint32_t strongBeat = tune.beatsPerBar == 4 ? 2 * beat : bar;
    for (const Segment& s : segments) {
        int step = 0;
        for (std::uint32_t at = s.start; at < s.start + s.length; at += strongBeat, ++step) {
            const std::uint32_t length = std::min(strongBeat, s.start + s.length - at);
            const int pc = step % 2 == 0 ? s.chord->root : s.chord->tones[2 % s.chord->tones.size()];
            bass.note(at, length * 9 / 10, bassChannel, bassKey(pc), step == 0 ? 96 : 84);
        }
    }

    MidiTrack& counter = file.addTrack("Sparkle");
    setUpChannel(counter, counterChannel, tune.counterProgram, channelVolume(72, tune.level), 92);
    const std::uint32_t lastVerse = intro + (tune.verses - 1) * loop;
    for (const Segment& s : segments) {
        if (s.start < lastVerse || tune.verses < 2) {
            continue;
        }
        static const int pattern[] = {0, 1, 2, 3, 2, 1};
        int step = 0;
        for (std::uint32_t at = s.start; at + beat / 2 <= s.start + s.length; at += beat / 2, ++step) {
            // Root, third, fifth and octave stacked upwards from the G above middle C.
            int keys[4];
            keys[0] = 67 + (s.chord->root - 7 + 12) % 12;
            for (int k = 1; k < 3; ++k) {
                keys[k] = keys[k - 1] + (s.chord->tones[std::size_t(k)] - keys[k - 1] % 12 + 12) % 12;
            }
            keys[3] = keys[0] + 12;
            const int key = keys[pattern[step % 6]];
            counter.note(at, beat / 2 - 10, counterChannel, key, 40 + (step % 2 == 0 ? 8 : 0));
        }
    }

    if (tune.sleighBells) {
        MidiTrack& bells = file.addTrack("Sleigh bells");
        bells.controlChange(0, drumChannel, 7, channelVolume(80, tune.level));
        bells.controlChange(0, drumChannel, 91, 50);
        const std::uint32_t end = intro + tune.verses * loop;
        for (std::uint32_t at = 0; at < end; at += beat / 2) {
            const bool onBeat = ((at + bar - pickup % bar) % beat) == 0;
            bells.note(at, beat / 4, drumChannel, 83, onBeat ? 78 : 50);
        }
    }
    return file;
}

} // namespace makedata::sound
