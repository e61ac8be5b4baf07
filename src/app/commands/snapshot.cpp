#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "output/cardexport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

void DrawProgressBar(int done, int total) {
    constexpr int Width = 30;
    const int filled = total > 0 ? done * Width / total : Width;
    char bar[Width + 1];
    for (int i = 0; i < Width; ++i) {
        bar[i] = i < filled ? '#' : '-';
    }
    bar[Width] = '\0';
    std::fprintf(stderr, "\r[%s] %3d/%d frames", bar, done, total);
    std::fflush(stderr);
}

int RunSnapshot(const QString& file) {
    if (CardFileKindOf(file) == CardFileKind::Unknown) {
        std::fprintf(stderr, "pinewick: %s: give the card a .jpg, .png, .gif, .webp or .mp4 name\n",
                     qPrintable(file));
        return 1;
    }
    const PictureDecoration decoration = LoadPictureDecoration();
    if (!decoration.tree) {
        return 1;
    }
    const bool animated = CardFileKindOf(file) == CardFileKind::Animated;
    const bool terminal = animated && isatty(STDERR_FILENO);
    QElapsedTimer clock;
    clock.start();
    QString error;
    const ExportResult result = ExportCard(
        decoration.background, *decoration.tree, file,
        [terminal](int done, int total) {
            if (terminal) {
                DrawProgressBar(done, total);
            }
            return true;
        },
        &error);
    if (terminal) {
        std::fputc('\n', stderr);
    }
    if (result != ExportResult::Written) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        return 1;
    }
    if (animated) {
        std::fprintf(stderr, "%s: %.1f KB in %.1f s\n", qPrintable(file), QFileInfo(file).size() / 1024.0,
                     clock.elapsed() / 1000.0);
    }
    return 0;
}
