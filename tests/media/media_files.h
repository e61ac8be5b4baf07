#pragma once
// Small song and sound files written by the tests themselves, so each test
// knows exactly what it plays and how long it lasts.
#include <QString>

namespace mediatest {

// A 16-bit mono wave file holding a tone of the given length.
QString writeTone(const QString& path, double seconds, double frequency = 440);
// A one-track MIDI file holding one piano note of the given length.
QString writeNote(const QString& path, double seconds);
// Peak sample magnitude of 16-bit signed raw audio (what SDL's disk driver writes).
int rawPeak(const QString& path);

} // namespace mediatest
