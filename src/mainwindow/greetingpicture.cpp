#include "mainwindow/greetingpicture.h"

#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/tree.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

GreetingStyle TreeGreetingStyle(const TTree& tree) {
    const TColor c = tree.WelcomeColor;
    return {QString::fromStdString(tree.FontName), QString::fromStdString(tree.FontStyle),
            QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)};
}

QImage CardBackground(const QImage& windowBackground) {
    const QImage card = LoadPicture(DataFile("Resource/Card.bmp"));
    if (card.width() >= layout::Snapshot.width() && card.height() >= layout::Snapshot.height()) {
        return card.copy(QRect(QPoint(0, 0), layout::Snapshot)).convertToFormat(QImage::Format_RGB32);
    }
    // The window's face at the window's size (a face drawn for a denser screen
    // is reduced).
    QImage face = windowBackground;
    if (face.devicePixelRatio() != 1) {
        face = face.scaled(face.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
        face.setDevicePixelRatio(1);
    }
    return face.copy(QRect(QPoint(0, 0), layout::Snapshot)).convertToFormat(QImage::Format_RGB32);
}

QImage PrintCardBackground(const QImage& windowBackground) {
    const QImage fine = LoadPicture(DataFile("Resource/Card@4x.png"));
    // A picture of the card's proportions, finer than the card.
    if (fine.width() > layout::Snapshot.width() &&
        fine.height() * layout::Snapshot.width() == fine.width() * layout::Snapshot.height()) {
        return fine.convertToFormat(QImage::Format_RGB32);
    }
    return CardBackground(windowBackground);
}

QImage GreetingBackdrop(const QImage& windowBackground, const TTree& tree) {
    QImage picture(layout::Snapshot, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), CardBackground(windowBackground));
    TextFit(painter, layout::WelcomeText, QString::fromStdString(tree.WelcomeText), TreeGreetingStyle(tree),
            false);
    // The tree's own background, as the tree paints it over the card.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(layout::TreeControl), tree.backgroundSurface());
    return picture;
}

QImage GreetingPicture(const QImage& windowBackground, TTree& tree) {
    QImage picture = GreetingBackdrop(windowBackground, tree);
    QPainter painter(&picture);
    tree.PaintTo(layout::TreeControl.x(), layout::TreeControl.y(), painter);
    return picture;
}

bool SavePicture(const QImage& picture, const QString& file, QString* error) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    // Written beside the file and renamed over it when complete: a failed
    // write leaves no half picture and keeps the one that was there.
    QSaveFile out(file);
    QImageWriter writer;
    if (suffix == "jpg" || suffix == "jpeg") {
        writer.setFormat("jpeg");
        // A moderate file for mail, without visible artefacts.
        writer.setQuality(80);
    } else if (suffix == "png") {
        writer.setFormat("png");
    } else {
        *error =
            QCoreApplication::translate("SavePicture", "%1: give the picture a .jpg or .png name").arg(file);
        return false;
    }
    if (!out.open(QIODevice::WriteOnly)) {
        *error = file + ": " + out.errorString();
        return false;
    }
    writer.setDevice(&out);
    if (!writer.write(picture)) {
        *error = file + ": " + writer.errorString();
        return false;
    }
    if (!out.commit()) {
        *error = file + ": " + out.errorString();
        return false;
    }
    return true;
}
