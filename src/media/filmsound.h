#pragma once
// The sound track of a film, as a WAV file in memory that the mixer loads
// like any sound: the first audio stream when it holds 16-bit PCM (what the
// data generator writes), read whole. Empty when the film has no such track,
// or when it is longer than a title film's sound could sensibly be.
#include <QByteArray>
#include <QString>

QByteArray FilmSoundAsWav(const QString& path);
