#include "platform/replacingfile.h"

#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

TReplacingFile::TReplacingFile(QString target) : target_(std::move(target)) {}

TReplacingFile::~TReplacingFile() {
    Discard();
}

bool TReplacingFile::Create(QString* error) {
    Discard();
    const QFileInfo info(target_);
    if (info.exists() && !info.isFile()) {
        *error =
            QCoreApplication::translate("ReplacingFile", "%1: not a file that can be replaced").arg(target_);
        return false;
    }
    // A hidden name in the target's own folder: the rename stays on one file
    // system, so it is atomic.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = info.absolutePath() + "/." + info.fileName() + "." +
                             QString::number(QRandomGenerator::global()->generate(), 36) + ".part";
        const QByteArray path = QFile::encodeName(name);
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) {
            *error = target_ + ": " + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    *error =
        QCoreApplication::translate("ReplacingFile", "%1: no free temporary name beside it").arg(target_);
    return false;
}

bool TReplacingFile::Commit(QString* error) {
    if (temporary_.isEmpty()) {
        *error = QCoreApplication::translate("ReplacingFile", "%1: nothing was written").arg(target_);
        return false;
    }
    if (std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0) {
        *error = target_ + ": " + QString::fromLocal8Bit(std::strerror(errno));
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void TReplacingFile::Discard() {
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
}
