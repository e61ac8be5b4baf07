#pragma once
// Where the main window's controls sit (client pixels) and where the sprite
// frames lie in the pictures; the pictures are painted to fit these places.
#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

namespace makedata::art::layout {

constexpr QSize window{640, 480};
constexpr QRect greetingBand{135, 0, 370, 32};
// The ribbon's flat front under the band (its ends fold behind outside it);
// the program fits the greeting inside its gold edges.
constexpr QRect ribbonFront{149, 0, 342, 30};
constexpr QRect treeArea{135, 32, 370, 376};
// The greeting card that is mailed and printed: the window's upper part.
constexpr QSize card{640, 422};
// The horizon of the level-looking camera (the middle of the tree area) and
// the tree's foot (the tree stands back, so its foot shows above the cases).
constexpr int horizonY = 220;
constexpr QPoint treeFoot{320, 344};

// The four big command buttons, in sprite order: send, greeting, music, 3D driver.
constexpr std::array<QRect, 4> bigButtons{QRect{34, 196, 70, 60}, QRect{34, 267, 70, 60},
                                          QRect{536, 196, 70, 60}, QRect{536, 267, 70, 60}};
// The two small buttons: help, exit.
constexpr std::array<QRect, 2> smallButtons{QRect{6, 431, 41, 41}, QRect{599, 432, 41, 41}};

constexpr int caseCount = 7;
constexpr int caseTop = 427;
constexpr int caseHeight = 52;
inline QRect caseRect(int k) {
    return QRect(57 + 75 * k, caseTop, k == 6 ? 80 : 70, caseHeight);
}
inline QString caseName(int k) {
    //: The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.
    static const std::array<const char*, caseCount> names{
        QT_TRANSLATE_NOOP("PaintedText", "Big balls"),   QT_TRANSLATE_NOOP("PaintedText", "Bells"),
        QT_TRANSLATE_NOOP("PaintedText", "Icicles"),     QT_TRANSLATE_NOOP("PaintedText", "Stars"),
        QT_TRANSLATE_NOOP("PaintedText", "Small balls"), QT_TRANSLATE_NOOP("PaintedText", "Candles"),
        QT_TRANSLATE_NOOP("PaintedText", "Tops")};
    return QCoreApplication::translate("PaintedText", names[k]);
}
// Hot and pressed frames of case k in the cases picture.
inline QPoint caseHotFrame(int k) {
    return QPoint(70 * k, 0);
}
inline QPoint casePressedFrame(int k) {
    return QPoint(70 * k, caseHeight);
}
constexpr QSize casesPicture{500, 104};
// The toy slots stand on this line.
constexpr int slotBottom = 419;
constexpr int shelfTop = 410;
// The top of the snow along the shelf's back at x: a line through these
// heights every 8 pixels.
inline double snowHeight(int x) {
    return shelfTop - 1.5 - 1.5 * std::sin(x / 23.0) - std::sin(x / 7.0);
}
inline double snowTop(double x) {
    const int left = int(std::floor(x / 8)) * 8;
    const double t = (x - left) / 8;
    return snowHeight(left) * (1 - t) + snowHeight(left + 8) * t;
}
// The middle of slot i (0 … 6) of the open case.
constexpr int slotCentre(int i) {
    return 90 + 75 * i;
}
// The row on which a standing toy as wide as `width` in slot i has its foot:
// on the snow along the shelf's back, clear of the shelf's edge.
inline int standingFoot(int i, int width) {
    double top = snowTop(slotCentre(i));
    for (int x = slotCentre(i) - width / 2; x <= slotCentre(i) + width / 2; ++x) {
        top = std::min(top, snowTop(x));
    }
    return int(std::lround(top)) - 1;
}

// Sprite frames in the greeting editor's picture (state s: 0 normal, 1 hot, 2 pressed).
inline QPoint bigButtonFrame(int button, int state) {
    return QPoint(255 + 70 * state, 52 + 60 * button);
}
inline QPoint smallButtonFrame(int button, int state) {
    return QPoint(465, 52 + 123 * button + 41 * state);
}
constexpr QRect editorClose{508, 15, 28, 28};
constexpr QPoint editorCloseFrame{506, 52};
constexpr QPoint editorClosePressedFrame{506, 80};

// Dialog faces.
constexpr QSize editorFace{579, 322};
constexpr QSize setupFace{274, 322};
constexpr QSize aboutFace{400, 322};
constexpr QSize outFace{386, 159};
// The 94 x 25 push-button frames of the setup picture, shared by three dialogs.
constexpr QSize pushButton{94, 25};
constexpr QPoint pushButtonFrame{24, 52};
constexpr QPoint pushButtonPressedFrame{24, 77};

// Title sequence places.
constexpr QPoint titleTree{194, 37};
constexpr QPoint titleText{174, 51};
constexpr QRect titleFloorPiece{200, 294, 240, 120};
constexpr QRect titleCentre{174, 37, 292, 332};

} // namespace makedata::art::layout
