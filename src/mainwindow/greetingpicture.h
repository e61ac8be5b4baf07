#pragma once
// The greeting picture that is mailed and printed: the upper 422 rows of the
// window background, the greeting fitted into its band and the rendered tree.
#include "mainwindow/textfit.h"

#include <QImage>

class TTree;

// The greeting's font and colour as the tree holds them.
GreetingStyle TreeGreetingStyle(const TTree& tree);

QImage GreetingPicture(const QImage& windowBackground, TTree& tree);

// Writes picture as JPEG or PNG by the file's extension; false on failure
// (error describes it).
bool SavePicture(const QImage& picture, const QString& file, QString* error);
