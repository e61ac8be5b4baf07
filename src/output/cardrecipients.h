#pragma once
// The people a card goes to: a typed list of addresses and names resolved
// through the address books, and the personal note made out to each of them.
#include "mail/addressbooks/addressbook.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace output {

// The most recipients one send takes.
inline constexpr int kMaxCardRecipients = 100;

struct CardRecipient {
    QString Name;      // the display name in To (may be empty)
    QString FirstName; // what {name} in the note becomes (may be empty)
    QString Address;
};

struct ResolvedRecipients {
    std::vector<CardRecipient> Recipients; // in the order typed, each address once
    // A name that several contacts answer to, with their "Name <address>" texts.
    struct Ambiguous {
        QString Typed;
        QStringList Matches;
    };
    std::vector<Ambiguous> AmbiguousNames;
    QStringList Problems; // one sentence each: unknown names, unfit addresses, too many
    bool Ok() const { return AmbiguousNames.empty() && Problems.isEmpty(); }
};

// Resolves every list (each as typed in the address field or given to --send):
// "Name <address>" and bare addresses as they stand, a name without "@"
// through the contacts. A typed address the books know gets the book's name
// when none was typed, and the book's first name.
ResolvedRecipients ResolveRecipients(const QStringList& lists, const std::vector<mail::Contact>& contacts);

// The first name {name} stands for: the book's first name, else the display
// name's first word; empty when the name is unknown or is an address.
QString FirstNameOf(const QString& firstName, const QString& displayName);

} // namespace output
