// The main window's pictures: its face (Bk.bmp), the hot and pressed looks of
// the seven cases (Add.bmp), and the card the greeting picture lies on (Card.bmp).
#include "art/bmpfile.h"
#include "art/buttonart.h"
#include "art/mainwindowface.h"
#include "art/windowlayout.h"
#include "generator.h"

#include <QPainter>

namespace makedata::art {
namespace {

QImage paintCaseStates() {
    const QImage base = paintMainWindowBase();
    QImage sheet(layout::casesPicture, QImage::Format_RGB32);
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
    writeBmp24(paintMainWindowFace(), context.file("Resource/Bk.bmp"));
    writeBmp24(paintCaseStates(), context.file("Resource/Add.bmp"));
    writeBmp24(paintCardBackground(), context.file("Resource/Card.bmp"));
}

} // namespace
} // namespace makedata::art

PW_DATA_GENERATOR("main-window-pictures", 300, makedata::art::generateMainWindowPictures);
