// vCard files: the desktop's contacts folder ($XDG_DATA_HOME/contacts) and
// the folders that khard's configuration names (one .vcf per contact, as
// vdirsyncer keeps them, or a few large ones).
#include "mail/addressbooks/addressbooksources.h"
#include "mail/addressbooks/bookfile.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/vcardparser.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace mail {
namespace {

// The bounds of one folder tree: how deep it is searched, how many files and
// how many bytes of them are read.
constexpr int kMaxFolderDepth = 8;
constexpr int kMaxFolderFiles = 20000;
constexpr qint64 kMaxFolderBytes = qint64(256) << 20;

// The folders named by "path = ..." in the [addressbooks] section of khard's
// configuration (each book is a subsection: [[name]]).
QStringList KhardFolders(const MailAccountPlaces& places, QStringList& warnings) {
    QStringList folders;
    QByteArray bytes;
    if (!ReadBookFile(places.ConfigHome + "/khard/khard.conf", bytes, warnings)) {
        return folders;
    }
    bool inBooks = false;
    for (const QString& raw : BookText(bytes).split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("[[")) || line.startsWith('#') || line.isEmpty()) {
            continue;
        }
        if (line.startsWith('[')) {
            inBooks = line.compare(QLatin1String("[addressbooks]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inBooks || eq < 0 || line.first(eq).trimmed() != QLatin1String("path")) {
            continue;
        }
        QString path = line.mid(eq + 1).trimmed();
        if (path.size() >= 2 && (path.front() == '"' || path.front() == '\'') &&
            path.back() == path.front()) {
            path = path.mid(1, path.size() - 2);
        }
        if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
            path = places.Home + path.mid(1);
        }
        path.replace(QLatin1String("$HOME"), places.Home);
        if (!path.isEmpty()) {
            folders << path;
        }
    }
    return folders;
}

class FolderReader {
public:
    explicit FolderReader(AddressBooks& books) : books_(books) {}

    void Read(const QString& root) {
        if (!QFileInfo(root).isDir()) {
            return;
        }
        files_ = 0;
        bytes_ = 0;
        full_ = false;
        Walk(root, 0);
    }

private:
    void Walk(const QString& folder, int depth) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || folders_.contains(canonical)) {
            return; // a loop of links, or a folder read before
        }
        folders_.insert(canonical);
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);
        for (const QFileInfo& entry : entries) {
            if (full_) {
                return;
            }
            if (entry.isDir()) {
                if (depth + 1 > kMaxFolderDepth) {
                    Tell(folder, AddressBookText::tr("folders nested deeper than %1 are not searched")
                                     .arg(kMaxFolderDepth));
                } else {
                    Walk(entry.filePath(), depth + 1);
                }
            } else if (entry.suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0) {
                if (files_ >= kMaxFolderFiles || bytes_ + entry.size() > kMaxFolderBytes) {
                    books_.Warnings << BookWarning(
                        folder,
                        AddressBookText::tr("more than %1 files or 256 MiB of contacts, the rest skipped")
                            .arg(kMaxFolderFiles));
                    full_ = true;
                }
                if (full_) {
                    return;
                }
                ReadFile(entry);
            }
        }
    }

    void ReadFile(const QFileInfo& entry) {
        const QString canonical = entry.canonicalFilePath();
        if (read_.contains(canonical)) {
            return;
        }
        read_.insert(canonical);
        QByteArray bytes;
        ++files_;
        if (!ReadBookFile(entry.filePath(), bytes, books_.Warnings)) {
            return;
        }
        bytes_ += bytes.size();
        QStringList problems;
        for (VCardEntry& card : ParseVCards(bytes, problems)) {
            for (const QString& address : card.Emails) {
                books_.Contacts.push_back(
                    {card.Name, card.FirstName, address, 0, 0, QStringLiteral("vCard"), card.Nick});
            }
        }
        for (const QString& problem : problems) {
            books_.Warnings << BookWarning(entry.filePath(), problem);
        }
    }

    // One warning per folder tree for its depth.
    void Tell(const QString& folder, const QString& reason) {
        if (!toldDepth_) {
            books_.Warnings << BookWarning(folder, reason);
            toldDepth_ = true;
        }
    }

    AddressBooks& books_;
    QSet<QString> folders_;
    QSet<QString> read_;
    int files_ = 0;
    qint64 bytes_ = 0;
    bool full_ = false;
    bool toldDepth_ = false;
};

} // namespace

void ReadVCardFolders(const MailAccountPlaces& places, AddressBooks& books) {
    FolderReader reader(books);
    reader.Read(DataHome(places) + "/contacts");
    for (const QString& folder : KhardFolders(places, books.Warnings)) {
        reader.Read(folder);
    }
}

} // namespace mail
