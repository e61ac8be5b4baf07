#include "controls/controlnr.h"

#include "platform/picture.h"

#include <QPainter>

TControlNR::TControlNR(QWidget* parent) : TControl0(parent), picture_(0, 0, QImage::Format_RGB32) {
    resize(64, 32);
}

TControlNR::~TControlNR() = default;

bool TControlNR::SetShape(const QString& fileName, int width, int height) {
    resize(width, height);
    // Drawn for the screen's density when the data has the finer picture.
    const QImage loaded = LoadPicture(fileName, devicePixelRatioF());
    const bool ok = !loaded.isNull();
    if (ok) {
        picture_ = WithoutAlpha(loaded);
    }
    if (picture_.format() != QImage::Format_RGB32) {
        picture_ = picture_.convertToFormat(QImage::Format_RGB32);
    }
    hasShape_ = true;
    state_ = 0;
    // An empty picture has no top-left pixel: everything is transparent then.
    const QRgb transparent = picture_.isNull() ? 0 : picture_.pixel(0, 0);
    if (wholeRect_) {
        if (ok) {
            look_ = Coverage(loaded, picture_, transparent);
        }
        clearMask();
        flTransparent = true;
        CreateParams();
        update();
    } else {
        look_ = QImage();
        InstallRegion(transparent);
    }
    return ok;
}

QImage TControlNR::Coverage(const QImage& loaded, const QImage& keyed, QRgb transparent) {
    if (loaded.hasAlphaChannel()) {
        return loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QImage look = keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < look.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(look.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(keyed.constScanLine(y));
        for (int x = 0; x < look.width(); ++x) {
            if ((in[x] & 0xFFFFFF) == (transparent & 0xFFFFFF)) {
                row[x] = 0;
            }
        }
    }
    return look;
}

void TControlNR::SetShape(const QImage& source, int width, int height, QRgb transparent) {
    resize(width, height);
    // At the source's density: a picture drawn for a dense screen stays sharp.
    const qreal ratio = source.isNull() ? 1 : source.devicePixelRatio();
    QImage frame(QSize(std::max(width, 0), std::max(height, 0)) * ratio, QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    // What the source does not cover is transparent.
    frame.fill(transparent | 0xFF000000u);
    {
        QPainter painter(&frame);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), source, PicturePixels(source, QRectF(0, 0, width, height)));
    }
    picture_ = std::move(frame);
    look_ = QImage();
    hasShape_ = true;
    state_ = 0;
    InstallRegion(transparent);
}

void TControlNR::InstallRegion(QRgb transparent) {
    const QRegion region = CreateRegionFromBitmap32(picture_, width(), height(), transparent);
    if (region.isEmpty()) {
        // Qt reads an empty mask as "no mask": a region that lies wholly outside
        // the control hides it and lets every click through instead.
        setMask(QRegion(-1, -1, 1, 1));
    } else {
        setMask(region);
    }
    update();
}

void TControlNR::Clear() {
    hasShape_ = false;
    look_ = QImage();
    clearMask();
    update();
}

int TControlNR::LowestShownRow() const {
    if (!picture_.isNull()) {
        // The first pixel of each block stands for it, as in the outline.
        const qreal ratio = picture_.devicePixelRatio();
        const QRgb transparent = picture_.pixel(0, 0) & 0xFFFFFF;
        for (int y = height() - 1; y >= 0; --y) {
            const int row = static_cast<int>(y * ratio);
            for (int x = 0; x < width() && row < picture_.height(); ++x) {
                const int column = static_cast<int>(x * ratio);
                if (column < picture_.width() && (picture_.pixel(column, row) & 0xFFFFFF) != transparent) {
                    return y;
                }
            }
        }
    }
    return height() - 1;
}

void TControlNR::SetState(int state) {
    state_ = state;
    update();
}

void TControlNR::Paint() {
    QPainter* canvas = Canvas();
    if (hasShape_) {
        const QRect client(0, 0, width(), height());
        const QRect frame(width() * state_, 0, width(), height());
        const QRectF pixels = PicturePixels(picture_, frame);
        if (!QRectF(picture_.rect()).contains(pixels)) {
            // A frame the strip lacks shows the control's design colour.
            canvas->fillRect(client, DesignColor());
        }
        canvas->drawImage(client, look_.isNull() ? picture_ : look_, pixels);
    } else if (OnPaint) {
        OnPaint(this);
    } else {
        canvas->fillRect(rect(), DesignColor());
    }
}
