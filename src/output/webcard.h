#pragma once
// The interactive card: one web page that holds everything it shows. The
// card's picture without the tree (background and greeting) lies behind a
// canvas where three.js (Debian's libjs-three, inlined) shows the tree from
// its .glb (inlined as base64) through the card's own camera, so the first
// frame reads as the still card. The tree turns slowly by itself (not when the
// reader asks for reduced motion), a drag turns it, and the ornaments play
// their own animations.
#include <QByteArray>
#include <QImage>
#include <QString>

// Where Debian's libjs-three puts three.js.
inline constexpr const char* ThreeJsFolder = "/usr/share/javascript/three";

// The page for a card picture without the tree (layout::Snapshot large), the
// tree's .glb and the greeting (for readers that can't see the picture); false
// (error says why) when three.js is missing.
bool InteractiveCardPage(const QImage& backdrop, const QByteArray& glb, const QString& greeting,
                         QByteArray& page, QString* error, const QString& threeFolder = ThreeJsFolder);
