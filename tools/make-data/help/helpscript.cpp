// The help balloons of the main window: their pictures and the script
// Data/Help/desc_hlp that places one balloon at each thing worth explaining,
// its tail pointing at it, no two balloons overlapping.
#include "art/artkit.h"
#include "art/windowpicture.h"
#include "generator.h"
#include "help/balloonshape.h"

#include <QSaveFile>
#include <QStringList>

namespace makedata::help {
namespace {

// The texts are the script's English; the program shows each balloon in the
// running language from its translations, where a translator keeps the "*"
// line breaks (commas are allowed there).
struct Item {
    Tail tail;
    QPoint target; // what the tail points at, in window pixels (the body's centre for Tail::None)
    int action;    // 0 closes the balloon, 1 shows the About box, 2 closes the help
    int bold;
    const char* text; // "*" separates lines; no commas
};

// Places follow the main window's layout: greeting ribbon across the top,
// send and greeting buttons on the left, music and driver buttons on the
// right, the tree in the middle, the cases along the bottom, exit in the
// bottom-right corner.
std::vector<Item> items() {
    return {
        {Tail::None, {90, 66}, 1, 1, QT_TRANSLATE_NOOP("HelpScript", "About Pinewick*and its makers")},
        {Tail::None, {550, 66}, 2, 1, QT_TRANSLATE_NOOP("HelpScript", "Close the help*Click here")},
        {Tail::Up,
         {320, 12},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript", "Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo")},
        {Tail::DownLeft,
         {80, 200},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript", "Send your tree*by e-mail or print it")},
        {Tail::DownRight,
         {560, 200},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript", "Click: next song*Right click: silence")},
        {Tail::Down,
         {320, 218},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript",
                           "Right-click a toy*to take it off the tree*or press Delete near it")},
        {Tail::UpRight,
         {250, 207},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript",
                           "Hold the left button*or Page Up/Down: turn*Double-click: it spins")},
        {Tail::Right,
         {545, 290},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript", "Choose the 3D driver*that draws the tree")},
        {Tail::UpLeft, {80, 323}, 0, 0, QT_TRANSLATE_NOOP("HelpScript", "Font and colour*of the greeting")},
        {Tail::Down,
         {320, 440},
         0,
         0,
         QT_TRANSLATE_NOOP("HelpScript", "Open a case and drag*a toy onto the tree*or Tab to it and Enter")},
        {Tail::DownRight, {605, 440}, 0, 0, QT_TRANSLATE_NOOP("HelpScript", "Exit Pinewick")},
    };
}

QString itemLine(const Item& item) {
    // Balloons that act when clicked look like buttons: red, with light text.
    const bool button = item.action != 0;
    const int index = shapeIndex(item.tail, button);
    const BalloonShape& shape = balloonShapes()[std::size_t(index)];
    const QPoint centre = item.tail == Tail::None ? item.target : shape.centreFor(item.target);
    // Fields: picture, action, font size step, bold, centre, balloon colour, text colour, text.
    return QString("HelpItem=%1,%2,0,%3,%4:%5,FF:F6:E0,%6,%7")
        .arg(index)
        .arg(item.action)
        .arg(item.bold)
        .arg(centre.x())
        .arg(centre.y())
        .arg(button ? "FF:EE:C0" : "5A:10:14")
        .arg(item.text);
}

void generateHelp(const Context& context) {
    QStringList lines;
    for (const BalloonShape& shape : balloonShapes()) {
        art::writeCutOutPicture(
            context, "Help/" + shape.file, [&shape](int scale) { return paintBalloon(shape, scale); },
            art::palette::outline);
        lines << "HelpBk=" + shape.file;
    }
    lines << "Debug=0";
    for (const Item& item : items()) {
        lines << itemLine(item);
    }
    QSaveFile file(context.file("Help/desc_hlp"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write((lines.join("\r\n") + "\r\n").toLatin1());
        file.commit();
    }
}

} // namespace
} // namespace makedata::help

PW_DATA_GENERATOR("help", 600, makedata::help::generateHelp);
