#include "app/commands/decoration.h"

#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/openglprobe.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// The texts of the card commands.
struct CardCommand {
    Q_DECLARE_TR_FUNCTIONS(CardCommand)
};

void tell(const QString& line) {
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

} // namespace

PictureDecoration LoadPictureDecoration() {
    DirectXVersion = GetDXVersion();
    PictureDecoration decoration;
    decoration.background = LoadPicture(DataFile("Resource/Bk.bmp"));
    if (decoration.background.isNull()) {
        tell(CardCommand::tr("pinewick: %1: no window picture; using a plain background")
                 .arg(DataFile("Resource/Bk.bmp")));
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
        tell(CardCommand::tr("pinewick: no OpenGL device to draw the tree; no card made"));
        return decoration;
    }
    if (!tree->treeMeshError().empty()) {
        tell(CardCommand::tr("pinewick: the tree mesh could not be read (%1); no card made")
                 .arg(QString::fromStdString(tree->treeMeshError())));
        return decoration;
    }
    tree->AnimateToys(0);
    tree->Render();
    decoration.tree = std::move(tree);
    return decoration;
}
