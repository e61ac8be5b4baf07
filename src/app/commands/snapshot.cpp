#include "app/commands/commands.h"

#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"

#include <QImage>
#include <cstdio>

int RunSnapshot(const QString& file) {
    DirectXVersion = GetDXVersion();
    QImage background = LoadPicture(DataFile("Resource/Bk.bmp"));
    if (background.isNull()) {
        std::fprintf(stderr, "pinewick: %s: no window picture; using a plain background\n",
                     qPrintable(DataFile("Resource/Bk.bmp")));
        background = QImage(layout::Window, QImage::Format_RGB32);
        background.fill(QColor(12, 20, 48));
    }
    background = background.convertToFormat(QImage::Format_RGB32);

    TTree tree("desc", layout::TreeControl.size(), background.copy(layout::TreeControl));
    // Taking a picture changes nothing of the decoration.
    tree.KeepFileUnchanged();
    if (tree.loadError()) {
        return 1;
    }
    if (!tree.hasDevice()) {
        std::fprintf(stderr, "pinewick: no OpenGL device; the picture shows no tree\n");
    }
    tree.AnimateToys(0);
    tree.Render();
    QString error;
    if (!SavePicture(GreetingPicture(background, tree), file, &error)) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
