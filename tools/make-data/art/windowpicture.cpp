#include "art/windowpicture.h"

#include "art/artkit.h"
#include "art/bmpfile.h"

#include <QFileInfo>
#include <cstdio>

namespace makedata::art {

QString finerPictureName(const QString& relative) {
    const QFileInfo info(relative);
    const QString folder = info.path() == "." ? QString() : info.path() + "/";
    return folder + info.completeBaseName() + "@2x.png";
}

void writeWindowPicture(const Context& context, const QString& relative, const ScaledPainting& paint,
                        std::optional<QRgb> outlineKey) {
    const QImage picture = paint(1);
    if (!writeBmp24(picture, context.file(relative))) {
        std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(relative));
    }
    QImage finer = paint(2);
    if (outlineKey) {
        matchOutline(finer, picture, *outlineKey);
    }
    // Alpha would make a 24-bit picture into a 32-bit one.
    finer = finer.convertToFormat(QImage::Format_RGB32);
    finer.setDevicePixelRatio(1);
    const QString name = finerPictureName(relative);
    if (finer.size() != picture.size() * 2 || !finer.save(context.file(name), "PNG")) {
        std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(name));
    }
}

void writeCutOutPicture(const Context& context, const QString& relative, const ScaledPainting& paintLayer,
                        QRgb key) {
    const QImage picture = cutOutline(paintLayer(1), key);
    if (!writeBmp24(picture, context.file(relative))) {
        std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(relative));
    }
    QImage finer = smoothOutline(paintLayer(2), picture, key);
    finer.setDevicePixelRatio(1);
    const QString name = finerPictureName(relative);
    if (finer.size() != picture.size() * 2 || !finer.save(context.file(name), "PNG")) {
        std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(name));
    }
}

} // namespace makedata::art
