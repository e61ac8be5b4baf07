// The program's entry: paths and settings first, then a command or the window.
#include "app/commands/commands.h"
#include "platform/paths.h"
#include "mainwindow/formtree.h"
#include "mainwindow/timethread.h"
#include "scene/d3ddriverlist.h"
#include "scene/openglprobe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    LoadPaths(arguments, ProgramFolder());

    QString error;
    const auto command = ParseCommand(arguments, &error);
    if (!command) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        PrintUsage();
        return 2;
    }
    switch (command->kind) {
    case Command::Help:
        PrintUsage();
        return 0;
    case Command::Check:
        return RunCheck(command->file);
    case Command::Snapshot: {
        // No window: without a display, draw off screen.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName("Pinewick");
        std::setlocale(LC_NUMERIC, "C");
        return RunSnapshot(command->file);
    }
    case Command::Window:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Pinewick");
    // Numbers in data files use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    DirectXVersion = GetDXVersion();
    TD3DDriverList drivers;
    TTimeThread clock(10);
    TimeThread = &clock;
    int result = 0;
    {
        TFormTree window;
        window.move(window.screen()->availableGeometry().center() - window.rect().center());
        window.show();
        result = app.exec();
    }
    TimeThread = nullptr;
    SavePaths();
    return result;
}
