// mutt's alias and source commands as people write them, how a contact is
// shown, and seeded mutations of every reader of outside text.
#include "mail/addressbooks/addressbook.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/muttaliases.h"
#include "mail/addressbooks/vcardparser.h"
#include "support/test_paths.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace mail;

TEST(MuttAliases, CommandsAsPeopleWriteThem) {
    const struct {
        QByteArray text;
        QStringList aliases; // "key|name|address"
        QStringList sources;
        QStringList problems;
    } cases[] = {
        {"alias oma Oma Ilse <ilse@example.org>", {"oma|Oma Ilse|ilse@example.org"}, {}, {}},
        {"alias \"a b\" \"Weiß, Zoë \\\"Z\\\"\" <zoe@example.org>",
         {"a b|Weiß, Zoë \"Z\"|zoe@example.org"},
         {},
         {}},
        {"alias p paul@example.com (Paul Kiefer)", {"p|Paul Kiefer|paul@example.com"}, {}, {}},
        {"alias -group friends -group work bob bob@example.com", {"bob||bob@example.com"}, {}, {}},
        {"alias fam a@example.org, \"B, Bee\" <b@example.org>,, nobody",
         {"fam||a@example.org|list", "fam|B, Bee|b@example.org|list"},
         {},
         {}},
        {"  alias long Long \\\r\n   Name <l@example.org>\r\n", {"long|Long Name|l@example.org"}, {}, {}},
        {"# alias no <no@example.org>\nalias c c@example.org # <not@example.org>",
         {"c||c@example.org"},
         {},
         {}},
        {"unalias x; alias q q@example.org; alias r r@example.org",
         {"q||q@example.org", "r||r@example.org"},
         {},
         {}},
        {"set alias_file=~/.mutt/al; source $alias_file\nset sort=date alias_file = \"/a b\"\nsource "
         "${alias_file} x",
         {},
         {"~/.mutt/al", "/a b", "x"},
         {}},
        {"source \"~/my file\" 'gpg -d secret |' `echo x` ~/ok # not/this", {}, {"~/my file", "~/ok"}, {}},
        {"source $alias_file\nset alias_file='cmd |'\nsource $alias_file", {}, {}, {}},
        {"alias family oma, paul\nalias mixed oma, m@example.org", {"mixed||m@example.org|list"}, {}, {}},
        {"\nalias bad Not an address\nalias\n",
         {},
         {},
         {"line 2: an alias without an address, skipped", "line 3: an alias without an address, skipped"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString aliasFile;
        const MuttFile file = ParseMuttFile(c.text, aliasFile);
        QStringList aliases;
        for (const MuttAlias& a : file.Aliases) {
            aliases << a.Key + '|' + a.Name + '|' + a.Address + (a.List ? "|list" : "");
        }
        EXPECT_EQ(aliases, c.aliases);
        EXPECT_EQ(file.Sources, c.sources);
        EXPECT_EQ(file.Problems, c.problems);
    }
}

TEST(MuttAliases, BoundsOfCommandsAndAliases) {
    // A command of exactly 64 KiB is read; one character more is not.
    for (const int extra : {0, 1}) {
        const QByteArray head = "alias k K <k@example.org> #";
        QByteArray text = head + QByteArray((64 << 10) - head.size() + extra, 'c');
        QString aliasFile;
        const MuttFile file = ParseMuttFile(text + "\nalias n n@example.org\n", aliasFile);
        EXPECT_EQ(file.Aliases.size(), extra ? 1u : 2u);
        EXPECT_EQ(file.Problems, extra ? QStringList{"line 1: longer than 64 KiB, skipped"} : QStringList{});
    }
    QByteArray many;
    for (int i = 0; i <= kMaxMuttAliases; ++i) {
        many += "alias a" + QByteArray::number(i) + " a" + QByteArray::number(i) + "@example.org\n";
    }
    QString aliasFile;
    const MuttFile file = ParseMuttFile(many, aliasFile);
    EXPECT_EQ(qsizetype(file.Aliases.size()), kMaxMuttAliases);
    EXPECT_EQ(file.Problems, QStringList{"line 100001: more than 100000 aliases, the rest skipped"});
}

TEST(ContactText, NamesQuotedWhereTheAddressSyntaxNeedsIt) {
    const struct {
        QString name;
        QString text;
    } cases[] = {
        {"Zoë Weiß", "Zoë Weiß <z@example.org>"},
        {"", "z@example.org"},
        {"Z@EXAMPLE.ORG", "z@example.org"},
        {"  Oma   Ilse ", "Oma Ilse <z@example.org>"},
        {"Weiß, Zoë", "\"Weiß, Zoë\" <z@example.org>"},
        {"J. R. \"Bob\" Dobbs", "\"J. R. \\\"Bob\\\" Dobbs\" <z@example.org>"},
        {"back\\slash", "\"back\\\\slash\" <z@example.org>"},
        {"a (b)", "\"a (b)\" <z@example.org>"},
        {"O'Brien-Smith", "O'Brien-Smith <z@example.org>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContactText({c.name, "", "z@example.org"}), c.text) << c.name.toStdString();
    }
}

TEST(BookText, WhatPassesForAnAddress) {
    const QString longest = QString(64, 'l') + '@' + QString(189, 'd');
    const struct {
        QString text;
        bool address;
    } cases[] = {
        {"a@b", true},
        {"zoë@example.org", true},
        {"\"a b\"@example.org", false},
        {"@example.org", false},
        {"a@", false},
        {"a@b@c", true},
        {"a <a@b>", false},
        {"a@b,c@d", false},
        {longest, true},
        {longest + 'd', false},
        {"a\t@b", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LooksLikeAddress(c.text), c.address) << c.text.toStdString();
    }
    EXPECT_EQ(Folded("Zoë Weiß ÆØŁ straße"), "zoe weiss aeol strasse");
}

// One random change of text: a byte changed, bytes cut or repeated, or a
// fragment that means something to a vCard or a mutt file.
QByteArray Mutate(QByteArray text, std::mt19937& random) {
    static const char* const fragments[] = {"\r\n ",
                                            "\n\t",
                                            "=",
                                            "=\r\n",
                                            ";",
                                            ":",
                                            ",",
                                            "\\",
                                            "\"",
                                            "'",
                                            "<",
                                            ">",
                                            "(",
                                            ")",
                                            "#",
                                            "@",
                                            "BEGIN:VCARD\n",
                                            "END:VCARD\n",
                                            ";ENCODING=QUOTED-PRINTABLE",
                                            ";CHARSET=UTF-16",
                                            ";ENCODING=b",
                                            "alias ",
                                            "source ",
                                            "$alias_file",
                                            "\xC3",
                                            "\xFF",
                                            "\0"};
    const auto pick = [&](qsizetype n) {
        return n <= 0 ? 0 : std::uniform_int_distribution<qsizetype>(0, n - 1)(random);
    };
    for (int e = 0, edits = 1 + int(pick(4)); e < edits; ++e) {
        const qsizetype at = pick(text.size() + 1);
        switch (pick(5)) {
        case 0:
            if (at < text.size()) {
                text[at] = char(pick(256));
            }
            break;
        case 1:
            text.remove(at, pick(40));
            break;
        case 2:
            text.insert(at, text.mid(at, pick(200)));
            break;
        case 3: {
            const char* fragment = fragments[pick(std::size(fragments))];
            text.insert(at, fragment, std::max<qsizetype>(qstrlen(fragment), 1));
            break;
        }
        default:
            text.truncate(at);
            break;
        }
    }
    return text;
}

QByteArray ReadSeed(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(Robustness, MutatedVCardsAndMuttFilesGiveOnlyAddressesWithinBounds) {
    const QString corpus = testsupport::sourceDir() + "/fuzz/corpus/";
    const QByteArray vcards[] = {ReadSeed(corpus + "vcard/versions.vcf"),
                                 ReadSeed(corpus + "vcard/thunderbird.vcf")};
    const QByteArray mutt[] = {ReadSeed(corpus + "mutt/muttrc"), ReadSeed(corpus + "mutt/aliases")};
    std::mt19937 random(20261208);
    qsizetype cards = 0;
    qsizetype aliases = 0;
    for (int i = 0; i < 4000; ++i) {
        QStringList problems;
        for (const VCardEntry& card : ParseVCards(Mutate(vcards[i % 2], random), problems)) {
            ++cards;
            ASSERT_LE(card.Emails.size(), kMaxVCardEmails);
            for (const QString& address : card.Emails) {
                ASSERT_TRUE(LooksLikeAddress(address)) << i << ": " << address.toStdString();
            }
        }
        ASSERT_LE(problems.size(), kMaxVCardProblems + 1);
        QString aliasFile;
        const MuttFile file = ParseMuttFile(Mutate(mutt[i % 2], random), aliasFile);
        for (const MuttAlias& alias : file.Aliases) {
            ++aliases;
            ASSERT_TRUE(LooksLikeAddress(alias.Address)) << i << ": " << alias.Address.toStdString();
        }
    }
    // Most mutations leave most of the text readable.
    EXPECT_GT(cards, 4000);
    EXPECT_GT(aliases, 4000);
}

} // namespace
