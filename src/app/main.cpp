// The program's entry: paths and settings first, then a command or the window.
// The window's way: the display and 3D checks, the process-wide objects (the
// driver list, the clock), the windows in their order, the loop, and the
// teardown in the reverse order, so the greeting editor hands its greeting to
// the tree before the tree saves the decoration.
#include "app/application.h"
#include "app/commands/commands.h"
#include "app/startupchecks.h"
#include "dialogs/dialogs.h"
#include "dialogs/formtitle.h"
#include "mail/formout.h"
#include "mainwindow/formtree.h"
#include "mainwindow/timethread.h"
#include "platform/paths.h"
#include "scene/d3ddriverlist.h"
#include "scene/openglprobe.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <memory>

namespace {

// Start-up refusals: a plain box with an OK button and no owner. The text also
// goes to standard error: a screen the toolkit cannot paint on (8 bits per
// pixel) shows the box without its text.
void refuse(const QString& text, const QString& title) {
    std::fprintf(stderr, "pinewick: %s\n", qPrintable(text));
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

int runWindows() {
    // The windows in the order of their creation; they go in the reverse
    // order when this function returns. The title window comes first and
    // shows the main window; the dialogs follow the main window.
    TFormTree* mainWindow = nullptr;
    TFormTitle title([&mainWindow] { mainWindow->exec(); });
    auto formTree = std::make_unique<TFormTree>();
    FormTree = formTree.get();
    mainWindow = formTree.get();
    // The greeting editor, driver dialog and About box, wired to the main window's buttons.
    auto dialogs = std::make_unique<TDialogs>(*formTree);
    // The output dialog (mail and print), on the main window's send button.
    auto formOut = std::make_unique<TFormOut>();
    formOut->Attach(*formTree);

    // The title plays its film and fades (skipped with the debug switch), then
    // shows the main window modally; the program ends when the title closes.
    QObject::connect(&title, &TFormTitle::finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    QTimer::singleShot(0, &title, &TFormTitle::FormShow);
    QApplication::exec();
    return 0;
}

} // namespace

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
    case Command::Snapshot:
    case Command::Send: {
        // No window: without a display, draw off screen.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName("Pinewick");
        std::setlocale(LC_NUMERIC, "C");
        return command->kind == Command::Send ? RunSend(command->file) : RunSnapshot(command->file);
    }
    case Command::Window:
        break;
    }

    TApplication app(argc, argv);
    const QString title = "Pinewick";
    // Numbers in data files use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (const auto refusal = ScreenDepthRefusal(screen ? screen->depth() : 0)) {
        refuse(*refusal, title);
        SavePaths();
        return 0;
    }
    DirectXVersion = GetDXVersion();
    if (Paths.Debug) {
        refuse(VersionCodeText(DirectXVersion), QString());
    }
    if (const auto refusal = OpenGLRefusal(DirectXVersion)) {
        refuse(*refusal, title);
        SavePaths();
        return 0;
    }

    auto drivers = std::make_unique<TD3DDriverList>();
    auto clock = std::make_unique<TTimeThread>(10);
    TimeThread = clock.get();
    QApplication::setApplicationName(title);
    try {
        runWindows();
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, title, QString::fromLocal8Bit(failure.what()));
    }
    TimeThread = nullptr;
    clock.reset();
    drivers.reset();
    SavePaths();
    return 0;
}
