// Laying the greeting out on the ribbon, as every paint of the band and every
// press or drag on it does: a short greeting on one line, the long one on two,
// and a greeting at the file's 242-byte limit (too long even for two).
#include "mainwindow/greetinglayout.h"
#include "mainwindow/layout.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

const GreetingStyle style{"Dancing Script", "Bold", QColor(250, 204, 77)};

QString greeting(int which) {
    const QString two = QString::fromUtf8("Liebe Oma, lieber Opa, wir wünschen euch frohe Weihnachten, viel "
                                          "Gesundheit und ein gutes neues Jahr 2027! Eure Lena :)");
    switch (which) {
    case 0:
        return "Merry Christmas and a Happy New Year!";
    case 1:
        return two;
    default:
        return (two + " " + two).left(242);
    }
}

void LayOut(benchmark::State& state) {
    const QString text = greeting(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const TGreetingLayout layout(text, style, layout::WelcomeText);
        benchmark::DoNotOptimize(layout.PixelSize());
    }
}
BENCHMARK(LayOut)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The band's paint: the layout and its drawing with a selection and the caret.
void Paint(benchmark::State& state) {
    const QString text = greeting(static_cast<int>(state.range(0)));
    QImage band(layout::Welcome.size(), QImage::Format_RGB32);
    const QRect rect = layout::WelcomeText.translated(-layout::Welcome.topLeft());
    for (auto _ : state) {
        band.fill(Qt::darkRed);
        QPainter painter(&band);
        const TGreetingLayout layout(text, style, rect);
        layout.Draw(painter, {10, 4, 10});
    }
}
BENCHMARK(Paint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
