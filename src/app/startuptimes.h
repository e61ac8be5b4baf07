#pragma once
// TStartupTimes: how long the window takes to come up, for the start-up bench
// (bench/startup/startup.sh). With PINEWICK_STARTUP_TIMES set, the program
// prints lines "startup: WHAT MS ms" on standard error, MS counted from the
// moment the kernel started the process (so the dynamic loader and the
// libraries' own start-up count too):
//   title frame      the title window's first picture is on the screen
//   main window      the main window's first picture with the tree is on the
//                    screen and the event loop is free to take input
// With PINEWICK_STARTUP_TIMES=skip the title is skipped as soon as it shows,
// as a user's Escape would.
//
//   TStartupTimes times;            // after the application object
//   times.Mark("probe");           // any step of one's own
#include <QObject>
#include <QPointer>
#include <optional>
#include <string_view>

class QWidget;

class TStartupTimes : public QObject {
    Q_OBJECT
public:
    explicit TStartupTimes(QObject* parent = nullptr);
    ~TStartupTimes() override;

    // Whether the environment asks for the times.
    static bool Wanted();
    // Prints a line for the step when the times are wanted.
    static void Mark(const char* what);
    // Milliseconds since the process started; nothing when /proc cannot tell.
    static std::optional<double> SinceProcessStart();
    // The start time of a process in clock ticks after boot: field 22 of its
    // /proc/PID/stat line. The command name (field 2, in parentheses) may
    // hold spaces and parentheses itself; nothing for a line too short.
    static std::optional<long long> StartTicks(std::string_view statLine);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afterPaint(const char* what);

    bool skip_ = false;
    bool titleShown_ = false;
    bool mainShown_ = false;
};
