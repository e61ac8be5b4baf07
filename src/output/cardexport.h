#pragma once
// Saving the card as a file, by the file's extension: .jpg/.jpeg and .png hold
// the still card, .gif, .webp and .mp4 the turning tree (TTurntable), .glb the
// tree in 3D and .html the interactive card (a web page with that model). The file
// is written under a temporary name beside the target and renamed over it only
// when complete: a failure or a cancel leaves the target as it was.
#include <QImage>
#include <QString>
#include <functional>

class TTree;

enum class CardFileKind { Unknown, Still, Animated, Model, Page };

// What a file name's extension asks for.
CardFileKind CardFileKindOf(const QString& file);

enum class ExportResult { Written, Cancelled, Failed };

// Called after each frame with the frames done and the total; returning false
// cancels the export.
using ExportProgress = std::function<bool(int done, int total)>;

// The tree as a .glb file's bytes (its own animations fitted to the turning
// card's loop); false with error set when it can't be written.
bool TreeModel(TTree& tree, QByteArray& glb, QString* error);
// The interactive card's page.
bool InteractiveCard(const QImage& windowBackground, TTree& tree, QByteArray& page, QString* error);

// Writes the card of tree over windowBackground to file; error describes a
// failure. frames: the turntable's length (its default when 0).
ExportResult ExportCard(const QImage& windowBackground, TTree& tree, const QString& file,
                        const ExportProgress& progress, QString* error, int frames = 0);
