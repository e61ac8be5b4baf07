#pragma once
// A carol as written down for the arranger: its melody and chords in a small
// text notation, its metre and tempo, and the instruments of each verse.
//
// Melody: "E4:1 E4 E4:2 | ..." - a pitch (letter, optional # or b, octave)
// or "r" for a rest, then ":" and the length in beats; without ":" the
// previous length is used. Chords: "G:4 | C:2 D7:2 | ..." - a root with an
// optional quality (m, 7, m7, maj7, dim, sus4, 6). "|" marks a bar line and
// is checked: every bar line must fall on a bar boundary after the pick-up.
#include <QString>
#include <stdexcept>
#include <vector>

namespace makedata::sound {

struct Tune {
    QString title;
    int tempo = 100;     // quarter notes per minute
    int beatsPerBar = 4; // quarter notes per bar
    double pickup = 0;   // beats before the first bar line
    QString melody;
    QString chords;
    int verses = 2;
    std::vector<int> melodyPrograms; // General MIDI program of each verse, repeated as needed
    int harmonyProgram = 48;
    int bassProgram = 32;
    int counterProgram = 8; // plays broken chords in the last verse
    bool sleighBells = false;
    // Decibels added to every channel's volume, so that all the songs play
    // equally loud whatever their instruments and texture.
    double level = 0;
};

struct MelodyNote {
    int key; // MIDI key, -1 for a rest
    int ticks;
};

struct ChordSpan {
    int root;               // pitch class 0..11
    std::vector<int> tones; // pitch classes, root first
    int ticks;
};

class NotationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Both throw NotationError with the offending token or bar.
std::vector<MelodyNote> parseMelody(const Tune& tune);
std::vector<ChordSpan> parseChords(const Tune& tune);

} // namespace makedata::sound
