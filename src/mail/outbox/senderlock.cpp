#include "mail/outbox/senderlock.h"

#include <QDir>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace mail {

SenderLock::SenderLock(const QString& folder) {
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(folder + "/.sender.lock");
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SenderLock::~SenderLock() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}

} // namespace mail
