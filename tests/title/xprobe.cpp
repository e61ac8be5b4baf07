// A helper of the end-to-end scripts on a virtual X server:
//   pw_xprobe grab FILE.png   saves the whole screen
//   pw_xprobe pixel FILE X Y  prints the colour of a picture's pixel as RRGGBB
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    // Pictures are read without a display; the screen is the X server's.
    const bool pixel = argc > 1 && std::string_view(argv[1]) == "pixel";
    qputenv("QT_QPA_PLATFORM", pixel ? "offscreen" : "xcb");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == "grab") {
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        return screen.save(arguments[2]) ? 0 : 1;
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
    std::fputs("usage: pw_xprobe grab FILE.png | pixel FILE X Y\n", stderr);
    return 2;
}
