#include "output/printcard.h"

#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "mainwindow/textfit.h"
#include "scene/tree.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace mail {

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
    canvas.drawImage(page.Map(QRect(QPoint(0, 0), layout::Snapshot)),
                     cardBackground.copy(QRect(QPoint(0, 0), layout::Snapshot)));
    TextFit(canvas, page.Map(layout::Welcome), QString::fromStdString(tree.WelcomeText),
            TreeGreetingStyle(tree), false);
    tree.PrintTo(canvas, page.Map(layout::TreeControl));
    canvas.restore();
}

} // namespace mail
