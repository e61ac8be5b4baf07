#include "controls/cursors.h"

#include <QBitmap>
#include <QImage>
#include <QImageReader>

// The resources live in a static library: registering them by hand keeps the
// linker from leaving them out.
static void registerCursorResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(cursors);
        return true;
    }();
    (void)registered;
}

namespace pinewick {
namespace {

struct CursorPicture {
    const char* name;
    QPoint hotSpot;
};

constexpr CursorPicture pictures[] = {
    {"ROTATEL", {9, 4}},
    {"ROTATER", {5, 3}},
    {"DRAG", {11, 0}},
    {"CLICK", {12, 3}},
};

const CursorPicture* find(const QString& name) {
    for (const CursorPicture& picture : pictures) {
        if (name == QLatin1String(picture.name)) {
            return &picture;
        }
    }
    return nullptr;
}

} // namespace

QPoint cursorHotSpot(const QString& name) {
    const CursorPicture* picture = find(name);
    return picture ? picture->hotSpot : QPoint();
}

QCursor pinewickCursor(const QString& name) {
    registerCursorResources();
    const CursorPicture* picture = find(name);
    // Read as XPM and nothing else: the toolkit's own reader, where guessing
    // would load every picture plug-in installed to ask each about the data.
    QImage image;
    if (picture) {
        QImageReader reader(":/cursors/" + name, "XPM");
        reader.setAutoDetectImageFormat(false);
        image = reader.read();
    }
    if (image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    // Two colours and a mask: black pixels draw black, opaque pixels are
    // shown, transparent ones let the screen through.
    QImage ink(image.size(), QImage::Format_RGB32);
    QImage shown(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool opaque = qAlpha(pixel) >= 128;
            ink.setPixel(x, y, opaque && qGray(pixel) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            shown.setPixel(x, y, opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return QCursor(QBitmap::fromImage(ink), QBitmap::fromImage(shown), picture->hotSpot.x(),
                   picture->hotSpot.y());
}

} // namespace pinewick
