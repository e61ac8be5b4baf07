#pragma once
// TQuitSignals: SIGTERM, SIGHUP and SIGINT turned into a Qt signal on the GUI
// thread. The handler only writes the signal's number into a pipe; a socket
// notifier reads it in the event loop, where the program may save and close.
// One instance at a time; the previous handlers come back when it goes.
#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <memory>

class TQuitSignals : public QObject {
    Q_OBJECT
public:
    explicit TQuitSignals(QObject* parent = nullptr);
    ~TQuitSignals() override;
    TQuitSignals(const TQuitSignals&) = delete;
    TQuitSignals& operator=(const TQuitSignals&) = delete;

    // False when the pipe or a handler could not be set up (nothing is caught).
    bool active() const { return notifier_ != nullptr; }

signals:
    // A termination signal arrived (its number); emitted once per signal.
    void quitRequested(int signalNumber);

private:
    void readPipe();

    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[3] = {};
};
