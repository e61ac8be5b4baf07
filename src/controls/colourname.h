#pragma once
// The everyday name of the colour that dominates a picture ("Red", "Gold",
// "Silver"), for telling toys apart by voice. Pixels of the transparent
// colour (low 24 bits) are not looked at.
#include <QImage>
#include <QRect>
#include <QString>

QString ColourName(const QImage& picture, const QRect& area, QRgb transparent);
