#include "app/quitsignals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int caught[3] = {SIGTERM, SIGHUP, SIGINT};

// The write end of the running instance's pipe; only the handler reads it.
volatile std::sig_atomic_t writeEnd = -1;

void onSignal(int number) {
    // Only async-signal-safe work here: one byte into the pipe.
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    if (writeEnd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    }
    errno = saved;
}

} // namespace

TQuitSignals::TQuitSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    writeEnd = pipe_[1];
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Slow system calls go on after the handler; the loop sees the byte.
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        sigaction(caught[i], &action, &previous_[i]);
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TQuitSignals::readPipe);
}

TQuitSignals::~TQuitSignals() {
    if (pipe_[0] < 0) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        sigaction(caught[i], &previous_[i], nullptr);
    }
    writeEnd = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TQuitSignals::readPipe() {
    unsigned char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(pipe_[0], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            emit quitRequested(bytes[i]);
        }
    }
}
