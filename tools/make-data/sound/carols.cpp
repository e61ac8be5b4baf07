// The nine songs of the music button: well-known public-domain carols,
// arranged for General MIDI and written as Data/Resource/Song0.mid ... Song8.mid.
#include "generator.h"
#include "sound/arranger.h"

#include <QDebug>
#include <QString>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace makedata::sound {
namespace {

// General MIDI programs used below.
enum Program {
    piano = 0,
    celesta = 8,
    glockenspiel = 9,
    musicBox = 10,
    churchOrgan = 19,
    nylonGuitar = 24,
    acousticBass = 32,
    cello = 42,
    contrabass = 43,
    harp = 46,
    strings = 48,
    slowStrings = 49,
    choir = 52,
    trumpet = 56,
    oboe = 68,
    clarinet = 71,
    flute = 73,
};

std::vector<Tune> carols() {
    std::vector<Tune> tunes;

    Tune jingle;
    jingle.title = "Jingle Bells";
    jingle.tempo = 172;
    jingle.melody =
        // Verse: dashing through the snow ...
        "D4:1 B4 A4 G4 | D4:3 D4:0.5 D4 | D4:1 B4 A4 G4 | E4:4 |"
        "E4:1 C5 B4 A4 | F#4:3 D5:1 | E5:1 D5 C5 A4 | B4:4 |"
        "D4:1 B4 A4 G4 | D4:3 D4:0.5 D4 | D4:1 B4 A4 G4 | E4:3 E4:1 |"
        "E4:1 C5 B4 A4 | D5:1 D5 D5 D5 | E5:1 D5 C5 A4 | G4:3 r:1 |"
        // Chorus: jingle bells, jingle bells ...
        "B4:1 B4 B4:2 | B4:1 B4 B4:2 | B4:1 D5 G4:1.5 A4:0.5 | B4:4 |"
        "C5:1 C5 C5:1.5 C5:0.5 | C5:1 B4 B4 B4:0.5 B4 | B4:1 A4 A4 B4 | A4:2 D5:2 |"
        "B4:1 B4 B4:2 | B4:1 B4 B4:2 | B4:1 D5 G4:1.5 A4:0.5 | B4:4 |"
        "C5:1 C5 C5:1.5 C5:0.5 | C5:1 B4 B4 B4:0.5 B4 | D5:1 D5 C5 A4 | G4:4 |";
    jingle.chords = "G:4 | G:4 | G:4 | C:4 | Am:4 | D:4 | D7:4 | G:4 |"
                    "G:4 | G:4 | G:4 | C:4 | Am:4 | D7:4 | D7:4 | G:4 |"
                    "G:4 | G:4 | G:4 | G:4 | C:4 | G:4 | A7:4 | D7:4 |"
                    "G:4 | G:4 | G:4 | G:4 | C:4 | G:4 | D7:4 | G:4 |";
    jingle.verses = 2;
    jingle.melodyPrograms = {piano, flute};
    jingle.harmonyProgram = slowStrings;
    jingle.counterProgram = glockenspiel;
    jingle.sleighBells = true;
    tunes.push_back(jingle);

    Tune silent;
    silent.title = "Silent Night";
    silent.tempo = 84;
    silent.beatsPerBar = 3;
    silent.melody = "G4:1.5 A4:0.5 G4:1 | E4:3 | G4:1.5 A4:0.5 G4:1 | E4:3 |"
                    "D5:2 D5:1 | B4:3 | C5:2 C5:1 | G4:3 |"
                    "A4:2 A4:1 | C5:1.5 B4:0.5 A4:1 | G4:1.5 A4:0.5 G4:1 | E4:3 |"
                    "A4:2 A4:1 | C5:1.5 B4:0.5 A4:1 | G4:1.5 A4:0.5 G4:1 | E4:3 |"
                    "D5:2 D5:1 | F5:1.5 D5:0.5 B4:1 | C5:3 | E5:3 |"
                    "C5:1.5 G4:0.5 E4:1 | G4:1.5 F4:0.5 D4:1 | C4:6 |";
    silent.chords = "C:3 | C:3 | C:3 | C:3 | G7:3 | G7:3 | C:3 | C:3 |"
                    "F:3 | F:3 | C:3 | C:3 | F:3 | F:3 | C:3 | C:3 |"
                    "G7:3 | G7:3 | C:3 | C:3 | C:3 | G7:3 | C:6 |";
    silent.verses = 2;
    silent.melodyPrograms = {flute, choir};
    silent.harmonyProgram = strings;
    silent.bassProgram = cello;
    silent.counterProgram = harp;
    tunes.push_back(silent);

    Tune tannenbaum;
    tannenbaum.title = "O Tannenbaum";
    tannenbaum.tempo = 100;
    tannenbaum.beatsPerBar = 3;
    tannenbaum.pickup = 1;
    tannenbaum.melody = "C4:1 | F4:0.75 F4:0.25 F4:1.5 G4:0.5 | A4:0.75 A4:0.25 A4:1.5 A4:0.5 |"
                        "G4:0.5 A4 Bb4:1 E4 | G4:1 F4 C5 |"
                        "C5:0.5 A4 D5:1.5 C5:0.5 | C5:0.5 Bb4 Bb4:1.5 Bb4:0.5 |"
                        "Bb4:0.5 G4 C5:1.5 Bb4:0.5 | Bb4:0.5 A4 A4:1 C4 |"
                        "F4:0.75 F4:0.25 F4:1.5 G4:0.5 | A4:0.75 A4:0.25 A4:1.5 A4:0.5 |"
                        "G4:0.5 A4 Bb4:1 E4 | G4:1 F4 |";
    tannenbaum.chords = "C7:1 | F:3 | F:3 | C7:3 | F:3 | F:1 Bb:2 | C7:3 | C7:3 | F:3 |"
                        "F:3 | F:3 | C7:3 | C7:1 F:1 |";
    tannenbaum.verses = 4;
    tannenbaum.melodyPrograms = {musicBox, oboe, clarinet, flute};
    tannenbaum.counterProgram = celesta;
    tunes.push_back(tannenbaum);

    Tune deck;
    deck.title = "Deck the Halls";
    deck.tempo = 126;
    deck.melody = "C5:1.5 Bb4:0.5 A4:1 G4 | F4:1 G4 A4 F4 | G4:0.5 A4 Bb4 G4 A4:1.5 G4:0.5 | F4:1 E4 F4:2 |"
                  "C5:1.5 Bb4:0.5 A4:1 G4 | F4:1 G4 A4 F4 | G4:0.5 A4 Bb4 G4 A4:1.5 G4:0.5 | F4:1 E4 F4:2 |"
                  "G4:1.5 A4:0.5 Bb4:1 G4 | A4:1.5 Bb4:0.5 C5:1 G4 | A4:0.5 B4 C5:1 D5:0.5 E5 F5:1 |"
                  "E5:1 D5 C5:2 |"
                  "C5:1.5 Bb4:0.5 A4:1 G4 | F4:1 G4 A4 F4 | D5:0.5 D5 D5 D5 C5:1.5 Bb4:0.5 | A4:1 G4 F4:2 |";
    deck.chords = "F:3 C7:1 | F:4 | C7:2 F:2 | Bb:1 C7:1 F:2 |"
                  "F:3 C7:1 | F:4 | C7:2 F:2 | Bb:1 C7:1 F:2 |"
                  "C7:4 | F:3 C:1 | F:2 G7:2 | C:4 |"
                  "F:3 C7:1 | F:4 | Bb:2 C7:2 | F:1 C7:1 F:2 |";
    deck.verses = 3;
    deck.melodyPrograms = {piano, clarinet, trumpet};
    deck.counterProgram = glockenspiel;
    tunes.push_back(deck);

    Tune wish;
    wish.title = "We Wish You a Merry Christmas";
    wish.tempo = 144;
    wish.beatsPerBar = 3;
    wish.pickup = 1;
    wish.melody = "D4:1 | G4:1 G4:0.5 A4 G4 F#4 | E4:1 E4 E4 | A4:1 A4:0.5 B4 A4 G4 | F#4:1 D4 D4 |"
                  "B4:1 B4:0.5 C5 B4 A4 | G4:1 E4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |"
                  "G4:1 G4 G4 | F#4:2 F#4:1 | G4:1 F#4 E4 | D4:2 A4:1 |"
                  "B4:1 A4 G4 | D5:1 D4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 |";
    wish.chords = "D:1 | G:3 | C:3 | A7:3 | D:3 | B7:3 | Em:3 | C:1 D7:2 | G:2 D:1 |"
                  "G:3 | D:3 | C:1 D:1 Em:1 | D:3 | G:3 | D:3 | C:1 D7:2 | G:2 |";
    wish.verses = 4;
    wish.melodyPrograms = {celesta, clarinet, piano, flute};
    wish.counterProgram = glockenspiel;
    tunes.push_back(wish);

    Tune joy;
    joy.title = "Joy to the World";
    joy.tempo = 96;
    joy.beatsPerBar = 2;
    joy.melody = "D5:1 C#5:0.75 B4:0.25 | A4:1.5 G4:0.5 | F#4:1 E4 | D4:1.5 A4:0.5 |"
                 "B4:1.5 B4:0.5 | C#5:1.5 C#5:0.5 | D5:1.5 D5:0.5 | D5:0.5 C#5 B4 A4 |"
                 "A4:0.75 G4:0.25 A4:0.5 D5 | D5:0.5 C#5 B4 A4 | A4:0.75 G4:0.25 F#4:0.5 F#4 |"
                 "F#4:0.5 F#4 F#4 F#4:0.25 G4 | A4:1.5 G4:0.25 F#4 |"
                 "E4:0.5 E4 E4 E4:0.25 F#4 | G4:1.5 F#4:0.25 E4 |"
                 "D4:0.5 D5:1 B4:0.5 | A4:0.75 G4:0.25 F#4:0.5 G4 | F#4:1 E4 | D4:2 |";
    joy.chords = "D:2 | D:2 | D:1 A7:1 | D:2 | G:2 | A:2 | D:2 | D:2 | D:2 | D:2 | D:2 |"
                 "D:2 | D:2 | A7:2 | A7:2 | D:1 G:1 | D:2 | D:1 A7:1 | D:2 |";
    joy.verses = 4;
    joy.melodyPrograms = {trumpet, churchOrgan, flute, trumpet};
    joy.harmonyProgram = churchOrgan;
    joy.bassProgram = contrabass;
    joy.counterProgram = glockenspiel;
    tunes.push_back(joy);

    Tune hark;
    hark.title = "Hark! The Herald Angels Sing";
    hark.tempo = 112;
    hark.melody = "C4:1 F4 F4:1.5 E4:0.5 | F4:1 A4 A4 G4 | C5:1 C5 C5:1.5 Bb4:0.5 | A4:1 G4 A4:2 |"
                  "C4:1 F4 F4:1.5 E4:0.5 | F4:1 A4 A4 G4 | C5:1 G4 G4:1.5 E4:0.5 | E4:1 D4 C4:2 |"
                  "C5:1 C5 C5 F4 | Bb4:1 A4 A4 G4 | C5:1 C5 C5 F4 | Bb4:1 A4 A4 G4 |"
                  "D5:1 D5 D5 C5 | Bb4:1 A4 Bb4:2 | G4:1 A4:0.5 Bb4 C5:1.5 F4:0.5 | F4:1 G4 A4:2 |"
                  "D5:1.5 D5:0.5 D5:1 C5 | Bb4:1 A4 Bb4:2 | G4:1 A4:0.5 Bb4 C5:1.5 F4:0.5 | F4:1 G4 F4:2 |";
    hark.chords = "F:3 C7:1 | F:3 C:1 | F:2 C7:2 | F:1 C7:1 F:2 |"
                  "F:3 C7:1 | F:3 C:1 | C:4 | C:1 G7:1 C:2 |"
                  "F:4 | C7:1 F:2 C:1 | F:4 | C7:1 F:2 C:1 |"
                  "Bb:3 F:1 | Gm:1 F:1 Bb:2 | C7:2 F:2 | Bb:1 C7:1 F:2 |"
                  "Bb:3 F:1 | Gm:1 F:1 Bb:2 | C7:2 F:2 | Bb:1 C7:1 F:2 |";
    hark.verses = 2;
    hark.melodyPrograms = {churchOrgan, choir};
    hark.harmonyProgram = churchOrgan;
    hark.bassProgram = contrabass;
    hark.counterProgram = celesta;
    tunes.push_back(hark);

    Tune noel;
    noel.title = "The First Noel";
    noel.tempo = 112;
    noel.beatsPerBar = 3;
    noel.pickup = 1;
    const char* noelVerse = "D4:1.5 E4:0.5 F#4 G4 | A4:2 B4:0.5 C#5 | D5:1 C#5 B4 | A4:2 B4:0.5 C#5 |"
                            "D5:1 C#5 B4 | A4:1 B4 C#5 | D5:1 A4 G4 | F#4:2 F#4:0.5 E4 |";
    noel.melody = QString("F#4:0.5 E4 | ") + noelVerse + noelVerse +
                  "D4:1.5 E4:0.5 F#4 G4 | A4:2 D5:0.5 C#5 | B4:2 B4:1 | A4:2 A4:1 |"
                  "D5:1 C#5 B4 | A4:1 B4 C#5 | D5:1 A4 G4 | F#4:2 |";
    const char* noelChords = "D:3 | D:2 A:1 | G:3 | D:2 A:1 | G:3 | D:1 G:1 A:1 | D:2 A7:1 | D:3 |";
    noel.chords = QString("D:1 | ") + noelChords + noelChords +
                  "D:3 | D:2 A:1 | G:3 | D:3 | G:3 | D:1 G:1 A:1 | D:2 A7:1 | D:2 |";
    noel.verses = 2;
    noel.melodyPrograms = {harp, flute};
    noel.bassProgram = cello;
    noel.counterProgram = celesta;
    tunes.push_back(noel);

    Tune faithful;
    faithful.title = "O Come, All Ye Faithful";
    faithful.tempo = 100;
    faithful.pickup = 1;
    faithful.melody = "G4:1 | G4:2 D4:1 G4 | A4:2 D4 | B4:1 A4 B4 C5 | B4:2 A4:1 G4 |"
                      "G4:2 F#4:1 E4 | F#4:1 G4 A4 B4 | F#4:2 E4:1.5 D4:0.5 | D4:4 |"
                      "D5:2 C5:1 B4 | C5:2 B4 | A4:1 B4 G4 A4 | F#4:1.5 E4:0.5 D4:1 B4 |"
                      "B4:1 A4 B4 C5 | B4:2 A4:1 B4 | B4:1 A4 B4 C5 | B4:2 A4:1 B4 |"
                      "C5:1 B4 A4 G4 | F#4:2 G4:1 C5 | B4:2 A4:1.5 G4:0.5 | G4:3 |";
    faithful.chords = "G:1 | G:4 | D:4 | G:3 C:1 | D:2 G:2 |"
                      "Em:2 D:1 A:1 | D:1 G:1 D:1 G:1 | D:2 A7:2 | D:4 |"
                      "G:2 D7:1 G:1 | Am:2 G:2 | D:1 G:1 Em:1 Am:1 | D:3 G:1 |"
                      "G:1 D:1 G:1 C:1 | G:2 D:1 G:1 | G:1 D:1 G:1 C:1 | G:2 D:1 G:1 |"
                      "C:1 G:1 D:1 Em:1 | D:2 Em:1 C:1 | G:2 D7:2 | G:3 |";
    faithful.verses = 2;
    faithful.melodyPrograms = {trumpet, choir};
    faithful.harmonyProgram = slowStrings;
    faithful.bassProgram = contrabass;
    faithful.counterProgram = glockenspiel;
    tunes.push_back(faithful);

    return tunes;
}

// Each song's level, so that all play at -24 dBFS (RMS over the whole song,
// as the synthesiser renders them with the General MIDI soundfont at unit
// gain) with their peaks under -6 dBFS: the measured level of each song as
// arranged, brought to that loudness.
constexpr double SongLevels[] = {-2.51, -8.41, -6.99, -6.16, -5.67, -4.56, -4.02, -8.87, -4.80};

void generateSongs(const Context& context) {
    std::vector<Tune> tunes = carols();
    for (std::size_t n = 0; n < tunes.size(); ++n) {
        tunes[n].level = n < std::size(SongLevels) ? SongLevels[n] : 0.0;
        try {
            arrange(tunes[n]).write(context.file(QString("Resource/Song%1.mid").arg(n)));
        } catch (const NotationError& error) {
            // A mistake in the notes above: stop the build rather than ship a broken song.
            qFatal("make-data songs: %s", error.what());
        }
    }
}

} // namespace
} // namespace makedata::sound

PW_DATA_GENERATOR("songs", 400, makedata::sound::generateSongs);
