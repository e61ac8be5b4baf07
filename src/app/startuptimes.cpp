#include "app/startuptimes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

constexpr const char* variable = "PINEWICK_STARTUP_TIMES";

} // namespace

TStartupTimes::TStartupTimes(QObject* parent) : QObject(parent) {
    if (!Wanted()) {
        return;
    }
    skip_ = qgetenv(variable) == "skip";
    QCoreApplication::instance()->installEventFilter(this);
}

TStartupTimes::~TStartupTimes() = default;

bool TStartupTimes::Wanted() {
    return !qEnvironmentVariableIsEmpty(variable);
}

void TStartupTimes::Mark(const char* what) {
    if (!Wanted()) {
        return;
    }
    if (const auto ms = SinceProcessStart()) {
        std::fprintf(stderr, "startup: %s %.0f ms\n", what, *ms);
    } else {
        std::fprintf(stderr, "startup: %s (no process start time)\n", what);
    }
}

std::optional<long long> TStartupTimes::StartTicks(std::string_view statLine) {
    // The name ends at the last ")": the fields after it are plain numbers
    // and words, the third of them (field 3) the process state.
    const std::size_t close = statLine.rfind(')');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = statLine.substr(close + 1);
    // Fields 3 to 21 come before the start time.
    for (int field = 3; field <= 22; ++field) {
        const std::size_t begin = rest.find_first_not_of(' ');
        if (begin == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(begin);
        const std::size_t end = std::min(rest.find(' '), rest.size());
        if (field == 22) {
            long long ticks = 0;
            const auto [last, error] = std::from_chars(rest.data(), rest.data() + end, ticks);
            if (error != std::errc() || last != rest.data() + end || ticks < 0) {
                return std::nullopt;
            }
            return ticks;
        }
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

std::optional<double> TStartupTimes::SinceProcessStart() {
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray line = stat.read(4096).trimmed();
    const auto ticks = StartTicks(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
    const long perSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    // The kernel counts the start time on the clock that goes on during suspend.
    if (!ticks || perSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return std::nullopt;
    }
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - double(*ticks) / double(perSecond)) * 1000;
}

bool TStartupTimes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
        return false;
    }
    const QString name = watched->objectName();
    if (!titleShown_ && name == QLatin1String("FormTitle")) {
        titleShown_ = true;
        afterPaint("title frame");
        if (skip_) {
            // As the user's Escape at the first sight of the title.
            QTimer::singleShot(0, watched, [watched] {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(watched, &press);
            });
        }
    } else if (!mainShown_ && name == QLatin1String("TreeControl")) {
        // The tree is drawn in the main window, which shows its controls with it.
        mainShown_ = true;
        afterPaint("main window");
    }
    if (titleShown_ && mainShown_) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    return false;
}

void TStartupTimes::afterPaint(const char* what) {
    // The paint is flushed to the screen before queued calls run: this one
    // runs when the loop is free again.
    QTimer::singleShot(0, this, [what] { Mark(what); });
}
