#pragma once
// Writes pictures as uncompressed 24-bit Windows bitmaps, byte for byte the
// same on every run (fixed header fields, zeroed row padding).
#include <QImage>
#include <QString>

namespace makedata::art {

// Writes `picture` (any format; alpha is dropped) to `path`. Returns false
// when the file cannot be written.
bool writeBmp24(const QImage& picture, const QString& path);

} // namespace makedata::art
