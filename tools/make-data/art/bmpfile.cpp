#include "art/bmpfile.h"

#include "art/littleendian.h"

#include <QByteArray>
#include <QSaveFile>
#include <cstdint>

namespace makedata::art {

bool writeBmp24(const QImage& picture, const QString& path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = std::uint32_t(rowBytes) * std::uint32_t(height);
    constexpr std::uint32_t headerBytes = 14 + 40;
    constexpr std::uint32_t pixelsPerMetre = 2835; // 72 dots per inch

    QByteArray out;
    out.reserve(int(headerBytes + pixelBytes));
    out.append("BM");
    putLittle32(out, headerBytes + pixelBytes);
    putLittle32(out, 0);
    putLittle32(out, headerBytes);
    putLittle32(out, 40);
    putLittle32(out, std::uint32_t(width));
    putLittle32(out, std::uint32_t(height)); // positive: rows stored bottom-up
    putLittle16(out, 1);
    putLittle16(out, 24);
    putLittle32(out, 0); // no compression
    putLittle32(out, pixelBytes);
    putLittle32(out, pixelsPerMetre);
    putLittle32(out, pixelsPerMetre);
    putLittle32(out, 0);
    putLittle32(out, 0);

    QByteArray row(rowBytes, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
        out.append(row);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(out);
    return file.commit();
}

} // namespace makedata::art
