// Thunderbird's address books in the default profile: abook.sqlite (the
// personal book) and history.sqlite (the addresses collected from mail sent
// and received). Each card is a set of rows (card, name, value) in the table
// properties; newer versions keep the whole card as a vCard in "_vCard" and
// only some of the names beside it.
#include "mail/accounts/thunderbirdprofile.h"
#include "mail/addressbooks/addressbooksources.h"
#include "mail/addressbooks/bookfile.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/problemlog.h"
#include "mail/addressbooks/sqlitebook.h"
#include "mail/addressbooks/vcardparser.h"

#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

namespace mail {
namespace {

// The most property rows read from one book (about 100,000 cards).
constexpr qsizetype kMaxPropertyRows = 2'000'000;

struct Card {
    QString Display, First, Last, Nick, Primary, Second, VCard;
    int Popularity = 0;
    qint64 Modified = 0;
};

void ReadBook(const QString& path, bool collected, AddressBooks& books) {
    if (!QFileInfo::exists(path)) {
        return;
    }
    SqliteBook db;
    QString error = db.Open(path);
    QHash<QString, Card> cards;
    QStringList order; // the cards in the order of their first row
    qsizetype rows = 0;
    if (error.isEmpty()) {
        error = db.Query(
            QStringLiteral(
                "SELECT card, name, value FROM properties WHERE name IN ('DisplayName', 'FirstName', "
                "'LastName', 'NickName', 'PrimaryEmail', 'SecondEmail', 'PopularityIndex', "
                "'LastModifiedDate', '_vCard')"),
            [&](sqlite3_stmt* s) {
                const QString id = SqliteBook::Text(s, 0);
                const QString name = SqliteBook::Text(s, 1);
                const QString value = SqliteBook::Text(s, 2);
                auto found = cards.find(id);
                if (found == cards.end()) {
                    found = cards.insert(id, {});
                    order << id;
                }
                Card& card = *found;
                if (name == QLatin1String("DisplayName")) {
                    card.Display = value.simplified();
                } else if (name == QLatin1String("FirstName")) {
                    card.First = value.simplified();
                } else if (name == QLatin1String("LastName")) {
                    card.Last = value.simplified();
                } else if (name == QLatin1String("NickName")) {
                    card.Nick = value.simplified();
                } else if (name == QLatin1String("PrimaryEmail")) {
                    card.Primary = value.trimmed();
                } else if (name == QLatin1String("SecondEmail")) {
                    card.Second = value.trimmed();
                } else if (name == QLatin1String("PopularityIndex")) {
                    card.Popularity = std::max(0, value.toInt());
                } else if (name == QLatin1String("LastModifiedDate")) {
                    card.Modified = std::max<qint64>(0, value.toLongLong());
                } else {
                    card.VCard = value;
                }
                if (++rows < kMaxPropertyRows) {
                    return true;
                }
                books.Warnings << BookWarning(
                    path,
                    AddressBookText::tr("more than %1 entries, the rest skipped").arg(kMaxPropertyRows));
                return false;
            });
    }
    if (!error.isEmpty()) {
        books.Warnings << BookWarning(path, AddressBookText::tr("cannot be read (%1)").arg(error));
    }
    // What was read before a damaged page still counts.
    const QString book = QStringLiteral("Thunderbird");
    ProblemLog log(kMaxVCardProblems);
    for (const QString& id : order) {
        const Card& card = cards[id];
        QString name = card.Display;
        QString first = card.First;
        QString nick = card.Nick;
        QStringList emails;
        if (!card.VCard.isEmpty()) {
            QStringList problems;
            const std::vector<VCardEntry> parsed = ParseVCards(card.VCard.toUtf8(), problems);
            for (const QString& problem : problems) {
                log.Add(AddressBookText::tr("card %1: %2").arg(id, problem));
            }
            if (!parsed.empty()) {
                name = name.isEmpty() ? parsed[0].Name : name;
                first = first.isEmpty() ? parsed[0].FirstName : first;
                nick = nick.isEmpty() ? parsed[0].Nick : nick;
                emails = parsed[0].Emails;
            }
        }
        if (name.isEmpty()) {
            name = (card.First + ' ' + card.Last).simplified();
        }
        for (const QString& address : {card.Primary, card.Second}) {
            if (LooksLikeAddress(address) && !emails.contains(address, Qt::CaseInsensitive)) {
                emails << address;
            }
        }
        for (const QString& address : emails) {
            books.Contacts.push_back(
                {name, first, address, card.Popularity, collected ? card.Modified : 0, book, nick});
        }
    }
    for (const QString& problem : log.Lines()) {
        books.Warnings << BookWarning(path, problem);
    }
}

} // namespace

void ReadThunderbirdBooks(const MailAccountPlaces& places, AddressBooks& books) {
    const QString profile = ThunderbirdProfile(places);
    if (!profile.isEmpty()) {
        ReadBook(profile + "/abook.sqlite", false, books);
        ReadBook(profile + "/history.sqlite", true, books);
    }
}

} // namespace mail
