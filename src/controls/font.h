#pragma once
// TFont: the font a greeting is written in, a Qt font and the colour of its
// text. Family and style changes replace the Qt font's face and keep its size;
// the colour is only ever set from outside.
#include <QColor>
#include <QFont>

struct TFont {
    QFont Font;
    QColor Color{Qt::black};

    bool operator==(const TFont& other) const { return Font == other.Font && Color == other.Color; }
};
