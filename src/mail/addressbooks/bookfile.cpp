#include "mail/addressbooks/bookfile.h"

#include "mail/addressbooks/booktext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mail {

QString BookWarning(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QLatin1String(": ") + reason;
}

bool ReadBookFile(const QString& path, QByteArray& bytes, QStringList& warnings) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return false;
    }
    const auto warn = [&](const QString& reason) {
        warnings << BookWarning(path, reason);
        return false;
    };
    // The kernel's files pass for regular ones but may block a read forever.
    const QString real = info.canonicalFilePath();
    const bool kernel = real.startsWith(QLatin1String("/proc/")) || real.startsWith(QLatin1String("/sys/"));
    if (!info.isFile() || kernel) {
        return warn(AddressBookText::tr("not a regular file, skipped"));
    }
    if (info.size() > kMaxBookFile) {
        return warn(AddressBookText::tr("larger than 64 MiB, skipped"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return warn(AddressBookText::tr("cannot be read"));
    }
    // Read at most one byte past the bound: the file may grow meanwhile.
    bytes = file.read(kMaxBookFile + 1);
    if (bytes.size() > kMaxBookFile) {
        bytes.clear();
        return warn(AddressBookText::tr("larger than 64 MiB, skipped"));
    }
    return true;
}

} // namespace mail
