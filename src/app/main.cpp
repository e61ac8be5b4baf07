// The program's entry: paths and settings first, then a command or the window.
// The window's way: the display and 3D checks, the process-wide objects (the
// driver list, the clock), the windows in their order, the loop, and the
// teardown in the reverse order, so the greeting editor hands its greeting to
// the tree before the tree saves the decoration.
#include "app/application.h"
#include "app/commands/commands.h"
#include "app/outboxstart.h"
#include "app/quitsignals.h"
#include "app/singleinstance.h"
#include "app/startupchecks.h"
#include "app/startuptimes.h"
#include "controls/fontfaces.h"
#include "controls/messagebox.h"
#include "dialogs/dialogs.h"
#include "dialogs/formtitle.h"
#include "mainwindow/formtree.h"
#include "output/formout.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "platform/translations.h"
#include "scene/d3ddriverlist.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>
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
    FitMessageBox(box);
    box.exec();
}

// Logout or a termination signal: the dialogs above the main window close,
// and the main window ends as Exit and Yes end it, so the teardown saves the
// decoration. Before the main window is up there is nothing to save.
void quitWithoutAsking(TFormTree& formTree, const QWidget& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && dialog != &formTree && widget != &title && dialog->isVisible()) {
            dialog->reject();
        }
    }
    // Once the dialogs' own loops have returned.
    QTimer::singleShot(0, &formTree, [&formTree] {
        if (formTree.isVisible()) {
            formTree.CloseWithoutAsking();
        } else {
            QCoreApplication::quit();
        }
    });
    // A dialog that refused to close must not keep the program up.
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(0); });
}

// A second start asked for the running window: to the front, as it is.
// On Wayland the desktop lets a window take the focus only with the
// activation token of the start the user just made: the second start's token,
// which Qt's Wayland backend spends on the next activation.
void bringToFront(QWidget& window, const QString& activationToken) {
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith("wayland")) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    }
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

int runWindows(TSingleInstance& instance) {
    // The windows in the order of their creation; they go in the reverse
    // order when this function returns. The title window comes first and
    // shows the main window; the dialogs follow the main window.
    TFormTree* mainWindow = nullptr;
    TFormTitle title([&mainWindow] {
        // Once the main window is up: the outbox's news and its due cards.
        QTimer::singleShot(500, mainWindow, [&mainWindow] { StartOutbox(*mainWindow); });
        mainWindow->exec();
    });
    auto formTree = std::make_unique<TFormTree>();
    FormTree = formTree.get();
    mainWindow = formTree.get();
    // The greeting editor, driver dialog and About box, wired to the main window's buttons.
    auto dialogs = std::make_unique<TDialogs>(*formTree);
    // The output dialog (mail and print), on the main window's send button.
    auto formOut = std::make_unique<TFormOut>();
    formOut->Attach(*formTree);
    TStartupTimes::Mark("windows made");

    QObject::connect(&instance, &TSingleInstance::raiseRequested, &title, [&](const QString& token) {
        bringToFront(formTree->isVisible() ? static_cast<QWidget&>(*formTree) : title, token);
    });

    // Logout and termination signals save as Exit and Yes do; the session
    // manager's request to save (a checkpoint, or before logout) saves now.
    TQuitSignals quitSignals;
    QObject::connect(&quitSignals, &TQuitSignals::quitRequested, &title,
                     [&] { quitWithoutAsking(*formTree, title); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, formTree.get(), [&](QSessionManager&) {
        if (TTree* tree = formTree->tree(); tree && tree->SavesOnExit()) {
            tree->Save();
        }
    });

    // The title plays its film and fades (skipped with the debug switch), then
    // shows the main window modally; the program ends when the title closes.
    QObject::connect(&title, &TFormTitle::finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    QTimer::singleShot(0, &title, &TFormTitle::FormShow);
    QApplication::exec();
    return 0;
}

// The desktop's language for the texts; a decoration copied for the user
// just now starts with the greeting in that language.
void startInLanguage(bool seeded) {
    InstallTranslations();
    if (seeded) {
        LocalizeDefaultGreeting(UserDataFile("desc"), [](const QString& family, const QString& greeting) {
            const QString letters = TextLetters(greeting);
            if (FontWritesLetters(family, letters)) {
                return QStringList();
            }
            // Friendly faces that write Cyrillic and the Latin languages, in order of preference.
            const QStringList candidates[] = {{"Comfortaa", "Bold"},
                                              {"Linux Biolinum O", "Bold"},
                                              {"DejaVu Serif", "Bold"},
                                              {"DejaVu Sans", "Bold"}};
            for (const QStringList& candidate : candidates) {
                if (QFontDatabase::styles(candidate[0]).contains(candidate[1]) &&
                    FontWritesLetters(candidate[0], letters)) {
                    return candidate;
                }
            }
            return QStringList();
        });
    }
}

} // namespace

int main(int argc, char** argv) {
    TStartupTimes::Mark("main");
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    LoadPaths(arguments, ProgramFolder());

    QString error;
    const auto command = ParseCommand(arguments, &error);
    if (!command || command->kind == Command::Help) {
        // The usage in the desktop's language.
        QCoreApplication app(argc, argv);
        InstallTranslations();
        if (!command) {
            // The option is told in the language the usage is printed in.
            ParseCommand(arguments, &error);
            std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        }
        PrintUsage();
        return command ? 0 : 2;
    }
    // A user without a decoration of their own starts from the one that comes
    // with the program.
    bool seeded = false;
    if (command->kind != Command::Help && command->kind != Command::Version && !SeedUserData(&seeded)) {
        std::fprintf(stderr, "pinewick: %s: could not be created\n", qPrintable(UserDataFile("desc")));
    }
    switch (command->kind) {
    case Command::Help:
        break;
    case Command::Version:
        PrintVersion();
        return 0;
    case Command::Check:
        return RunCheck(command->file);
    case Command::SendDue: {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("Pinewick");
        // Its lines and desktop notifications in the desktop's language.
        InstallTranslations();
        return RunSendDue(command->verbose);
    }
    case Command::Snapshot:
    case Command::Send: {
        // No window: without a display, draw off screen.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName("Pinewick");
        startInLanguage(seeded);
        std::setlocale(LC_NUMERIC, "C");
        return command->kind == Command::Send ? RunSend(*command) : RunSnapshot(command->file);
    }
    case Command::Window:
        break;
    }

    TApplication app(argc, argv);
    TStartupTimes startupTimes;
    TStartupTimes::Mark("application");
    startInLanguage(seeded);
    const QString title = "Pinewick";
    // Numbers in data files use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (const auto refusal = ScreenDepthRefusal(screen ? screen->depth() : 0)) {
        refuse(*refusal, title);
        SavePaths();
        return 0;
    }
    const OpenGLFound openGL = ProbeOpenGL();
    DirectXVersion = openGL.code;
    TStartupTimes::Mark("OpenGL probed");
    if (Paths.Debug) {
        refuse(VersionCodeText(DirectXVersion), QString());
    }
    if (const auto refusal = OpenGLRefusal(openGL)) {
        refuse(*refusal, title);
        SavePaths();
        return 0;
    }

    // One window per decoration: a second start brings the first to the front.
    TSingleInstance instance(UserDataFile(""));
    if (instance.role() == TSingleInstance::Role::Second) {
        return 0;
    }

    auto drivers = std::make_unique<TD3DDriverList>();
    auto clock = std::make_unique<TTimeThread>(10);
    TimeThread = clock.get();
    QApplication::setApplicationName(title);
    try {
        runWindows(instance);
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, title, QString::fromLocal8Bit(failure.what()));
    }
    TimeThread = nullptr;
    clock.reset();
    drivers.reset();
    SavePaths();
    return 0;
}
