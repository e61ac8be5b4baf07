// Header fields that strict mail readers parse without defects.
#include "mail/headerfields.h"

#include <QTimeZone>
#include <gtest/gtest.h>
#include <sstream>

using namespace mail;

namespace {

std::vector<std::string> Lines(const std::string& header) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = header.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(header.substr(start, end - start));
    }
    lines.push_back(header.substr(start));
    return lines;
}

std::string Unfolded(const std::string& header) {
    std::string out;
    for (const std::string& line : Lines(header)) {
        out += line;
    }
    return out;
}

} // namespace

TEST(FormatMailbox, DisplayNamesAreLeftOutQuotedOrEncoded) {
    struct Case {
        const char* name;
        const char* address;
        const char* want;
    };
    const Case cases[] = {
        {"", "a@example.org", "a@example.org"},
        {"a@example.org", "a@example.org", "a@example.org"}, // the name that repeats the address
        {"  ", "a@example.org", "a@example.org"},
        {"Ann Smith", "a@example.org", "Ann Smith <a@example.org>"},
        {"Smith, Ann", "a@example.org", "\"Smith, Ann\" <a@example.org>"},
        {"Ann \"Robin\" S. \\", "a@example.org", "\"Ann \\\"Robin\\\" S. \\\\\" <a@example.org>"},
        {"=?UTF-8?Q?x?=", "a@example.org", "=?UTF-8?Q?=3D=3FUTF-8=3FQ=3Fx=3F=3D?= <a@example.org>"},
        // Specials never stand unencoded inside an encoded word of a phrase.
        {"Müller, Hans", "h@example.org", "=?UTF-8?Q?M=C3=BCller=2C_Hans?= <h@example.org>"},
        {"Zoë \"Z\"", "z@example.org", "=?UTF-8?Q?Zo=C3=AB_=22Z=22?= <z@example.org>"},
        // Domains go out in their ASCII form; a local part beyond ASCII stays.
        {"", "friend@bücher.example", "friend@xn--bcher-kva.example"},
        {"friend@bücher.example", "friend@bücher.example", "friend@xn--bcher-kva.example"},
        {"Jörg", "jörg@example.org", "=?UTF-8?Q?J=C3=B6rg?= <jörg@example.org>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMailbox(c.name, c.address), c.want) << c.name;
    }
}

TEST(AsciiAddress, DomainsInIdnaLocalPartsUntouched) {
    struct Case {
        const char* address;
        const char* ascii;
        bool smtpUtf8;
    };
    const Case cases[] = {
        {"a@example.org", "a@example.org", false},
        {"a@ÉXAMPLE.org", "a@xn--xample-9ua.org", false},
        {"jörg@bücher.example", "jörg@xn--bcher-kva.example", true},
        {"no-domain", "no-domain", false},
        {"", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AsciiAddress(c.address), c.ascii) << c.address;
        EXPECT_EQ(NeedsSmtpUtf8(c.address), c.smtpUtf8) << c.address;
    }
}

TEST(AddressHeader, AllRecipientsInOneHeaderFoldedAfterCommas) {
    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i) {
        many.push_back(
            FormatMailbox("Friend " + std::to_string(i), "friend" + std::to_string(i) + "@example.org"));
    }
    const std::string header = AddressHeader("To", many);
    EXPECT_EQ(AddressHeader("To", {"a@example.org", "B <b@example.org>"}),
              "To: a@example.org, B <b@example.org>");
    const std::vector<std::string> lines = Lines(header);
    EXPECT_GT(lines.size(), 3u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), kHeaderLineLength) << lines[i];
        if (i > 0) {
            EXPECT_EQ(lines[i][0], ' ');
            EXPECT_EQ(lines[i - 1].back(), ','); // folded only between mailboxes
        }
    }
}

TEST(UnstructuredHeader, TrailingBlanksDroppedLongTextsFolded) {
    std::string longAscii;
    for (int i = 0; i < 40; ++i) {
        longAscii += "Greetings" + std::to_string(i) + " ";
    }
    const std::string longUtf8 =
        "Fröhliche Weihnachten und ein gutes neues Jahr für euch alle – Grüße aus dem Wald";
    struct Case {
        std::string value;
        std::string wantUnfolded; // empty: only the line lengths are checked
        bool encoded;
    };
    const Case cases[] = {
        {"Hello  ", "Subject: Hello", false},
        {"Season's greetings", "Subject: Season's greetings", false},
        {longAscii, "Subject: " + longAscii.substr(0, longAscii.size() - 1), false},
        {"Grüße", "Subject: =?UTF-8?Q?Gr=C3=BC=C3=9Fe?=", true},
        {longUtf8, "", true},
        {"two  blanks", "Subject: =?UTF-8?Q?two__blanks?=", true}, // folding must not lose one
    };
    for (const Case& c : cases) {
        const std::string header = UnstructuredHeader("Subject", c.value);
        for (const std::string& line : Lines(header)) {
            EXPECT_LE(line.size(), kHeaderLineLength) << line;
            EXPECT_NE(line.back(), ' ') << line;
        }
        if (!c.wantUnfolded.empty()) {
            EXPECT_EQ(Unfolded(header), c.wantUnfolded);
        }
        EXPECT_EQ(header.find("=?UTF-8?Q?") != std::string::npos, c.encoded) << header;
    }
}

TEST(MailDate, DayMonthAndZoneOffset) {
    struct Case {
        int offsetSeconds;
        const char* want;
    };
    const Case cases[] = {
        {0, "Mon, 07 Dec 2026 16:22:29 +0000"},
        {3600, "Mon, 07 Dec 2026 16:22:29 +0100"},
        {-(5 * 3600 + 30 * 60), "Mon, 07 Dec 2026 16:22:29 -0530"},
    };
    for (const Case& c : cases) {
        const QDateTime time(QDate(2026, 12, 7), QTime(16, 22, 29), QTimeZone(c.offsetSeconds));
        EXPECT_EQ(MailDate(time), c.want);
    }
    const QDateTime sunday(QDate(2027, 1, 3), QTime(9, 5, 7), QTimeZone::utc());
    EXPECT_EQ(MailDate(sunday), "Sun, 03 Jan 2027 09:05:07 +0000");
}

TEST(MakeMessageId, UniqueAndNamesTheSendersDomain) {
    struct Case {
        const char* from;
        const char* domain;
    };
    const Case cases[] = {
        {"robin@example.org", "@example.org>"},
        {"robin@bücher.example", "@xn--bcher-kva.example>"},
        {"robin", "@fallback.example>"},
        {"robin@bad domain", "@fallback.example>"},
    };
    for (const Case& c : cases) {
        const std::string id = MakeMessageId(c.from, "fallback.example");
        EXPECT_EQ(id.front(), '<');
        EXPECT_TRUE(id.ends_with(c.domain)) << id;
        EXPECT_EQ(id.find(' '), std::string::npos);
        EXPECT_NE(id, MakeMessageId(c.from, "fallback.example"));
    }
}
