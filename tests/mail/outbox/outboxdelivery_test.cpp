// The outbox against a real SMTP server on loopback: a card goes out only once
// it is due and then exactly once, waits while the server is down, and a
// refused recipient is not tried again.
#include "mail/outbox/outboxsender.h"
#include "mail/sendmail.h"
#include "outboxserver.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mail;

namespace {

const QDateTime kNoon = QDateTime::fromString("2026-12-24T12:00:00Z", Qt::ISODate);

struct Fixture {
    QTemporaryDir home;
    mailtest::OutboxServer server{home.path() + "/maildir"};
    Outbox outbox{home.path() + "/outbox"};
    SendMail mail;
    OutboxSender sender{outbox, mail};

    Fixture() {
        mail.SetSMTP_Server("127.0.0.1");
        mail.SMTP_Port = server.Port();
        mail.FROM_Address = "me@example.org";
        mail.TimeOutReply = 10;
    }
    QString Schedule(const std::vector<std::string>& addresses, const QDateTime& due) {
        return mailtest::ScheduleCard(outbox, addresses, due);
    }
    OutboxRecipient Recipient(const QString& id, std::size_t index) {
        return outbox.Card(id)->Recipients[index];
    }
};

} // namespace

TEST(OutboxDelivery, ACardGoesOutOnlyOnceItIsDueAndThenOnce) {
    Fixture f;
    ASSERT_TRUE(f.server.Start());
    const QString id = f.Schedule({"one@example.org", "two@example.org"}, kNoon.addSecs(90));

    SendDueReport early = f.sender.SendDue(kNoon.addSecs(89));
    EXPECT_EQ(early.Delivered, 0);
    EXPECT_EQ(f.server.Stored(), 0);

    SendDueReport due = f.sender.SendDue(kNoon.addSecs(90));
    EXPECT_EQ(due.Delivered, 2);
    EXPECT_EQ(due.CardsSent, 1);
    EXPECT_EQ(f.server.Stored(), 2);
    EXPECT_EQ(f.Recipient(id, 1).State, RecipientState::Sent);
    EXPECT_EQ(f.Recipient(id, 1).SentAt, kNoon.addSecs(90));

    EXPECT_EQ(f.sender.SendDue(kNoon.addDays(1)).Delivered, 0);
    EXPECT_EQ(f.server.Stored(), 2);
}

TEST(OutboxDelivery, ACardWaitsWhileTheServerIsDownAndGoesOutOnceItIsBack) {
    Fixture f;
    const QString id = f.Schedule({"one@example.org"}, kNoon);

    SendDueReport down = f.sender.SendDue(kNoon);
    EXPECT_EQ(down.Waiting, 1);
    OutboxRecipient r = f.Recipient(id, 0);
    EXPECT_EQ(r.State, RecipientState::Waiting);
    EXPECT_EQ(r.Attempts, 1);
    EXPECT_EQ(r.NextAttempt, kNoon.addSecs(60));
    EXPECT_EQ(f.outbox.Card(id)->FirstFailure, kNoon);

    ASSERT_TRUE(f.server.Start());
    EXPECT_EQ(f.sender.SendDue(kNoon.addSecs(59)).Delivered, 0);
    EXPECT_EQ(f.server.Stored(), 0);
    EXPECT_EQ(f.sender.SendDue(kNoon.addSecs(60)).Delivered, 1);
    EXPECT_EQ(f.sender.SendDue(kNoon.addSecs(3600)).Delivered, 0);
    EXPECT_EQ(f.server.Stored(), 1);
    EXPECT_EQ(f.Recipient(id, 0).State, RecipientState::Sent);
}

TEST(OutboxDelivery, ARefusedRecipientIsNotTriedAgainAndALaterOneIs) {
    Fixture f;
    ASSERT_TRUE(f.server.Start());
    const QString id = f.Schedule({"refuse@example.org", "later@example.org", "ok@example.org"}, kNoon);

    SendDueReport report = f.sender.SendDue(kNoon);
    EXPECT_EQ(report.Delivered, 1);
    EXPECT_EQ(report.Refused, 1);
    EXPECT_EQ(report.Waiting, 1);
    EXPECT_EQ(f.Recipient(id, 0).State, RecipientState::Refused);
    EXPECT_EQ(f.Recipient(id, 0).Reason, "550 5.1.1 no such mailbox");
    EXPECT_EQ(f.Recipient(id, 1).State, RecipientState::Waiting);
    EXPECT_EQ(f.Recipient(id, 1).NextAttempt, kNoon.addSecs(60));

    // Three days of trying: the 451 recipient is given up, the 550 one never tried again.
    SendDueReport last;
    for (QDateTime now = kNoon.addSecs(60); now <= kNoon.addDays(3); now = f.outbox.Card(id)->NextTry()) {
        last = f.sender.SendDue(now);
        if (!f.outbox.Card(id)->Pending()) {
            break;
        }
    }
    EXPECT_EQ(last.GivenUp, 1);
    EXPECT_EQ(f.Recipient(id, 1).State, RecipientState::Failed);
    // 1, 5, 15, 60 minutes, then every hour up to the end of the third day.
    EXPECT_EQ(f.Recipient(id, 1).Attempts, 4 + 71 + 1);
    EXPECT_EQ(f.Recipient(id, 0).Attempts, 1);
    EXPECT_EQ(f.server.Stored(), 1);
}
