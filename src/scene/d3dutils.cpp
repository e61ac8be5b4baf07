#include "scene/d3dutils.h"

#include <algorithm>

void CopyPlacement(const rm::Frame& source, rm::Placeable& target) {
    rm::Vector direction, up;
    source.GetOrientation(nullptr, direction, up);
    target.SetPosition(nullptr, source.GetPosition(nullptr));
    target.SetOrientation(nullptr, direction, up);
}

void BlendBitmap(int x, int y, QRgb transparent, int alpha, QImage& target, const QImage& sprite,
                 const QImage& background) {
    if (target.depth() != 32 || sprite.depth() != 32 || background.depth() != 32)
        return;
    alpha = std::clamp(alpha, 0, 1024);
    const quint32 key = transparent & 0xFFFFFF;
    // Only rows and columns that lie inside both the target and the background.
    const int firstRow = std::max(0, -y), firstColumn = std::max(0, -x);
    const int lastRow = std::min({sprite.height(), target.height() - y, background.height() - y});
    const int lastColumn = std::min({sprite.width(), target.width() - x, background.width() - x});
    for (int i = firstRow; i < lastRow; ++i) {
        const auto* s = reinterpret_cast<const quint32*>(sprite.constScanLine(i));
        const auto* b = reinterpret_cast<const quint32*>(background.constScanLine(y + i)) + x;
        auto* t = reinterpret_cast<quint32*>(target.scanLine(y + i)) + x;
        for (int j = firstColumn; j < lastColumn; ++j) {
            const quint32 sp = s[j];
            if ((sp & 0xFFFFFF) == key)
                continue;
            const quint32 bp = b[j];
            quint32 mixed = 0xFF000000; // the fourth byte must be opaque for Qt's 32-bit formats
            for (int shift = 0; shift < 24; shift += 8) {
                const int sc = (sp >> shift) & 0xFF, bc = (bp >> shift) & 0xFF;
                mixed |= static_cast<quint32>((alpha * sc - (alpha - 1024) * bc) >> 10) << shift;
            }
            t[j] = mixed;
        }
    }
}
