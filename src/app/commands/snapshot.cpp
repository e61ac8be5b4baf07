#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "mainwindow/greetingpicture.h"

#include <QImage>
#include <cstdio>

int RunSnapshot(const QString& file) {
    const PictureDecoration decoration = LoadPictureDecoration();
    if (!decoration.tree) {
        return 1;
    }
    QString error;
    if (!SavePicture(GreetingPicture(decoration.background, *decoration.tree), file, &error)) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
