#pragma once
// Printing the greeting card: the card background, the greeting and the tree
// drawn onto a printer page as wide as the page inside 10 mm margins, 10 mm
// from the top, with heights corrected for printers whose horizontal and
// vertical resolutions differ. The greeting is fitted anew at the printer's
// resolution rather than scaled as a picture.
#include <QRect>

class QImage;
class QPainter;
class TTree;

namespace output {

// Where the 640-pixel-wide window's rectangles land on a page, in printer
// pixels. Every step divides as integers (truncating), in the order below, so
// the places are exact for a given printer.
struct TPrintLayout {
    int dpiX = 0;
    int dpiY = 0;
    int mx = 0; // left and right margin: 10 mm in printer pixels
    int my = 0; // top margin
    int W = 0;  // the printed width: the page width less both margins

    static TPrintLayout ForPage(int pageWidth, int dpiX, int dpiY);
    // The page rectangle of a window rectangle (l, t, w, h).
    QRect Map(const QRect& window) const;
};

// Draws the card onto the canvas (a printer's, or any paint device's in its
// own pixels): the card background stretched over the window rectangle
// (0, 0, 640, 422), the tree's greeting fitted into the greeting band, the
// tree's picture into the tree's rectangle.
void PrintCard(QPainter& canvas, const TPrintLayout& page, const QImage& cardBackground, TTree& tree);

} // namespace output
