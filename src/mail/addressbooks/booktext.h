#pragma once
// Text as the address books keep it, and the forms the program compares.
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

namespace mail {

// The translation context of the address books' warnings: AddressBookText::tr("...")
// (lupdate and the program both name it after the class).
struct AddressBookText {
    Q_DECLARE_TR_FUNCTIONS(AddressBookText)
};

// Bytes from a book as text: UTF-8, or Latin-1 when they are not valid UTF-8
// (what older programs wrote without naming a character set).
QString BookText(QByteArrayView bytes);

// The text with vCard's escapes undone: "\\" "\," "\;" "\:" and "\n" or "\N"
// (a line break); any other escaped character stands for itself.
QString Unescape(const QString& text);

// Whether the text can be a mail address: a local part and a domain around
// one "@", no blanks, no control characters, no angle brackets, at most 254
// characters.
bool LooksLikeAddress(const QString& text);

// The text cut to 60 characters with "…" for a warning.
QString Shortened(const QString& text);

// The form in which names and typed text are compared: lower case, accents
// and other marks removed, letters that have no decomposition spelt out
// ("ß" → "ss", "æ" → "ae", "ø" → "o", "ł" → "l").
QString Folded(const QString& text);

} // namespace mail
