#include "sound/tune.h"

#include "sound/midifile.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace makedata::sound {
namespace {

constexpr int ticksPerBeat = MidiFile::ticksPerQuarter;

int pitchClassOf(QChar letter) {
    static const int classes[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    const int index = letter.toUpper().unicode() - 'A';
    if (index < 0 || index > 6) {
        throw NotationError("not a note letter: " + std::string(1, char(letter.unicode())));
    }
    return classes[index];
}

// Reads "X#", "Xb" or "X" from the front of `text`, returning the pitch class
// and the number of characters used.
std::pair<int, int> readRoot(const QString& text) {
    int pc = pitchClassOf(text.at(0));
    int used = 1;
    if (text.size() > 1 && text.at(1) == '#') {
        pc = (pc + 1) % 12;
        used = 2;
    } else if (text.size() > 1 && text.at(1) == 'b') {
        pc = (pc + 11) % 12;
        used = 2;
    }
    return {pc, used};
}

int ticksOf(const QString& beats, const QString& token) {
    bool ok = false;
    const double value = beats.toDouble(&ok);
    if (!ok || value <= 0) {
        throw NotationError("bad length in '" + token.toStdString() + "'");
    }
    return int(std::lround(value * ticksPerBeat));
}

// Walks the tokens of a line, checking bar lines, and hands every other token
// with its length in ticks to `take`.
template <typename Take> void walk(const Tune& tune, const QString& text, const char* part, Take take) {
    const int bar = tune.beatsPerBar * ticksPerBeat;
    const int pickup = int(std::lround(tune.pickup * ticksPerBeat));
    int now = 0;
    int lastTicks = 0;
    int barNumber = 0;
    QString spaced = text;
    spaced.replace("|", " | ");
    const QStringList tokens = spaced.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& token = tokens[i];
        // The closing bar line may follow a bar shortened by the pick-up.
        if (token == "|" && i + 1 == tokens.size()) {
            continue;
        }
        if (token == "|") {
            ++barNumber;
            if (now <= 0 || (now - pickup) % bar != 0) {
                throw NotationError(tune.title.toStdString() + " " + part + ": bar line " +
                                    std::to_string(barNumber) + " is off the beat grid");
            }
            continue;
        }
        const int colon = int(token.indexOf(':'));
        const QString name = colon < 0 ? token : token.left(colon);
        if (colon >= 0) {
            lastTicks = ticksOf(token.mid(colon + 1), token);
        }
        if (lastTicks == 0) {
            throw NotationError("first token without a length: " + token.toStdString());
        }
        take(name, lastTicks);
        now += lastTicks;
    }
    if (now % bar != 0) {
        throw NotationError(tune.title.toStdString() + " " + part + ": length is not whole bars");
    }
}

} // namespace

std::vector<MelodyNote> parseMelody(const Tune& tune) {
    std::vector<MelodyNote> notes;
    walk(tune, tune.melody, "melody", [&](const QString& name, int ticks) {
        if (name == "r") {
            notes.push_back({-1, ticks});
            return;
        }
        const auto [pc, used] = readRoot(name);
        bool ok = false;
        const int octave = name.mid(used).toInt(&ok);
        if (!ok) {
            throw NotationError("bad octave in '" + name.toStdString() + "'");
        }
        notes.push_back({12 * (octave + 1) + pc, ticks});
    });
    return notes;
}

std::vector<ChordSpan> parseChords(const Tune& tune) {
    std::vector<ChordSpan> chords;
    walk(tune, tune.chords, "chords", [&](const QString& name, int ticks) {
        const auto [root, used] = readRoot(name);
        const QString quality = name.mid(used);
        std::vector<int> intervals;
        if (quality.isEmpty()) {
            intervals = {0, 4, 7};
        } else if (quality == "m") {
            intervals = {0, 3, 7};
        } else if (quality == "7") {
            intervals = {0, 4, 7, 10};
        } else if (quality == "m7") {
            intervals = {0, 3, 7, 10};
        } else if (quality == "maj7") {
            intervals = {0, 4, 7, 11};
        } else if (quality == "dim") {
            intervals = {0, 3, 6};
        } else if (quality == "sus4") {
            intervals = {0, 5, 7};
        } else if (quality == "6") {
            intervals = {0, 4, 7, 9};
        } else {
            throw NotationError("unknown chord '" + name.toStdString() + "'");
        }
        ChordSpan span{root, {}, ticks};
        for (int i : intervals) {
            span.tones.push_back((root + i) % 12);
        }
        chords.push_back(span);
    });
    return chords;
}

} // namespace makedata::sound
