#include "output/printcard.h"

#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "mainwindow/textfit.h"
#include "scene/tree.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace output {

TPrintLayout TPrintLayout::ForPage(int pageWidth, int dpiX, int dpiY) {
    TPrintLayout page;
    page.dpiX = dpiX;
    page.dpiY = dpiY;
    page.mx = static_cast<int>(std::trunc(10 / 25.4 * dpiX + 0.5));
    page.my = static_cast<int>(std::trunc(10 / 25.4 * dpiY + 0.5));
    page.W = pageWidth - 2 * page.mx;
    return page;
}

QRect TPrintLayout::Map(const QRect& window) const {
    const int w = window.width() * W / 640;
    if (dpiX <= 0) {
        return QRect(mx + window.x() * W / 640, my, w, 0);
    }
    return QRect(mx + window.x() * W / 640, my + (window.y() * W / 640) * dpiY / dpiX, w,
                 (window.height() * W / 640) * dpiY / dpiX);
}

void PrintCard(QPainter& canvas, const TPrintLayout& page, const QImage& cardBackground, TTree& tree) {
    canvas.save();
    // Smooth scaling, as a halftone stretch does.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    // The card may be finer than the window: its pixels per window pixel.
    const double fine = double(cardBackground.width()) / layout::Window.width();
    const auto inCard = [fine](const QRect& window) {
        return QRectF(window.x() * fine, window.y() * fine, window.width() * fine, window.height() * fine)
            .toAlignedRect();
    };
    const QRect card(QPoint(0, 0), layout::Snapshot);
    canvas.drawImage(page.Map(card), cardBackground.copy(inCard(card)));
    TextFit(canvas, page.Map(layout::WelcomeText), QString::fromStdString(tree.WelcomeText),
            TreeGreetingStyle(tree), false);
    // The tree over the card's own picture of its place, rendered for the page.
    tree.PrintTo(canvas, page.Map(layout::TreeControl), cardBackground.copy(inCard(layout::TreeControl)));
    canvas.restore();
}

} // namespace output
