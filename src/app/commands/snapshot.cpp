#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "output/cardexport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <unistd.h>

ExportResult WithProgressBar(const std::function<ExportResult(const ExportProgress&)>& work) {
    const bool terminal = isatty(STDERR_FILENO);
    const ExportResult result = work([terminal](int done, int total) {
        if (terminal) {
            constexpr int Width = 30;
            const int filled = total > 0 ? done * Width / total : Width;
            const std::string bar = std::string(filled, '#') + std::string(Width - filled, '-');
            std::fprintf(stderr, "\r[%s] %3d/%d frames", bar.c_str(), done, total);
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
        std::fprintf(stderr,
                     "pinewick: %s: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name\n",
                     qPrintable(file));
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
        std::fprintf(stderr, "%s: %.1f KB in %.1f s\n", qPrintable(file), QFileInfo(file).size() / 1024.0,
                     clock.elapsed() / 1000.0);
    }
    return 0;
}
