#include "platform/picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdio>

namespace {

// Where a warning from an image handler during one read is noted (the JPEG
// handler reports a premature end of data only that way).
thread_local bool handlerWarned = false;
QtMessageHandler previousHandler = nullptr;

void noteWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        handlerWarned = true;
    }
    if (previousHandler) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

// For a BMP without compression: false when the file is shorter than its
// header says the pixel rows are.
// The toolkit's own format of the data, told by its first bytes: BMP or PNG,
// the pictures the data holds. Held to it, the reader takes its own decoder at
// once; left to guess, it first loads every picture plug-in installed (TIFF,
// WebP, SVG, MNG...) to ask each whether it knows the data, and they stay
// loaded. Anything else is left to the reader to recognise.
QByteArray builtInFormat(const QByteArray& data) {
    if (data.startsWith("BM")) {
        return "bmp";
    }
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        return "png";
    }
    return {};
}

bool wholeBmp(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 size = data.size();
    if (size < 26 || bytes[0] != 'B' || bytes[1] != 'M') {
        return true; // not a BMP: the reader decides
    }
    const quint32 offset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = qFromLittleEndian<qint16>(bytes + 18);
        height = qFromLittleEndian<qint16>(bytes + 20);
        bits = qFromLittleEndian<quint16>(bytes + 24);
    } else if (headerSize >= 40 && size >= 34) {
        width = qFromLittleEndian<qint32>(bytes + 18);
        height = qFromLittleEndian<qint32>(bytes + 22);
        bits = qFromLittleEndian<quint16>(bytes + 28);
        compression = qFromLittleEndian<quint32>(bytes + 30);
    } else {
        return false;
    }
    if (offset > size) {
        return false;
    }
    if (compression != 0 && compression != 3) {
        return true; // run-length data: only the reader can tell
    }
    const qint64 stride = ((qAbs(width) * bits + 31) / 32) * 4;
    return offset + stride * qAbs(height) <= size;
}

// The picture in path, or a null image with the reason in *why (empty for a
// missing file).
QImage readPicture(const QString& path, QString* why) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    const auto fail = [why](const QString& reason) {
        *why = reason;
        return QImage();
    };
    // A FIFO or a device would block the program or never end; a folder has
    // nothing to show.
    const QFileInfo info(path);
    if (!info.isFile()) {
        return fail("not a regular file");
    }
    if (info.size() > MaxPictureFileBytes) {
        return fail(QString("larger than %1 MiB").arg(MaxPictureFileBytes >> 20));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(file.errorString());
    }
    // As much as the file holds (reading up to the bound would reserve the
    // whole bound for every picture), and what it gained since, within the bound.
    QByteArray data = file.read(info.size());
    if (!file.atEnd()) {
        data += file.read(MaxPictureFileBytes + 1 - data.size());
    }
    if (data.size() > MaxPictureFileBytes) {
        return fail(QString("larger than %1 MiB").arg(MaxPictureFileBytes >> 20));
    }
    if (!wholeBmp(data)) {
        return fail("the file is shorter than its picture (truncated or damaged)");
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (const QByteArray format = builtInFormat(data); !format.isEmpty()) {
        reader.setFormat(format);
        reader.setAutoDetectImageFormat(false);
    }
    const QSize size = reader.size();
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        return fail(QString("%1 × %2 pixels, more than %3 on a side")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(MaxPictureSide));
    }
    handlerWarned = false;
    previousHandler = qInstallMessageHandler(noteWarnings);
    QImage image = reader.read();
    qInstallMessageHandler(previousHandler);
    if (image.isNull()) {
        return fail(reader.errorString());
    }
    if (handlerWarned) {
        return fail("the picture is damaged");
    }
    return image;
}

} // namespace

QImage LoadPicture(const QString& path) {
    QString why;
    QImage picture = readPicture(path, &why);
    if (!why.isEmpty()) {
        std::fprintf(stderr, "pinewick: %s: %s; the picture is left blank\n", qPrintable(path),
                     qPrintable(why));
    }
    return picture;
}

QString FinerPictureName(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot > slash ? dot : path.size()) + "@2x.png";
}

QImage LoadPicture(const QString& path, qreal devicePixelRatio) {
    QImage picture = LoadPicture(path);
    if (devicePixelRatio <= 1 || picture.isNull()) {
        return picture;
    }
    QString why;
    QImage finer = readPicture(FinerPictureName(path), &why);
    if (finer.isNull() || finer.size() != picture.size() * 2) {
        return picture;
    }
    finer.setDevicePixelRatio(2);
    return finer;
}

QImage WithoutAlpha(const QImage& picture) {
    if (!picture.hasAlphaChannel()) {
        return picture.convertToFormat(QImage::Format_RGB32);
    }
    // Un-premultiplied: a pixel of no coverage keeps its colour word.
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(source.devicePixelRatio());
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            row[x] = in[x] | 0xFF000000u;
        }
    }
    return out;
}

QRectF PicturePixels(const QImage& picture, const QRectF& logical) {
    const qreal ratio = picture.devicePixelRatio();
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio);
}
