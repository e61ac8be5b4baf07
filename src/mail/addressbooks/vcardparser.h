#pragma once
// A reader of vCard text (versions 2.1, 3.0 and 4.0: RFC 2426 and RFC 6350) for
// what an address book needs: the names and the mail addresses of each card.
// Folded lines are unfolded, quoted-printable and base64 values decoded, the
// CHARSET parameter honoured (UTF-8 otherwise, Latin-1 for bytes that are not
// UTF-8), and the text escapes (\\ \, \; \n) undone. Damaged lines and cards are
// skipped with a reason; the text's bounds keep a hostile file harmless.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace mail {

struct VCardEntry {
    QString Name;       // FN, or else the given and family names of N
    QString FirstName;  // the given name of N (its first one when it lists several)
    QString Nick;       // the first NICKNAME
    QStringList Emails; // every EMAIL, in the card's order
};

// A card that stands for a group (KIND:group, or the marks of Evolution's and
// Apple's lists) is not returned: its addresses are its members', named by the
// group.

// The bounds of one vCard text.
inline constexpr qsizetype kMaxVCardLine = 1 << 20; // bytes of one unfolded line
inline constexpr qsizetype kMaxVCards = 100000;     // cards read from one text
inline constexpr qsizetype kMaxVCardEmails = 100;   // addresses kept of one card
inline constexpr qsizetype kMaxVCardProblems = 20;  // problems told of one text

// The cards of the text. Each problem (an overlong line, a card without its
// END, too many cards) is added to problems as "line N: reason"; after
// kMaxVCardProblems the rest are counted in one last line.
std::vector<VCardEntry> ParseVCards(QByteArrayView text, QStringList& problems);

} // namespace mail
