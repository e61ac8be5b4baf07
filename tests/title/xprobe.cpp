// A helper of the end-to-end scripts on a virtual X server:
//   pw_xprobe grab FILE.png   saves the whole screen
//   pw_xprobe clipboard       prints the clipboard's text (a message box puts
//                             its text there on Ctrl+C)
//   pw_xprobe pixel FILE X Y  prints the colour of a picture's pixel as RRGGBB
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    // Pictures are read without a display; the screen and clipboard are the X server's.
    const bool pixel = argc > 1 && std::string_view(argv[1]) == "pixel";
    qputenv("QT_QPA_PLATFORM", pixel ? "offscreen" : "xcb");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == "grab") {
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        return screen.save(arguments[2]) ? 0 : 1;
    }
    if (arguments.size() == 2 && arguments[1] == "clipboard") {
        // The owner answers through the event loop.
        QString text;
        QTimer::singleShot(0, [&] {
            text = QGuiApplication::clipboard()->text();
            app.quit();
        });
        app.exec();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return text.isEmpty() ? 1 : 0;
    }
    if (arguments.size() == 5 && arguments[1] == "pixel") {
        const QImage picture(arguments[2]);
        const QPoint point(arguments[3].toInt(), arguments[4].toInt());
        if (!picture.valid(point)) {
            return 1;
        }
        std::printf("%06X\n", picture.pixel(point) & 0xFFFFFF);
        return 0;
    }
    std::fputs("usage: pw_xprobe grab FILE.png | clipboard | pixel FILE X Y\n", stderr);
    return 2;
}
