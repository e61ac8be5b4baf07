// The faces of the greeting editor (with the sprite sheet of the main
// window's buttons under its colour picker), the driver dialog, the About box
// and the output dialog.
#include "art/artkit.h"
#include "art/buttonart.h"
#include "art/dialogart.h"
#include "art/mainwindowface.h"
#include "art/translatedpictures.h"
#include "art/windowlayout.h"
#include "art/windowpicture.h"
#include "generator.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRadialGradient>

namespace makedata::art {
namespace {

constexpr QRect editorText{45, 16, 452, 26};
constexpr QRect editorFonts{45, 52, 199, 179};
constexpr QRect editorStyles{45, 241, 199, 67};
constexpr QRect editorPicker{255, 52, 281, 256};

// The main window's button frames, each painted over the part of the window
// face it covers, so a frame matches its surroundings pixel for pixel.
void paintButtonSheet(QPainter& p, int scale) {
    const QImage base = paintMainWindowBase(scale);
    for (int b = 0; b < 4; ++b) {
        for (int state = 0; state < 3; ++state) {
            p.drawImage(layout::bigButtonFrame(b, state), bigButtonFrame(base, b, state));
        }
    }
    for (int b = 0; b < 2; ++b) {
        for (int state = 0; state < 3; ++state) {
            p.drawImage(layout::smallButtonFrame(b, state), smallButtonFrame(base, b, state));
        }
    }
}

// Little signs beside the editor's fields: a letter for the text, "Aa" for
// the fonts, bold and italic for the styles, and a palette for the colours.
void paintEditorSigns(QPainter& p) {
    const QFont serif = pixelFont("Linux Libertine O", 22, QFont::Bold);
    paintText(p, QRectF(12, 14, 28, 30), "T", serif, palette::berryRed);
    paintText(p, QRectF(10, 56, 32, 28), "Aa", pixelFont("Linux Libertine O", 17, QFont::Bold),
              palette::berryRed);
    paintText(p, QRectF(10, 244, 32, 26), "B", pixelFont("Linux Libertine O", 17, QFont::Bold),
              palette::berryRed);
    paintText(p, QRectF(10, 266, 32, 26), "I", pixelFont("Linux Libertine O", 18, QFont::Normal, true),
              palette::berryRed);
    // A painter's palette with five dabs.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(557, 80);
    p.setPen(QPen(colour(palette::goldDark), 1));
    p.setBrush(colour(qRgb(240, 222, 186)));
    p.drawEllipse(centre, 14, 11);
    p.setBrush(colour(palette::paper));
    p.drawEllipse(centre + QPointF(5, 5), 3, 2.5);
    const QRgb dabs[] = {palette::berryRedLight, palette::gold, palette::pineLight, qRgb(70, 110, 200),
                         qRgb(150, 80, 170)};
    const QPointF at[] = {{-8, -3}, {-3, -7}, {4, -7}, {9, -2}, {-7, 4}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(colour(dabs[i]));
        p.drawEllipse(centre + at[i], 2.6, 2.6);
    }
    p.restore();
    paintHolly(p, QPointF(557, 285), 0.8, -70);
}

QImage paintEditorFace(int scale) {
    QImage layer = newLayer(layout::editorFace.width(), layout::editorFace.height(), scale);
    QPainter p(&layer);
    paintCard(p, layout::editorFace);
    paintField(p, editorText);
    paintField(p, editorFonts);
    paintField(p, editorStyles);
    paintField(p, editorPicker);
    paintEditorSigns(p);
    paintCloseButton(p, layout::editorClose, false);
    // Under the colour picker: the close button's frames, cut from the face
    // where the button sits, and the main window's button sheet.
    const QImage withoutSheet = layer.copy();
    for (bool pressed : {false, true}) {
        const QPoint frame = pressed ? layout::editorClosePressedFrame : layout::editorCloseFrame;
        p.drawImage(frame, copyPart(withoutSheet, layout::editorClose));
        p.save();
        p.translate(frame - layout::editorClose.topLeft());
        p.setClipRect(layout::editorClose);
        p.fillRect(layout::editorClose, colour(palette::paper));
        paintCloseButton(p, layout::editorClose, pressed);
        p.restore();
    }
    paintButtonSheet(p, scale);
    p.end();
    return cutOutline(layer, palette::outline);
}

QImage paintSetupFace(int scale) {
    QImage layer = newLayer(layout::setupFace.width(), layout::setupFace.height(), scale);
    QPainter p(&layer);
    paintCard(p, layout::setupFace);
    paintHolly(p, QPointF(26, 34), 0.55, -30);
    paintHolly(p, QPointF(248, 34), 0.55, 30);
    paintCaptionPlate(p, QRect(45, 20, 184, 28));
    paintField(p, QRect(24, 52, 227, 210));
    // The push-button frames (under the list, which covers them).
    paintPushButton(p, QRect(layout::pushButtonFrame, layout::pushButton), false);
    paintPushButton(p, QRect(layout::pushButtonPressedFrame, layout::pushButton), true);
    p.end();
    return cutOutline(layer, palette::outline);
}

// The libraries' plates of the About box (the box puts its links on these places).
struct CreditPlate {
    const char* name;
    QRect place;
};
constexpr CreditPlate creditPlates[] = {
    {"Qt", {44, 208, 72, 22}},      {"Mesa", {124, 208, 72, 22}},     {"OpenSSL", {204, 208, 72, 22}},
    {"GLM", {284, 208, 72, 22}},    {"SDL_mixer", {48, 234, 96, 22}}, {"FluidSynth", {152, 234, 96, 22}},
    {"FFmpeg", {256, 234, 96, 22}},
};

void paintOrnament(QPainter& p, QPointF centre, double radius, QRgb tone) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour(palette::goldDark), 1));
    p.drawLine(centre - QPointF(0, radius + 14), centre - QPointF(0, radius + 2));
    p.setPen(Qt::NoPen);
    p.setBrush(colour(palette::gold));
    p.drawRect(QRectF(centre.x() - 3.5, centre.y() - radius - 4, 7, 5));
    QRadialGradient ball(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    ball.setColorAt(0, colour(qRgb(255, 255, 255)));
    ball.setColorAt(0.18, colour(tone));
    ball.setColorAt(1, mix(tone, qRgb(0, 0, 0), 0.6));
    p.setBrush(ball);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(colour(palette::goldLight, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius * 0.3, 2 * radius, radius * 0.6), 180 * 16,
              180 * 16);
    p.restore();
}

QImage paintAboutFace(int scale) {
    QImage layer = newLayer(layout::aboutFace.width(), layout::aboutFace.height(), scale);
    QPainter p(&layer);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintCard(p, layout::aboutFace);
    paintText(p, QRectF(0, 16, 400, 54), "Pinewick", pixelFont("Lobster Two", 46, QFont::Bold),
              palette::berryRed);
    paintText(p, QRectF(0, 70, 400, 22), QCoreApplication::translate("PaintedText", "Version 1.0"),
              pixelFont("EB Garamond", 17, QFont::Normal, true), palette::ink);
    paintText(p, QRectF(0, 92, 400, 22), QCoreApplication::translate("PaintedText", "made by Corlune"),
              pixelFont("EB Garamond", 17), palette::ink);
    paintField(p, QRect(130, 129, 142, 24));
    paintField(p, QRect(130, 158, 142, 25));
    paintOrnament(p, QPointF(74, 150), 19, palette::berryRed);
    paintOrnament(p, QPointF(326, 150), 19, palette::pine);
    paintHolly(p, QPointF(74, 112), 0.7, 0);
    paintHolly(p, QPointF(326, 112), 0.7, 0);

    // The credits: one plate per library, where the About box lays a link over it.
    paintText(p, QRectF(0, 188, 400, 16), QCoreApplication::translate("PaintedText", "Built with"),
              pixelFont("DejaVu Sans", 11, QFont::Bold), palette::berryRedDark);
    const QFont plateFont = pixelFont("DejaVu Sans", 11);
    for (const CreditPlate& plate : creditPlates) {
        paintCaptionPlate(p, plate.place);
        paintText(p, QRectF(plate.place), plate.name, plateFont, palette::ink);
    }
    p.setPen(QPen(colour(palette::gold), 1));
    p.drawLine(QPointF(60, 262.5), QPointF(340, 262.5));
    p.end();
    return cutOutline(layer, palette::outline);
}

QImage paintOutFace(int scale) {
    QImage layer = newLayer(layout::outFace.width(), layout::outFace.height(), scale);
    QPainter p(&layer);
    paintCard(p, layout::outFace);
    paintText(p, QRectF(24, 14, 239, 20),
              //: Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.
              QCoreApplication::translate("PaintedText", "Send your tree to this e-mail address:"),
              pixelFont("DejaVu Sans", 11, QFont::Bold), palette::berryRedDark,
              Qt::AlignLeft | Qt::AlignVCenter);
    paintField(p, QRect(24, 39, 239, 25));
    paintHolly(p, QPointF(216, 98), 0.75, 0);
    paintText(p, QRectF(273, 12, 94, 24), "Pinewick", pixelFont("Lobster Two", 20, QFont::Bold),
              palette::berryRed);
    p.end();
    return cutOutline(layer, palette::outline);
}

void generateDialogPictures(const Context& context) {
    writeWindowPicture(context, "Resource/Welcome.bmp", paintEditorFace, palette::outline);
    writeWindowPicture(context, "Resource/Setup.bmp", paintSetupFace, palette::outline);
    writeWindowPicture(context, "Resource/About.bmp", paintAboutFace, palette::outline);
    writeWindowPicture(context, "Resource/Out.bmp", paintOutFace, palette::outline);
    forEachTranslation(context, [&context](const QString& language) {
        writeWindowPicture(context, "Resource/" + language + "/About.bmp", paintAboutFace, palette::outline);
        writeWindowPicture(context, "Resource/" + language + "/Out.bmp", paintOutFace, palette::outline);
    });
}

} // namespace
} // namespace makedata::art

PW_DATA_GENERATOR("dialog-pictures", 310, makedata::art::generateDialogPictures);
