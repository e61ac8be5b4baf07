#include "app/commands/decoration.h"

#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/openglprobe.h"

#include <cstdio>

PictureDecoration LoadPictureDecoration() {
    DirectXVersion = GetDXVersion();
    PictureDecoration decoration;
    decoration.background = LoadPicture(DataFile("Resource/Bk.bmp"));
    if (decoration.background.isNull()) {
        std::fprintf(stderr, "pinewick: %s: no window picture; using a plain background\n",
                     qPrintable(DataFile("Resource/Bk.bmp")));
        decoration.background = QImage(layout::Window, QImage::Format_RGB32);
        decoration.background.fill(QColor(12, 20, 48));
    }
    decoration.background = decoration.background.convertToFormat(QImage::Format_RGB32);

    auto tree = std::make_unique<TTree>("desc", layout::TreeControl.size(),
                                        decoration.background.copy(layout::TreeControl));
    // A picture changes nothing of the decoration.
    tree->KeepFileUnchanged();
    if (tree->loadError()) {
        return decoration;
    }
    // A card without its tree is no card: say so rather than send or save one.
    if (!tree->hasDevice()) {
        std::fprintf(stderr, "pinewick: no OpenGL device to draw the tree; no card made\n");
        return decoration;
    }
    if (!tree->treeMeshError().empty()) {
        std::fprintf(stderr, "pinewick: the tree mesh could not be read (%s); no card made\n",
                     tree->treeMeshError().c_str());
        return decoration;
    }
    tree->AnimateToys(0);
    tree->Render();
    decoration.tree = std::move(tree);
    return decoration;
}
