#pragma once
// Lists of recipients as people type them: RFC 5322 address lists
// ("Oma Ilse <ilse@example.org>, \"Weiß, Zoë\" <zoe@example.org>", bare
// addresses, groups), separated by commas or semicolons, and names without an
// address for the address books to resolve.
#include <QString>
#include <vector>

namespace mail {

struct TypedRecipient {
    QString Name;    // the display name, unquoted; may be empty
    QString Address; // empty when the item is a name to look up
    QString Text;    // the item as typed, trimmed
};

// The items of a typed list, in order; empty items are skipped. An item with
// "<...>" names its address there; one with "@" is an address (an old-style
// "(Name)" comment after it gives the name); anything else is a name.
std::vector<TypedRecipient> ParseAddressList(const QString& text);

// Where the item the cursor is in starts: just after the last comma or
// semicolon before cursor that is not inside quotes or angle brackets.
int CurrentItemStart(const QString& text, int cursor);

} // namespace mail
