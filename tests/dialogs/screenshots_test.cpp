// The driver dialog and both forms of the About box over the main window's
// face, where the main window centres them: the face shows inside the
// outline, the window behind it outside. The pictures are kept in
// build/screenshots.
#include "controls/control0.h"
#include "dialogs/dialog_support.h"
#include "dialogs/formabout.h"
#include "dialogs/formsetup.h"
#include "scene/d3ddriverlist.h"

#include <QListWidget>
#include <gtest/gtest.h>

using dialogtest::resourcePicture;
using dialogtest::shotOverMainWindow;

namespace {

// Inside the outline the shot shows the dialog's face, outside the main window.
void expectCutByOutline(const QImage& shot, const QImage& mainFace, const QImage& face, QPoint at,
                        const QRegion& outline) {
    int inside = 0;
    for (int y = 0; y < face.height(); y += 7) {
        for (int x = 0; x < face.width(); x += 7) {
            const QPoint p(x, y);
            if (!outline.contains(p)) {
                ASSERT_EQ(shot.pixel(p + at), mainFace.pixel(p + at)) << x << "," << y;
            } else {
                ++inside;
            }
        }
    }
    EXPECT_GT(inside, face.width() * face.height() / 49 * 9 / 10);
}

} // namespace

TEST(DialogShots, DriverDialogOverTheMainWindow) {
    const QImage mainFace = resourcePicture("Bk.bmp");
    const QImage face = resourcePicture("Setup.bmp");
    TD3DDriverList drivers(
        {{0, "llvmpipe (LLVM 15.0.6, 256 bits)", false}, {1, "Mesa Intel(R) Graphics", true}});
    TFormSetup setup;
    setup.Prepare(face, &drivers);
    setup.DriversList->setCurrentRow(0);
    const QPoint at((640 - 274) / 2, (480 - 322) / 2);
    const QImage shot = shotOverMainWindow(setup, at, mainFace, "driver-dialog");
    expectCutByOutline(shot, mainFace, face, at, setup.mask());
}

TEST(DialogShots, AboutBoxInBothFormsOverTheMainWindow) {
    const QImage mainFace = resourcePicture("Bk.bmp");
    const QImage face = resourcePicture("About.bmp");
    TFormAbout about;
    about.Prepare(face, resourcePicture("Setup.bmp"));
    const QPoint at((640 - 400) / 2, (480 - 322) / 2);
    about.Ok->show();
    const QImage info = shotOverMainWindow(about, at, mainFace, "about-information");
    expectCutByOutline(info, mainFace, face, at, about.mask());
    about.Ok->hide();
    about.QExit->show();
    about.Yes->show();
    about.No->show();
    const QImage question = shotOverMainWindow(about, at, mainFace, "about-exit-question");
    expectCutByOutline(question, mainFace, face, at, about.mask());
    EXPECT_NE(info, question);
}
