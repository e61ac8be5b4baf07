#include "output/testcard.h"

#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/openglprobe.h"

namespace testcard {

Card MakeCard(const QString& name) {
    Card card{testsupport::makeScratchHome(name), {}, {}};
    Paths.HDPath = card.home.home;
    DirectXVersion = GetDXVersion();
    card.window = LoadPicture(DataFile("Resource/Bk.bmp")).convertToFormat(QImage::Format_RGB32);
    card.tree =
        std::make_unique<TTree>("desc", layout::TreeControl.size(), card.window.copy(layout::TreeControl));
    card.tree->KeepFileUnchanged();
    card.tree->AnimateToys(0);
    card.tree->Render();
    return card;
}

} // namespace testcard
