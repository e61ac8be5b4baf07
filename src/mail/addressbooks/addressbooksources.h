#pragma once
// The readers of the address books, one function per program. Each adds the
// contacts of the books it finds to books.Contacts (one entry per address, in
// the book's order, duplicates left for ReadAddressBooks to merge) and a
// warning "FILE: reason" to books.Warnings for each damaged book or entry.
#include "mail/addressbooks/addressbook.h"

namespace mail {

// Thunderbird's default profile: abook.sqlite and history.sqlite.
void ReadThunderbirdBooks(const MailAccountPlaces& places, AddressBooks& books);
// Evolution's local books: $XDG_DATA_HOME/evolution/addressbook/*/contacts.db.
void ReadEvolutionBooks(const MailAccountPlaces& places, AddressBooks& books);
// .vcf files in $XDG_DATA_HOME/contacts and in the folders of khard's configuration.
void ReadVCardFolders(const MailAccountPlaces& places, AddressBooks& books);
// The aliases of mutt's configuration files and the files they source.
void ReadMuttAliases(const MailAccountPlaces& places, AddressBooks& books);
// abook's ~/.abook/addressbook.
void ReadAbook(const MailAccountPlaces& places, AddressBooks& books);

// The user's data folder: places.DataHome, or Home + "/.local/share".
QString DataHome(const MailAccountPlaces& places);

} // namespace mail
