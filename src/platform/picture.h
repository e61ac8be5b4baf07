#pragma once
// Loading the pictures of the Data folder (window background, case pictures).
#include <QImage>
#include <QString>

// The picture in path, or a null image when the file is missing, is not a
// picture, or does not hold the whole picture (a truncated or damaged file
// would otherwise show as garbage); a failure other than a missing file is
// told on standard error with the file's name.
QImage LoadPicture(const QString& path);
