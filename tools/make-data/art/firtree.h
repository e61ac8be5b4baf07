#pragma once
// A painted fir tree in the look of the 3D tree: tiers of drooping needle
// sprays, dark inside and light at the tips, lit from the upper right, with
// a little snow on the branches.
#include <QPainter>
#include <QPointF>

namespace makedata::art {

struct FirTreeShape {
    QPointF foot;        // bottom of the trunk
    double height = 300; // foot to tip
    double width = 220;  // across the lowest tier
    int tiers = 8;
    double snow = 1.0; // 0 = none
    unsigned seed = 5;
};

void paintFirTree(QPainter& p, const FirTreeShape& shape);

} // namespace makedata::art
