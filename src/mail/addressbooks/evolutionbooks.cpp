// Evolution's address books: one SQLite database per book (contacts.db in a
// folder named after the book's source), the local ones in the data folder
// and the caches of the remote ones (CardDAV, Google) in the cache folder.
// Each contact is a row of the folder's table, the whole card as a vCard in
// its column "vcard"; the columns are found by name, since versions differ
// (older ones may leave "vcard" empty and keep the summary columns only).
#include "mail/addressbooks/addressbooksources.h"
#include "mail/addressbooks/bookfile.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/problemlog.h"
#include "mail/addressbooks/sqlitebook.h"
#include "mail/addressbooks/vcardparser.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace mail {
namespace {

// The most books and the most rows of one book read.
constexpr int kMaxBooks = 64;
constexpr qsizetype kMaxRows = 200'000;

void ReadBook(const QString& path, AddressBooks& books) {
    SqliteBook db;
    QString error = db.Open(path);
    ProblemLog log(kMaxVCardProblems);
    const QString book = QStringLiteral("Evolution");
    const QStringList tables = error.isEmpty() ? db.Tables(error) : QStringList();
    bool found = false;
    for (const QString& table : tables) {
        const QStringList columns = db.Columns(table);
        if (!columns.contains(QLatin1String("uid"), Qt::CaseInsensitive)) {
            continue;
        }
        // The columns this table has, in a fixed order.
        const QStringList wanted{"vcard",   "full_name", "given_name", "nickname", "email_1",
                                 "email_2", "email_3",   "email_4",    "is_list"};
        QStringList select;
        for (const QString& column : wanted) {
            select << (columns.contains(column, Qt::CaseInsensitive) ? SqliteBook::Quoted(column)
                                                                     : QStringLiteral("NULL"));
        }
        if (select[0] == QLatin1String("NULL") && select[4] == QLatin1String("NULL")) {
            continue; // neither cards nor addresses: one of the database's other tables
        }
        found = true;
        qsizetype rows = 0;
        error = db.Query(
            QStringLiteral("SELECT %1 FROM %2")
                .arg(select.join(QLatin1String(", ")), SqliteBook::Quoted(table)),
            [&](sqlite3_stmt* s) {
                VCardEntry card;
                const QString vcard = SqliteBook::Text(s, 0);
                if (!vcard.isEmpty()) {
                    QStringList problems;
                    std::vector<VCardEntry> parsed = ParseVCards(vcard.toUtf8(), problems);
                    for (const QString& problem : problems) {
                        log.Add(
                            AddressBookText::tr("contact %1: %2").arg(QString::number(rows + 1), problem));
                    }
                    if (!parsed.empty()) {
                        card = std::move(parsed[0]);
                    }
                } else if (SqliteBook::Text(s, 8) != QLatin1String("1")) { // a list names its members
                    card.Name = SqliteBook::Text(s, 1).simplified();
                    card.FirstName = SqliteBook::Text(s, 2).simplified();
                    card.Nick = SqliteBook::Text(s, 3).simplified();
                    for (int i = 4; i < 8; ++i) {
                        const QString address = SqliteBook::Text(s, i).trimmed();
                        if (LooksLikeAddress(address)) {
                            card.Emails << address;
                        }
                    }
                }
                for (const QString& address : card.Emails) {
                    books.Contacts.push_back({card.Name, card.FirstName, address, 0, 0, book, card.Nick});
                }
                if (++rows < kMaxRows) {
                    return true;
                }
                log.Add(AddressBookText::tr("more than %1 contacts, the rest skipped").arg(kMaxRows));
                return false;
            });
        if (!error.isEmpty()) {
            break;
        }
    }
    if (!error.isEmpty()) {
        books.Warnings << BookWarning(path, AddressBookText::tr("cannot be read (%1)").arg(error));
    } else if (!found) {
        books.Warnings << BookWarning(path, AddressBookText::tr("holds no contacts table"));
    }
    for (const QString& problem : log.Lines()) {
        books.Warnings << BookWarning(path, problem);
    }
}

} // namespace

void ReadEvolutionBooks(const MailAccountPlaces& places, AddressBooks& books) {
    int count = 0;
    for (const QString& folder :
         {DataHome(places) + "/evolution/addressbook", places.Home + "/.cache/evolution/addressbook"}) {
        const QStringList sources = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& source : sources) {
            const QString path = folder + '/' + source + "/contacts.db";
            if (!QFileInfo(path).isFile()) {
                continue;
            }
            if (++count > kMaxBooks) {
                books.Warnings << BookWarning(
                    folder,
                    AddressBookText::tr("more than %1 address books, the rest skipped").arg(kMaxBooks));
                return;
            }
            ReadBook(path, books);
        }
    }
}

} // namespace mail
