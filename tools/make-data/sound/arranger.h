#pragma once
// Arranges a tune for General MIDI: the melody (its instrument changing from
// verse to verse), sustained chords voiced close to each other, a bass on the
// strong beats, broken chords on a bright instrument in the last verse, and
// sleigh bells where the tune asks for them. A bar of the accompaniment
// leads in; the last chord is held a bar.
#include "sound/midifile.h"
#include "sound/tune.h"

namespace makedata::sound {

// Throws NotationError when the tune's melody and chords do not fit together.
MidiFile arrange(const Tune& tune);

} // namespace makedata::sound
