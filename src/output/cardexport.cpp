#include "output/cardexport.h"

#include "mainwindow/greetingpicture.h"
#include "media/animationwriter.h"
#include "output/turntable.h"
#include "platform/replacingfile.h"
#include "scene/tree.h"

#include <QFileInfo>

CardFileKind CardFileKindOf(const QString& file) {
    if (TAnimationWriter::FormatForFile(file)) {
        return CardFileKind::Animated;
    }
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "jpg" || suffix == "jpeg" || suffix == "png") {
        return CardFileKind::Still;
    }
    return CardFileKind::Unknown;
}

ExportResult ExportCard(const QImage& windowBackground, TTree& tree, const QString& file,
                        const ExportProgress& progress, QString* error, int frames) {
    switch (CardFileKindOf(file)) {
    case CardFileKind::Unknown:
        *error = file + ": give the card a .jpg, .png, .gif, .webp or .mp4 name";
        return ExportResult::Failed;
    case CardFileKind::Still: {
        if (!SavePicture(GreetingPicture(windowBackground, tree), file, error)) {
            return ExportResult::Failed;
        }
        if (progress) {
            progress(1, 1);
        }
        return ExportResult::Written;
    }
    case CardFileKind::Animated:
        break;
    }

    TReplacingFile target(file);
    if (!target.Create(error)) {
        return ExportResult::Failed;
    }
    TTurntable turntable(windowBackground, tree, frames > 0 ? frames : TTurntable::DefaultFrames);
    TAnimationWriter writer;
    const QImage first = turntable.Frame(0);
    QString why;
    if (!writer.Open(target.TemporaryPath(), *TAnimationWriter::FormatForFile(file), first.size(),
                     TTurntable::FramesPerSecond, &why)) {
        *error = file + ": " + why;
        return ExportResult::Failed;
    }
    const int total = turntable.FrameCount();
    for (int i = 0; i < total; ++i) {
        if (!writer.AddFrame(i == 0 ? first : turntable.Frame(i), &why)) {
            *error = file + ": " + why;
            return ExportResult::Failed;
        }
        if (progress && !progress(i + 1, total)) {
            return ExportResult::Cancelled;
        }
    }
    if (!writer.Finish(&why)) {
        *error = file + ": " + why;
        return ExportResult::Failed;
    }
    return target.Commit(error) ? ExportResult::Written : ExportResult::Failed;
}
