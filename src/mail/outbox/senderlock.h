#pragma once
// SenderLock: only one process sends from the outbox at a time. An advisory
// lock (flock) on a file in the outbox; the kernel lets it go when the process
// ends, however it ends, so a crashed sender never blocks the next.
#include <QString>

namespace mail {

class SenderLock {
public:
    // Tries to take the lock on folder/.sender.lock without waiting.
    explicit SenderLock(const QString& folder);
    ~SenderLock();
    SenderLock(const SenderLock&) = delete;
    SenderLock& operator=(const SenderLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace mail
