#pragma once
// The user's address books, read from the mail programs that keep them on this
// machine: Thunderbird's personal and collected addresses, Evolution, vCard
// folders (and khard's), mutt's aliases and abook. Every book is read only;
// a database is opened immutable, so a mail program that runs meanwhile is
// neither locked out nor changed. A damaged, huge or hostile book gives a
// warning and the other books (and the book's readable entries) still count.
#include "mail/accounts/mailaccount.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace mail {

struct Contact {
    QString Name;        // display name ("Zoë Weiß"), may be empty
    QString FirstName;   // given name when the book has one, else empty
    QString Address;     // e-mail address
    int Popularity = 0;  // Thunderbird's PopularityIndex, else 0
    qint64 LastUsed = 0; // seconds since the epoch when the book knows it (collected addresses), else 0
    QString Book;        // "Thunderbird", "Evolution", "vCard", "mutt", "abook"
    QString Nick; // the book's short name for the contact (mutt alias, abook nick, NICKNAME), may be empty
};

struct AddressBooks {
    std::vector<Contact>
        Contacts;         // one entry per address (case-insensitive), the better name kept, most used first
    QStringList Warnings; // "FILE: reason" for each damaged book or entry skipped
};

// Reads every book found under places (Home, ConfigHome, DataHome).
AddressBooks ReadAddressBooks(const MailAccountPlaces& places = MailAccountPlaces::FromEnvironment());

// Completion: contacts where any word's prefix of the name, or the address's
// start, matches the typed text, letter case and accents ignored ("zoe" finds
// "Zoë Weiß"), in the order of contacts (most used first), at most limit.
std::vector<Contact> MatchContacts(const std::vector<Contact>& contacts, const QString& typed,
                                   int limit = 12);

// A name typed without '@' (command line, dialog): the contacts whose whole
// name (or nick) equals it, letter case and accents ignored; when none does,
// those whose name contains it as whole words. Several mean it is ambiguous.
std::vector<Contact> FindByName(const std::vector<Contact>& contacts, const QString& name);

// "Name <address>" as a mail program shows it, the name quoted where RFC 5322
// needs it; the bare address when the contact has no name.
QString ContactText(const Contact& c);

} // namespace mail
