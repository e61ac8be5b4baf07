// Header fields that strict mail readers parse without defects.
#include "mail/headerfields.h"

#include <QTimeZone>
#include <ctime>
#include <gtest/gtest.h>

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
        {"Ann Smith", "a@example.org", "Ann Smith <a@example.org>"},
        {"Smith, Ann", "a@example.org", "\"Smith, Ann\" <a@example.org>"},
        {"Ann \"Robin\" S. \\", "a@example.org", "\"Ann \\\"Robin\\\" S. \\\\\" <a@example.org>"},
        {"=?UTF-8?Q?x?=", "a@example.org", "=?UTF-8?Q?=3D=3FUTF-8=3FQ=3Fx=3F=3D?= <a@example.org>"},
        // Specials never stand unencoded inside an encoded word of a phrase.
        {"Müller, Hans", "h@example.org", "=?UTF-8?Q?M=C3=BCller=2C_Hans?= <h@example.org>"},
        {"Zoë \"Z\"", "z@example.org", "=?UTF-8?Q?Zo=C3=AB_=22Z=22?= <z@example.org>"},
        // Domains go out in their ASCII form; a local part beyond ASCII stays.
        {"", "friend@bücher.example", "friend@xn--bcher-kva.example"},
        {"Jörg", "jörg@example.org", "=?UTF-8?Q?J=C3=B6rg?= <jörg@example.org>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMailbox(c.name, c.address), c.want) << c.name;
    }
}

TEST(AddressHeader, AllRecipientsInOneHeaderFoldedBetweenMailboxes) {
    std::vector<std::string> many(12, "Friend Number <friend@example.org>");
    const std::vector<std::string> lines = Lines(AddressHeader("To", many));
    EXPECT_EQ(lines.size(), 6u);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].ends_with(">,") && lines[i].size() <= kHeaderLineLength) << lines[i];
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
        {3600, "Mon, 07 Dec 2026 16:22:29 +0100"},
        {-(5 * 3600 + 30 * 60), "Mon, 07 Dec 2026 16:22:29 -0530"},
        {0, "Mon, 07 Dec 2026 16:22:29 +0000"},
    };
    for (const Case& c : cases) {
        const QDateTime time(QDate(2026, 12, 7), QTime(16, 22, 29), QTimeZone(c.offsetSeconds));
        EXPECT_EQ(MailDate(time), c.want);
    }
    // The local time of the machine, as a mail is dated, in and out of UTC.
    const QByteArray zone = qgetenv("TZ");
    for (const auto& [tz, want] : {std::pair{"UTC", "+0000"}, std::pair{"Asia/Kolkata", "+0530"}}) {
        qputenv("TZ", tz);
        tzset();
        EXPECT_EQ(MailDate(QDateTime(QDate(2026, 12, 7), QTime(16, 22, 29))),
                  std::string("Mon, 07 Dec 2026 16:22:29 ") + want);
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

TEST(MessageId, NamesTheSendersDomainAfterItsOneAt) {
    const struct {
        const char* from;
        const char* domain;
    } cases[] = {{"robin@example.org", "example.org"},
                 {"j\xc3\xb6rg@b\xc3\xbc"
                  "cher.example",
                  "xn--bcher-kva.example"},
                 {"robin@", "host.example"},
                 {"robin", "host.example"}};
    for (const auto& c : cases) {
        const std::string id = MakeMessageId(c.from, "host.example");
        EXPECT_EQ(id.substr(id.find('@')), std::string("@") + c.domain + ">") << id;
    }
}
