#include "output/cardexport.h"

#include "mainwindow/greetingpicture.h"
#include "media/animationwriter.h"
#include "output/turntable.h"
#include "output/webcard.h"
#include "platform/replacingfile.h"
#include "scene/tree.h"
#include "scene/treegltf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

CardFileKind CardFileKindOf(const QString& file) {
    if (TAnimationWriter::FormatForFile(file)) {
        return CardFileKind::Animated;
    }
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "jpg" || suffix == "jpeg" || suffix == "png") {
        return CardFileKind::Still;
    }
    if (suffix == "glb") {
        return CardFileKind::Model;
    }
    if (suffix == "html" || suffix == "htm") {
        return CardFileKind::Page;
    }
    return CardFileKind::Unknown;
}

bool TreeModel(TTree& tree, QByteArray& glb, QString* error) {
    std::string bytes, why;
    if (!rm::WriteGlb(TreeGltfScene(tree, TTurntable::DefaultLoopMs), bytes, &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    glb = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return true;
}

bool InteractiveCard(const QImage& windowBackground, TTree& tree, QByteArray& page, QString* error) {
    QByteArray glb;
    return TreeModel(tree, glb, error) &&
           InteractiveCardPage(GreetingBackdrop(windowBackground, tree), glb,
                               QString::fromStdString(tree.WelcomeText), page, error);
}

namespace {

// Bytes made in memory, written under a temporary name and renamed into place.
bool WriteWhole(const QString& file, const QByteArray& bytes, QString* error) {
    TReplacingFile target(file);
    if (!target.Create(error)) {
        return false;
    }
    QFile out(target.TemporaryPath());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        *error = file + ": " + out.errorString();
        return false;
    }
    out.close();
    return target.Commit(error);
}

} // namespace

ExportResult ExportCard(const QImage& windowBackground, TTree& tree, const QString& file,
                        const ExportProgress& progress, QString* error, int frames) {
    switch (CardFileKindOf(file)) {
    case CardFileKind::Unknown:
        *error = QCoreApplication::translate(
                     "SaveCard", "%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name")
                     .arg(file);
        return ExportResult::Failed;
    case CardFileKind::Model:
    case CardFileKind::Page: {
        QByteArray bytes;
        QString why;
        const bool made = CardFileKindOf(file) == CardFileKind::Model
                              ? TreeModel(tree, bytes, &why)
                              : InteractiveCard(windowBackground, tree, bytes, &why);
        if (!made) {
            *error = file + ": " + why;
            return ExportResult::Failed;
        }
        if (!WriteWhole(file, bytes, error)) {
            return ExportResult::Failed;
        }
        if (progress) {
            progress(1, 1);
        }
        return ExportResult::Written;
    }
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
