// The program's entry: paths and settings first, then a command or the window.
#include "app/commands/commands.h"
#include "app/paths.h"

#include <QCoreApplication>
#include <QGuiApplication>
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

    QCoreApplication app(argc, argv);
    // Numbers in data files use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    std::fprintf(stderr, "pinewick: the window is not part of this build yet; see --help\n");
    SavePaths();
    return 0;
}
