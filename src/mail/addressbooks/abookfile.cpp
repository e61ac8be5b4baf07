// abook's address book: ~/.abook/addressbook, a "[format]" section and then
// one section per contact ("[0]", "[1]", ...) with name=, email= (a comma
// list) and nick= lines.
#include "mail/addressbooks/addressbooksources.h"
#include "mail/addressbooks/bookfile.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/problemlog.h"

namespace mail {
namespace {

// The most contacts read from the book, and addresses from one contact.
constexpr int kMaxAbookContacts = 100000;
constexpr int kMaxAbookEmails = 100;

struct Entry {
    QString Name, Nick;
    QStringList Emails;
    qsizetype Line = 0;
};

} // namespace

void ReadAbook(const MailAccountPlaces& places, AddressBooks& books) {
    const QString path = places.Home + "/.abook/addressbook";
    QByteArray bytes;
    if (!ReadBookFile(path, bytes, books.Warnings)) {
        return;
    }
    ProblemLog log(20);
    int count = 0;
    Entry entry;
    bool inContact = false;
    const auto finish = [&] {
        if (inContact) {
            if (entry.Emails.isEmpty()) {
                log.Add(
                    AddressBookText::tr("line %1: a contact without an address, skipped").arg(entry.Line));
            }
            for (const QString& address : entry.Emails) {
                books.Contacts.push_back(
                    {entry.Name, {}, address, 0, 0, QStringLiteral("abook"), entry.Nick});
            }
        }
        entry = {};
        inContact = false;
    };
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = BookText(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('[') && line.endsWith(']')) {
            finish();
            bool number = false;
            line.mid(1, line.size() - 2).toInt(&number);
            if (number && ++count > kMaxAbookContacts) {
                log.Add(AddressBookText::tr("line %1: more than %2 contacts, the rest skipped")
                            .arg(QString::number(i + 1), QString::number(kMaxAbookContacts)));
                break;
            }
            inContact = number;
            entry.Line = i + 1;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inContact || eq < 0) {
            continue;
        }
        const QString key = line.first(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("name")) {
            entry.Name = value.simplified();
        } else if (key == QLatin1String("nick")) {
            entry.Nick = value.simplified();
        } else if (key == QLatin1String("email")) {
            for (const QString& item : value.split(',')) {
                const QString address = item.trimmed();
                if (address.isEmpty()) {
                    continue;
                }
                if (!LooksLikeAddress(address)) {
                    log.Add(AddressBookText::tr("line %1: \"%2\" is no mail address, skipped")
                                .arg(QString::number(i + 1), Shortened(address)));
                } else if (entry.Emails.size() < kMaxAbookEmails) {
                    entry.Emails << address;
                }
            }
        }
    }
    finish();
    for (const QString& problem : log.Lines()) {
        books.Warnings << BookWarning(path, problem);
    }
}

} // namespace mail
