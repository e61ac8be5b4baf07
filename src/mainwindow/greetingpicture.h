#pragma once
// The greeting picture that is mailed and printed: the card background (the
// window's night scene without its controls), the greeting fitted into its
// band and the rendered tree.
#include "mainwindow/textfit.h"

#include <QImage>

class TTree;

// The greeting's font and colour as the tree holds them.
GreetingStyle TreeGreetingStyle(const TTree& tree);

// The card the picture lies on: Data/Resource/Card.bmp, or, when that is
// missing or too small, the upper part of the window background.
QImage CardBackground(const QImage& windowBackground);
// The card for printing: Data/Resource/Card@4x.png (the same card drawn four
// times finer) when it is there and whole, else CardBackground.
QImage PrintCardBackground(const QImage& windowBackground);

// The picture, 640 × 422, composed over CardBackground(windowBackground).
QImage GreetingPicture(const QImage& windowBackground, TTree& tree);
// The same picture without the tree: the card, its greeting and the tree's background.
QImage GreetingBackdrop(const QImage& windowBackground, const TTree& tree);

// Writes picture as JPEG or PNG by the file's extension; false on failure
// (error describes it).
bool SavePicture(const QImage& picture, const QString& file, QString* error);
