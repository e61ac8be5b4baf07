// The vCard reader on the forms the programs write: versions 2.1 to 4.0,
// folded lines, encodings and character sets, escapes, and damaged cards.
#include "mail/addressbooks/vcardparser.h"

#include <gtest/gtest.h>

namespace {

using mail::ParseVCards;
using mail::VCardEntry;

struct CardCase {
    const char* label;
    QByteArray text;
    QString name, first, nick;
    QStringList emails;
};

TEST(VCardParser, NamesAndAddressesAsEachVersionWritesThem) {
    const CardCase cases[] = {
        {"version 3 with several addresses",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\xC3\xAB Wei\xC3\x9F\r\nN:Wei\xC3\x9F;Zo\xC3\xAB;;;\r\n"
         "EMAIL;TYPE=HOME:zoe@example.org\r\nitem1.EMAIL;TYPE=WORK:z.weiss@work.example\r\nEND:VCARD\r\n",
         "Zoë Weiß",
         "Zoë",
         "",
         {"zoe@example.org", "z.weiss@work.example"}},
        {"a folded name, blank and tab",
         "BEGIN:VCARD\nFN:Oma\n  Ilse\n\t Berg\nEM\n AIL:ilse@example.org\nEND:VCARD\n",
         "Oma Ilse Berg",
         "",
         "",
         {"ilse@example.org"}},
        {"quoted-printable Latin-1 with a soft line break (2.1)",
         "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=\r\n="
         "FCrgen\r\n"
         "EMAIL;INTERNET;PREF:jm@example.de\r\nEND:VCARD\r\n",
         "Jürgen Müller",
         "Jürgen",
         "",
         {"jm@example.de"}},
        {"bare QUOTED-PRINTABLE, UTF-8 bytes",
         "BEGIN:VCARD\nFN;QUOTED-PRINTABLE;CHARSET=UTF-8:Ren=C3=A9e\nEMAIL:r@example.org\nEND:VCARD\n",
         "Renée",
         "",
         "",
         {"r@example.org"}},
        {"base64 name",
         "BEGIN:VCARD\nFN;ENCODING=b:S8O2bmln\nEMAIL:k@example.org\nEND:VCARD\n",
         "König",
         "",
         "",
         {"k@example.org"}},
        {"escapes, and N's given names as a list",
         "BEGIN:VCARD\nFN:Doe\\, John \\; Jr\\\\\nN:Doe;John\\,Jack;;;\nNICKNAME:jd\\,x,johnny\n"
         "EMAIL:mailto:jd@example.org\nEND:VCARD\n",
         "Doe, John ; Jr\\",
         "John",
         "jd,x",
         {"jd@example.org"}},
        {"a name from N when FN is missing; a quoted parameter holding ':'",
         "BEGIN:VCARD\nVERSION:4.0\nN:Tanne;Theo;;Dr.;\nEMAIL;PID=\"a:b;c\";TYPE=work:theo@example.org\nEND:"
         "VCARD\n",
         "Theo Tanne",
         "Theo",
         "",
         {"theo@example.org"}},
        {"Latin-1 bytes without a character set",
         "BEGIN:VCARD\nFN:Jos\xE9\nEMAIL:jose@example.es\nEND:VCARD\n",
         "José",
         "",
         "",
         {"jose@example.es"}},
        {"an address written with a name; a group card skipped",
         "BEGIN:VCARD\nKIND:group\nFN:Family\nEMAIL:ilse@example.org\nEND:VCARD\n"
         "BEGIN:VCARD\nX-EVOLUTION-LIST:TRUE\nFN:Friends\nEMAIL:Anna <anna@example.org>\nEND:VCARD\n"
         "BEGIN:VCARD\nFN:Anna\nEMAIL;X-EVOLUTION-DEST-NAME=Anna:Anna T. <anna@example.org>\nEND:VCARD\n",
         "Anna",
         "",
         "",
         {"anna@example.org"}},
        {"upper- and lower-case keywords, text around the card",
         "junk before\nbegin:vcard\nfn:Lower Case\nemail:lc@example.org\nend:vcard\nafter\n",
         "Lower Case",
         "",
         "",
         {"lc@example.org"}},
    };
    for (const CardCase& c : cases) {
        SCOPED_TRACE(c.label);
        QStringList problems;
        const std::vector<VCardEntry> cards = ParseVCards(c.text, problems);
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(cards[0].Name, c.name);
        EXPECT_EQ(cards[0].FirstName, c.first);
        EXPECT_EQ(cards[0].Nick, c.nick);
        EXPECT_EQ(cards[0].Emails, c.emails);
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }
}

TEST(VCardParser, DamagedCardsAreToldAndTheRestRead) {
    QByteArray text = "BEGIN:VCARD\nFN:One\nEMAIL:one@example.org\n"                       // 1-3: no END
                      "BEGIN:VCARD\nFN:Two\nEMAIL:not an address\nEMAIL:two@example.org\n" // 4-7
                      "this line has no colon\nEND:VCARD\n"                                // 8-9
                      "BEGIN:VCARD\nFN:No address\nEND:VCARD\n"                            // 10-12
                      "BEGIN:VCARD\nNOTE:";                                                // 13
    text += QByteArray(10 << 20, 'x');
    text += "\nFN:Three\nEMAIL:three@example.org\n"; // 14-15, and the file ends inside the card
    QStringList problems;
    const std::vector<VCardEntry> cards = ParseVCards(text, problems);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].Emails, QStringList{"one@example.org"});
    EXPECT_EQ(cards[1].Emails, QStringList{"two@example.org"});
    EXPECT_EQ(cards[2].Name, "Three");
    EXPECT_EQ(problems,
              (QStringList{"line 1: the card has no END:VCARD",
                           "line 6: \"not an address\" is no mail address, skipped",
                           "line 8: not a vCard line, skipped", "line 14: longer than 1 MiB, skipped",
                           "line 13: the card has no END:VCARD"}));
}

TEST(VCardParser, BoundsOfLinesCardsAndProblems) {
    // A line of exactly the bound is read; one byte more is not.
    const QByteArray head = "BEGIN:VCARD\nEMAIL:a@example.org\nFN:";
    for (const qsizetype extra : {0, 1}) {
        QByteArray text = head + QByteArray(mail::kMaxVCardLine - 3 + extra, 'n') + "\nEND:VCARD\n";
        QStringList problems;
        const auto cards = ParseVCards(text, problems);
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(cards[0].Name.size(), extra ? 0 : mail::kMaxVCardLine - 3);
        EXPECT_EQ(problems.size(), extra);
    }
    // Addresses of one card, problems of one text.
    QByteArray many = "BEGIN:VCARD\n";
    for (int i = 0; i < mail::kMaxVCardEmails + 5; ++i) {
        many += "EMAIL:a" + QByteArray::number(i) + "@example.org\nEMAIL:bad" + QByteArray::number(i) + "\n";
    }
    many += "END:VCARD\n";
    QStringList problems;
    const auto cards = ParseVCards(many, problems);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Emails.size(), mail::kMaxVCardEmails);
    EXPECT_EQ(cards[0].Emails.back(), "a99@example.org");
    ASSERT_EQ(problems.size(), mail::kMaxVCardProblems + 1);
    EXPECT_EQ(problems.back(), "85 more problem(s) not shown");
}

} // namespace
