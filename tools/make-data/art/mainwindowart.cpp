// The main window's pictures: its face (Bk.bmp), the hot and pressed looks of
// the seven cases (Add.bmp), both also twice as fine, and the card the
// greeting picture lies on (Card.bmp).
#include "art/artkit.h"
#include "art/bmpfile.h"
#include "art/buttonart.h"
#include "art/mainwindowface.h"
#include "art/translatedpictures.h"
#include "art/windowlayout.h"
#include "art/windowpicture.h"
#include "generator.h"

#include <QPainter>
#include <cstdio>

namespace makedata::art {
namespace {

QImage paintCaseStates(int scale) {
    const QImage base = paintMainWindowBase(scale);
    QImage sheet = newCanvas(layout::casesPicture, scale);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    for (int k = 0; k < layout::caseCount; ++k) {
        for (int state : {1, 2}) {
            const QPoint frame = state == 1 ? layout::caseHotFrame(k) : layout::casePressedFrame(k);
            p.drawImage(frame, caseFrame(base, k, state));
        }
    }
    return sheet;
}

void generateMainWindowPictures(const Context& context) {
    writeWindowPicture(context, "Resource/Bk.bmp", paintMainWindowFace);
    writeWindowPicture(context, "Resource/Add.bmp", paintCaseStates);
    writeBmp24(paintCardBackground(), context.file("Resource/Card.bmp"));
    // The cases' labels in each language.
    forEachTranslation(context, [&context](const QString& language) {
        writeWindowPicture(context, "Resource/" + language + "/Bk.bmp", paintMainWindowFace);
        writeWindowPicture(context, "Resource/" + language + "/Add.bmp", paintCaseStates);
    });
}

// The card for printing, four times finer (2560 x 1688): about 340 dpi across
// an A4 page. PNG, since at this size a bitmap would take 13 MB.
void generatePrintCard(const Context& context) {
    const QString file = context.file("Resource/Card@4x.png");
    if (!paintPrintCardBackground(4).save(file, "PNG")) {
        std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(file));
    }
}

} // namespace
} // namespace makedata::art

PW_DATA_GENERATOR("main-window-pictures", 300, makedata::art::generateMainWindowPictures);
PW_DATA_GENERATOR("print-card", 300, makedata::art::generatePrintCard);
