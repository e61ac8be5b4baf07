// The title sequence's pictures: the empty frame that fades in over the
// desktop, the tree and the lettering, each also twice as fine. White is transparent in each; every
// picture is painted over what the screen shows when it fades in, so the
// edges blend without halos.
#include "art/artkit.h"
#include "art/firtree.h"
#include "art/mainwindowface.h"
#include "art/nightscene.h"
#include "art/windowlayout.h"
#include "art/windowpicture.h"
#include "generator.h"

#include <QPainter>
#include <QPainterPath>

namespace makedata::art {
namespace {

QImage paintEmptyFrame(const QImage& scene, int scale) {
    QImage layer = newLayer(640, 480, scale);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(roundedRect(QRectF(0, 0, 640, 480), 18));
    p.drawImage(0, 0, scene);
    p.setPen(QPen(colour(palette::gold, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(QRectF(3.5, 3.5, 633, 473), 15));
    p.end();
    return cutOutline(layer, palette::titleKey);
}

QImage paintTreeLayer(int scale) {
    QImage layer = newLayer(252, 332, scale);
    QPainter p(&layer);
    // A soft shadow on the snow, then the tree.
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shadow(QPointF(126, 322), 80);
    shadow.setColorAt(0, colour(qRgb(20, 30, 70), 110));
    shadow.setColorAt(1, colour(qRgb(20, 30, 70), 0));
    p.save();
    p.translate(126, 322);
    p.scale(1, 0.14);
    p.translate(-126, -322);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(126, 322), 80, 80);
    p.restore();
    FirTreeShape shape;
    shape.foot = QPointF(126, 324);
    shape.height = 316;
    shape.width = 236;
    shape.tiers = 9;
    paintFirTree(p, shape);
    // A star on the tree's tip.
    const QPointF star(126, 14);
    const QPainterPath points = starPath(star, 12, 5);
    QRadialGradient glow(star, 20);
    glow.setColorAt(0, colour(qRgb(255, 236, 160), 160));
    glow.setColorAt(1, colour(qRgb(255, 236, 160), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(star, 20, 20);
    p.setBrush(colour(palette::goldLight));
    p.setPen(QPen(colour(palette::goldDark), 1));
    p.drawPath(points);
    return layer;
}

QImage paintLettering(int scale) {
    QImage layer = newLayer(292, 318, scale);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    // A red ribbon banner across the lower branches.
    const QRectF banner(22, 228, 248, 52);
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? banner.left() : banner.right();
        QPainterPath tail;
        tail.moveTo(edge - side * 10, banner.top() + 12);
        tail.lineTo(edge + side * 20, banner.top() + 12);
        tail.lineTo(edge + side * 10, banner.top() + 33);
        tail.lineTo(edge + side * 20, banner.bottom() + 8);
        tail.lineTo(edge - side * 10, banner.bottom() + 8);
        tail.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour(palette::berryRedDark));
        p.drawPath(tail);
    }
    QLinearGradient satin(0, banner.top(), 0, banner.bottom());
    satin.setColorAt(0, colour(palette::berryRedLight));
    satin.setColorAt(0.5, colour(palette::berryRed));
    satin.setColorAt(1, colour(palette::berryRedDark));
    p.setBrush(colour(qRgb(0, 0, 0), 90));
    p.drawRect(banner.translated(2, 3));
    p.setBrush(satin);
    p.drawRect(banner);
    p.setPen(QPen(colour(palette::gold), 1.5));
    p.drawLine(banner.topLeft() + QPointF(0, 3), banner.topRight() + QPointF(0, 3));
    p.drawLine(banner.bottomLeft() - QPointF(0, 3), banner.bottomRight() - QPointF(0, 3));

    const QFont font = pixelFont("Lobster Two", 44, QFont::Bold);
    QPainterPath word;
    word.addText(0, 0, font, "Pinewick");
    const QRectF bounds = word.boundingRect();
    word.translate(banner.center().x() - bounds.center().x(), banner.center().y() - bounds.center().y() - 1);
    p.setPen(QPen(colour(palette::berryRedDark), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word.translated(1, 2));
    QLinearGradient goldFill(0, banner.top() + 4, 0, banner.bottom() - 4);
    goldFill.setColorAt(0, colour(palette::goldLight));
    goldFill.setColorAt(1, colour(palette::gold));
    p.setPen(Qt::NoPen);
    p.setBrush(goldFill);
    p.drawPath(word);

    return layer;
}

struct TitlePictures {
    QImage empty, tree, text;
};

// The three pictures, `scale` times finer than the window.
TitlePictures paintTitlePictures(int scale) {
    QImage scene = newCanvas(layout::window, scale);
    {
        QPainter p(&scene);
        paintNightScene(p);
    }
    TitlePictures title;
    title.empty = paintEmptyFrame(scene, scale);

    // What the screen holds when the tree fades in: the empty frame and the
    // piece of the window face under the tree.
    QImage screen = scene;
    {
        QPainter p(&screen);
        p.drawImage(layout::titleFloorPiece.topLeft(),
                    copyPart(paintMainWindowFace(scale), layout::titleFloorPiece));
    }
    const QRect treePlace(layout::titleTree, QSize(252, 332));
    title.tree = keyOverBackdrop(paintTreeLayer(scale), copyPart(screen, treePlace), palette::titleKey);
    for (int y = 0; y < title.tree.height(); ++y) {
        for (int x = 0; x < title.tree.width(); ++x) {
            if ((title.tree.pixel(x, y) & 0xFFFFFF) != (palette::titleKey & 0xFFFFFF)) {
                screen.setPixel(treePlace.x() * scale + x, treePlace.y() * scale + y, title.tree.pixel(x, y));
            }
        }
    }
    const QRect textPlace(layout::titleText, QSize(292, 318));
    title.text = keyOverBackdrop(paintLettering(scale), copyPart(screen, textPlace), palette::titleKey);
    return title;
}

void generateTitlePictures(const Context& context) {
    const TitlePictures ordinary = paintTitlePictures(1);
    const TitlePictures finer = paintTitlePictures(2);
    const struct {
        const char* file;
        const QImage& picture;
        const QImage& finerPicture;
    } pictures[] = {{"Resource/Empty.bmp", ordinary.empty, finer.empty},
                    {"Resource/Tree.bmp", ordinary.tree, finer.tree},
                    {"Resource/Text.bmp", ordinary.text, finer.text}};
    for (const auto& picture : pictures) {
        writeWindowPicture(context, picture.file, [&picture](int scale) {
            return scale == 1 ? picture.picture : picture.finerPicture;
        });
    }
}

} // namespace
} // namespace makedata::art

PW_DATA_GENERATOR("title-pictures", 320, makedata::art::generateTitlePictures);
