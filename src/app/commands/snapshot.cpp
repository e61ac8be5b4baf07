#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "output/cardexport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The command's texts.
struct SnapshotCommand {
    Q_DECLARE_TR_FUNCTIONS(SnapshotCommand)
};

} // namespace

ExportResult WithProgressBar(const std::function<ExportResult(const ExportProgress&)>& work) {
    const bool terminal = isatty(STDERR_FILENO);
    const ExportResult result = work([terminal](int done, int total) {
        if (terminal) {
            constexpr int Width = 30;
            const int filled = total > 0 ? done * Width / total : Width;
            const std::string bar = std::string(filled, '#') + std::string(Width - filled, '-');
            //: A progress bar (%1), the frames made (%2) and all the frames (%3).
            const QString line = SnapshotCommand::tr("[%1] %2/%3 frames")
                                     .arg(QString::fromStdString(bar))
                                     .arg(done, 3)
                                     .arg(total);
            std::fprintf(stderr, "\r%s", qPrintable(line));
            std::fflush(stderr);
        }
        return true;
    });
    if (terminal) {
        std::fputc('\n', stderr);
    }
    return result;
}

int RunSnapshot(const QString& file) {
    if (CardFileKindOf(file) == CardFileKind::Unknown) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(SnapshotCommand::tr(
                           "pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name")
                           .arg(file)));
        return 1;
    }
    const PictureDecoration decoration = LoadPictureDecoration();
    if (!decoration.tree) {
        return 1;
    }
    const bool animated = CardFileKindOf(file) == CardFileKind::Animated;
    QElapsedTimer clock;
    clock.start();
    QString error;
    const auto save = [&](const ExportProgress& progress) {
        return ExportCard(decoration.background, *decoration.tree, file, progress, &error);
    };
    const ExportResult result = animated ? WithProgressBar(save) : save(nullptr);
    if (result != ExportResult::Written) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        return 1;
    }
    if (CardFileKindOf(file) != CardFileKind::Still) {
        //: The file written, its size and the time it took.
        std::fprintf(stderr, "%s\n",
                     qPrintable(SnapshotCommand::tr("%1: %2 KB in %3 s")
                                    .arg(file)
                                    .arg(QFileInfo(file).size() / 1024.0, 0, 'f', 1)
                                    .arg(clock.elapsed() / 1000.0, 0, 'f', 1)));
    }
    return 0;
}
