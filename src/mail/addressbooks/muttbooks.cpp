// mutt's aliases: the first of the user's configuration files that exists, as
// mutt chooses it, and the files it sources, as deep as kMaxSourceDepth; a
// file that sources itself (directly or through others) is read once.
#include "mail/addressbooks/addressbooksources.h"
#include "mail/addressbooks/bookfile.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/muttaliases.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace mail {
namespace {

constexpr int kMaxSourceDepth = 16;
constexpr int kMaxSourceFiles = 100;

class MuttReader {
public:
    MuttReader(const MailAccountPlaces& places, AddressBooks& books) : places_(places), books_(books) {}

    void Read(const QString& path, int depth) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty()) {
            return; // mutt too goes on past a missing file
        }
        if (chain_.contains(canonical)) {
            books_.Warnings << BookWarning(path,
                                           AddressBookText::tr("sources itself (a loop), not read again"));
            return;
        }
        if (read_.contains(canonical)) {
            return;
        }
        if (depth > kMaxSourceDepth || read_.size() >= kMaxSourceFiles) {
            books_.Warnings << BookWarning(
                path, AddressBookText::tr("sourced more than %1 files deep or beyond %2 files, not read")
                          .arg(QString::number(kMaxSourceDepth), QString::number(kMaxSourceFiles)));
            return;
        }
        read_.insert(canonical);
        QByteArray bytes;
        if (!ReadBookFile(path, bytes, books_.Warnings)) {
            return;
        }
        const MuttFile file = ParseMuttFile(bytes, aliasFile_);
        for (const QString& problem : file.Problems) {
            books_.Warnings << BookWarning(path, problem);
        }
        for (const MuttAlias& alias : file.Aliases) {
            // The alias names the contact only when it stands for one person
            // (an alias of a list names the list).
            const QString nick = alias.List ? QString() : alias.Key;
            books_.Contacts.push_back({alias.Name, {}, alias.Address, 0, 0, QStringLiteral("mutt"), nick});
        }
        chain_.insert(canonical);
        const QString folder = QFileInfo(path).absolutePath();
        for (const QString& source : file.Sources) {
            Read(Resolve(source, folder), depth + 1);
        }
        chain_.remove(canonical);
    }

private:
    // A sourced path as mutt expands it: "~", $HOME and $XDG_CONFIG_HOME;
    // a relative path is taken from the folder of the file that names it.
    QString Resolve(QString path, const QString& folder) const {
        if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
            path = places_.Home + path.mid(1);
        }
        for (const auto& [name, value] : {std::pair{QStringLiteral("HOME"), places_.Home},
                                          std::pair{QStringLiteral("XDG_CONFIG_HOME"), places_.ConfigHome}}) {
            path.replace("${" + name + "}", value).replace("$" + name, value);
        }
        return QDir::cleanPath(QDir::isRelativePath(path) ? folder + '/' + path : path);
    }

    const MailAccountPlaces& places_;
    AddressBooks& books_;
    QSet<QString> read_;
    QSet<QString> chain_;
    QString aliasFile_;
};

} // namespace

void ReadMuttAliases(const MailAccountPlaces& places, AddressBooks& books) {
    MuttReader reader(places, books);
    for (const QString& path :
         {places.Home + "/.muttrc", places.Home + "/.mutt/muttrc", places.ConfigHome + "/mutt/muttrc"}) {
        if (QFileInfo::exists(path)) {
            reader.Read(path, 0);
            return;
        }
    }
}

} // namespace mail
