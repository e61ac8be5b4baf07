// The outbox on disk and its retry times: what a state file holds, what a
// damaged entry becomes, when a card is due and when it is given up.
#include "mail/outbox/outbox.h"
#include "mail/outbox/retryschedule.h"
#include "mail/outbox/senderlock.h"
#include "mail/outbox/sendtime.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mail;

namespace {

const QDateTime kNoon = QDateTime::fromString("2026-12-24T12:00:00Z", Qt::ISODate);

std::vector<ReadyMessage> Messages() {
    return {{"a@example.org", "A", "Subject: a\r\n\r\nfor a\r\n"},
            {"b@example.org", "B", "Subject: b\r\n\r\nfor b\r\n"},
            {"A@Example.org", "A again", "Subject: a\r\n\r\nsecond\r\n"}};
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(RetrySchedule, WaitsOneFiveFifteenSixtyThenHourlyForThreeDays) {
    const std::vector<std::pair<int, int>> delays = {{0, 1},  {1, 1},  {2, 5},  {3, 15},
                                                     {4, 60}, {5, 60}, {40, 60}};
    for (const auto& [attempts, minutes] : delays) {
        EXPECT_EQ(RetryDelayMinutes(attempts), minutes) << attempts;
    }
    const QDateTime first = kNoon;
    EXPECT_EQ(NextAttempt(2, first, kNoon), kNoon.addSecs(5 * 60));
    // The last try is at the end of the third day; at that end it is given up.
    const QDateTime end = first.addDays(3);
    EXPECT_EQ(NextAttempt(9, first, end.addSecs(-60)), end);
    EXPECT_EQ(NextAttempt(9, first, end.addSecs(-3601)), end.addSecs(-1));
    EXPECT_FALSE(NextAttempt(9, first, end).isValid());
}

TEST(RetrySchedule, OnlyFailuresThatMayPassAreTriedAgain) {
    using E = SendMailError;
    const std::vector<std::tuple<E, std::string, bool>> cases = {
        {E::MailDestination, "451 4.3.0 try again later", true},
        {E::MailDestination, "550 5.1.1 no such mailbox", false},
        {E::UnexpectedResponse, "421 closing", true},
        {E::ConnectionRefused, "Connection refused", true},
        {E::AddressResolution, "Host not found", true},
        {E::TimedOut, "Timed out", true},
        {E::NetworkDown, "Network is down", true},
        {E::LoginFailed, "535 5.7.8 bad credentials", false},
        {E::LoginFailed, "no password", false},
        {E::CertificateNotTrusted, "self-signed", false},
        {E::None, "4", false},
    };
    for (const auto& [error, reason, transient] : cases) {
        EXPECT_EQ(TransientFailure(error, reason), transient) << reason;
    }
}

TEST(Outbox, KeepsEachMailboxOnceAndReadsTheCardBack) {
    QTemporaryDir home;
    Outbox outbox(home.path() + "/outbox");
    QString error;
    const QString id = outbox.Add(Messages(), kNoon, "Merry Christmas", &error);
    ASSERT_FALSE(id.isEmpty()) << error.toStdString();
    // Nothing hidden is left behind, the card's folder holds two messages and the state.
    EXPECT_EQ(QDir(outbox.Folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{id});
    EXPECT_EQ(QDir(outbox.Folder() + "/" + id).entryList(QDir::Files),
              (QStringList{"1.eml", "2.eml", "state.json"}));

    QStringList problems;
    const std::vector<OutboxCard> cards = outbox.Cards(&problems);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_TRUE(problems.isEmpty());
    const OutboxCard& card = cards[0];
    EXPECT_EQ(card.Due, kNoon);
    EXPECT_EQ(card.Subject, "Merry Christmas");
    ASSERT_EQ(card.Recipients.size(), 2u);
    EXPECT_EQ(card.Recipients[1].Address, "b@example.org");
    std::string bytes;
    ASSERT_TRUE(outbox.ReadMessage(card, card.Recipients[1], &bytes, &error));
    EXPECT_EQ(bytes, "Subject: b\r\n\r\nfor b\r\n");
    // No password, no message text in the state file.
    QFile state(outbox.Folder() + "/" + id + "/state.json");
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_FALSE(state.readAll().contains("for b"));

    // Due at its time, not a second before; a recipient waiting for its next
    // try is due from then.
    EXPECT_FALSE(card.DueAt(kNoon.addSecs(-1)));
    EXPECT_TRUE(card.DueAt(kNoon));
    OutboxCard later = card;
    later.Recipients[0].NextAttempt = kNoon.addSecs(60);
    later.Recipients[1].State = RecipientState::Sent;
    EXPECT_FALSE(later.DueAt(kNoon.addSecs(59)));
    EXPECT_TRUE(later.DueAt(kNoon.addSecs(60)));
    EXPECT_EQ(later.NextTry(), kNoon.addSecs(60));
}

TEST(Outbox, ADamagedEntryIsSetAsideAndTheOthersStay) {
    QTemporaryDir home;
    Outbox outbox(home.path() + "/outbox");
    QString error;
    const QString good = outbox.Add(Messages(), kNoon, "good", &error);
    const QString noMessage = outbox.Add(Messages(), kNoon, "no message", &error);
    const QString badJson = outbox.Add(Messages(), kNoon, "bad", &error);
    const QString badState = outbox.Add(Messages(), kNoon, "bad state", &error);
    QFile::remove(outbox.Folder() + "/" + noMessage + "/2.eml");
    Write(outbox.Folder() + "/" + badJson + "/state.json", "{\"version\": 1, \"due\": ");
    QFile state(outbox.Folder() + "/" + badState + "/state.json");
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    QByteArray json = state.readAll();
    state.close();
    Write(state.fileName(), json.replace("\"waiting\"", "\"sending\""));
    QDir().mkpath(outbox.Folder() + "/stray");

    QStringList problems;
    const std::vector<OutboxCard> cards = outbox.Cards(&problems);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Id, good);
    ASSERT_EQ(problems.size(), 4) << problems.join("\n").toStdString();
    EXPECT_EQ(problems.filter("the message for b@example.org is missing").size(), 1);
    EXPECT_EQ(problems.filter("damaged recipient").size(), 1);
    QStringList aside{badJson, badState, noMessage, "stray"};
    aside.sort();
    EXPECT_EQ(QDir(outbox.Folder() + "/damaged").entryList(QDir::Dirs | QDir::NoDotAndDotDot), aside);
    // Set aside once: the next look finds nothing more to report.
    problems.clear();
    EXPECT_EQ(outbox.Cards(&problems).size(), 1u);
    EXPECT_TRUE(problems.isEmpty());
}

TEST(Outbox, ASentCardKeepsItsListForAYearWithoutTheMessages) {
    QTemporaryDir home;
    Outbox outbox(home.path() + "/outbox");
    QString error;
    const QString id = outbox.Add(Messages(), kNoon, "sent", &error);
    OutboxCard card = *outbox.Card(id);
    for (OutboxRecipient& r : card.Recipients) {
        r.State = RecipientState::Sent;
        r.SentAt = kNoon;
    }
    ASSERT_TRUE(outbox.Save(card, &error));
    EXPECT_FALSE(outbox.HasPending());
    outbox.Tidy(kNoon.addYears(1).addSecs(-1));
    EXPECT_EQ(QDir(outbox.Folder() + "/" + id).entryList(QDir::Files), QStringList{"state.json"});
    EXPECT_EQ(outbox.Cards().size(), 1u);
    outbox.Tidy(kNoon.addYears(1));
    EXPECT_TRUE(outbox.Cards().empty());
}

TEST(SenderLock, OneSenderAtATime) {
    QTemporaryDir home;
    auto first = std::make_unique<SenderLock>(home.path());
    EXPECT_TRUE(first->Held());
    EXPECT_FALSE(SenderLock(home.path()).Held());
    first.reset();
    EXPECT_TRUE(SenderLock(home.path()).Held());
}

TEST(SendTime, ReadsIsoTimesLocalUnlessAZoneIsGiven) {
    const QDateTime local(QDate(2026, 12, 24), QTime(8, 0));
    const std::vector<std::pair<QString, QDateTime>> times = {
        {"2026-12-24 08:00", local},
        {"2026-12-24T08:00", local},
        {" 2026-12-24 08:00:30 ", local.addSecs(30)},
        {"2026-12-24 08:00Z", QDateTime::fromString("2026-12-24T08:00:00Z", Qt::ISODate)},
        {"2026-12-24 08:00+01:00", QDateTime::fromString("2026-12-24T07:00:00Z", Qt::ISODate)},
        {"2026-12-24T08:00-0530", QDateTime::fromString("2026-12-24T13:30:00Z", Qt::ISODate)},
    };
    for (const auto& [text, expected] : times) {
        QString error;
        EXPECT_EQ(ParseSendTime(text, &error).toUTC(), expected.toUTC()) << text.toStdString();
    }
    for (const QString& bad : {"2026-12-24", "2026-13-01 08:00", "2026-12-24 24:00", "tomorrow 08:00",
                               "2026-12-24 08:00+15:00", "2026-12-24 08:00 CET"}) {
        QString error;
        EXPECT_FALSE(ParseSendTime(bad, &error).isValid()) << bad.toStdString();
        EXPECT_EQ(error, "\"" + bad + "\" is not a date and time such as \"2026-12-24 08:00\".");
    }
}

TEST(SendTime, FromAMinuteToAYearAhead) {
    QString error;
    EXPECT_FALSE(SendTimeInRange(kNoon.addSecs(59), kNoon, &error));
    EXPECT_EQ(error, "The time to send the card must be at least a minute from now.");
    EXPECT_TRUE(SendTimeInRange(kNoon.addSecs(60), kNoon, &error));
    EXPECT_TRUE(SendTimeInRange(kNoon.addYears(1), kNoon, &error));
    EXPECT_FALSE(SendTimeInRange(kNoon.addYears(1).addSecs(1), kNoon, &error));
    EXPECT_EQ(error, "The time to send the card must be at most a year from now.");
}

TEST(Outbox, TheCardsPictureIsReadFromItsMessageAndKeptWhenTheMessagesGo) {
    const std::string jpeg = "\xff\xd8\xff\xe0JFIF-and-more";
    const std::string encoded = QByteArray::fromStdString(jpeg).toBase64().toStdString();
    const std::string head = "--b\r\nContent-Type: image/jpeg; name=\"Pinewick.jpg\"\r\n"
                             "Content-Transfer-Encoding: base64\r\n\r\n";
    const struct {
        std::string message;
        std::string picture;
    } rows[] = {
        {"text\r\n" + head + encoded.substr(0, 8) + "\r\n" + encoded.substr(8) + "\r\n--b--\r\n", jpeg},
        {head + encoded + "\r\n", ""},                                                // no end of the part
        {"--b\r\nContent-Type: image/gif\r\n\r\n" + encoded + "\r\n--b--\r\n", ""},   // not the JPEG
        {head + QByteArray("GIF89a").toBase64().toStdString() + "\r\n--b--\r\n", ""}, // not a JPEG inside
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CardPictureOf(row.message).toStdString(), row.picture) << row.message;
    }

    QTemporaryDir home;
    Outbox outbox(home.path() + "/outbox");
    QString error;
    const QString id = outbox.Add({{"a@example.org", "A", rows[0].message}}, kNoon, "card", &error);
    OutboxCard card = *outbox.Card(id);
    card.Recipients[0].State = RecipientState::Sent;
    card.Recipients[0].SentAt = kNoon;
    ASSERT_TRUE(outbox.Save(card, &error));
    outbox.Tidy(kNoon.addSecs(1));
    EXPECT_EQ(QDir(outbox.Folder() + "/" + id).entryList(QDir::Files),
              (QStringList{"card.jpg", "state.json"}));
    QFile picture(outbox.PictureFile(id));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(picture.readAll().toStdString(), jpeg);
}
