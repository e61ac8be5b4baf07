// pinewick --send-due against a real SMTP server on loopback, the account
// found through a test home's msmtp settings: what is due goes out once, what
// fails for now waits, what is refused stays refused, two senders at once send
// each mail once, and a damaged entry is set aside with a message.
#include "mail/outbox/outbox.h"
#include "outboxserver.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

using namespace mail;

namespace {

struct DueRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class SendDueCommand : public ::testing::Test {
protected:
    void SetUp() override {
        home = testsupport::makeScratchHome(QString("send-due-") +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        server = std::make_unique<mailtest::OutboxServer>(home.home + "maildir");
        QDir().mkpath(home.settings + "/msmtp");
        QFile config(home.settings + "/msmtp/config");
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QString("account card\nhost 127.0.0.1\nport %1\nfrom robin@example.org\n"
                             "account default : card\n")
                         .arg(server->Port())
                         .toUtf8());
        // systemctl's place: a script that notes what it was asked.
        QFile systemctl(home.home + "systemctl");
        ASSERT_TRUE(systemctl.open(QIODevice::WriteOnly));
        systemctl.write(QString("#!/bin/sh\necho \"$@\" >> %1systemctl.log\n").arg(home.home).toUtf8());
        systemctl.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QProcess* Start(const QStringList& arguments = {"--send-due"}) {
        auto* process = new QProcess;
        QProcessEnvironment env = home.environment();
        env.insert("HOME", home.home);
        env.insert("XDG_DATA_HOME", home.home + "data");
        env.insert("PINEWICK_SYSTEMCTL", home.home + "systemctl");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        process->setProcessEnvironment(env);
        env.insert("TMPDIR", home.home);
        process->start(testsupport::programPath(), arguments);
        return process;
    }
    static DueRun Finish(QProcess* process) {
        std::unique_ptr<QProcess> owned(process);
        EXPECT_TRUE(process->waitForFinished(60000));
        return {process->exitCode(), QString::fromUtf8(process->readAllStandardOutput()),
                QString::fromUtf8(process->readAllStandardError())};
    }
    DueRun SendDue() { return Finish(Start()); }
    DueRun Send(const QStringList& arguments) { return Finish(Start(QStringList{"--send"} + arguments)); }

    QString Schedule(const std::vector<std::string>& addresses, const QDateTime& due) {
        return mailtest::ScheduleCard(outbox, addresses, due);
    }
    // Moves the card's due time, as the passing of time would.
    void MakeDue(const QString& id) {
        OutboxCard card = *outbox.Card(id);
        card.Due = QDateTime::currentDateTimeUtc().addSecs(-1);
        QString error;
        ASSERT_TRUE(outbox.Save(card, &error));
    }
    QString SystemctlLog() const {
        QFile log(home.home + "systemctl.log");
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    testsupport::ScratchHome home;
    std::unique_ptr<mailtest::OutboxServer> server;
    Outbox outbox{QString()};
};

} // namespace

TEST_F(SendDueCommand, SendsACardOnlyOnceItIsDueThenTurnsTheTimerOff) {
    outbox = Outbox(home.home + "data/pinewick/outbox");
    ASSERT_TRUE(server->Start());
    const QString id =
        Schedule({"one@example.org", "two@example.org"}, QDateTime::currentDateTimeUtc().addSecs(90));

    DueRun early = SendDue();
    EXPECT_EQ(early.exitCode, 0) << early.err.toStdString();
    EXPECT_EQ(server->Stored(), 0);
    EXPECT_EQ(SystemctlLog(), "--user --quiet enable --now pinewick-outbox.timer\n");

    MakeDue(id);
    DueRun due = SendDue();
    EXPECT_EQ(due.exitCode, 0) << due.err.toStdString();
    EXPECT_TRUE(due.out.contains("Sent to two@example.org")) << due.out.toStdString();
    // The English plural comes from the translation when one is loaded.
    EXPECT_TRUE(due.out.contains(
        QRegularExpression("^One card sent\\.$", QRegularExpression::MultilineOption)))
        << due.out.toStdString();
    EXPECT_EQ(server->Stored(), 2);
    EXPECT_TRUE(SystemctlLog().endsWith("--user --quiet disable --now pinewick-outbox.timer\n"));
    EXPECT_EQ(outbox.TakeSentWhileClosed(), 1);
    EXPECT_EQ(outbox.TakeSentWhileClosed(), 0);

    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(server->Stored(), 2);
}

TEST_F(SendDueCommand, ACardWaitsForTheServerAndARefusedRecipientIsNotTriedAgain) {
    outbox = Outbox(home.home + "data/pinewick/outbox");
    const QString id = Schedule({"one@example.org", "refuse@example.org"}, QDateTime::currentDateTimeUtc());

    DueRun down = SendDue();
    EXPECT_EQ(down.exitCode, 75) << down.out.toStdString() << down.err.toStdString();
    EXPECT_EQ(outbox.Card(id)->Recipients[0].Attempts, 1);
    EXPECT_TRUE(outbox.Card(id)->Pending());

    // The server is back and the minute has passed.
    ASSERT_TRUE(server->Start());
    OutboxCard card = *outbox.Card(id);
    for (OutboxRecipient& r : card.Recipients) {
        r.NextAttempt = QDateTime::currentDateTimeUtc().addSecs(-1);
    }
    QString error;
    ASSERT_TRUE(outbox.Save(card, &error));
    DueRun back = SendDue();
    EXPECT_EQ(back.exitCode, 1);
    EXPECT_TRUE(back.out.contains("Not sent to refuse@example.org: 550 5.1.1 no such mailbox"))
        << back.out.toStdString();
    EXPECT_EQ(server->Stored(), 1);
    EXPECT_EQ(outbox.Card(id)->Recipients[1].State, RecipientState::Refused);
    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(server->Stored(), 1);
}

TEST_F(SendDueCommand, TwoSendersAtOnceSendEachMailOnce) {
    outbox = Outbox(home.home + "data/pinewick/outbox");
    ASSERT_TRUE(server->Start());
    for (int card = 0; card < 3; ++card) {
        Schedule({"a" + std::to_string(card) + "@example.org", "b" + std::to_string(card) + "@example.org"},
                 QDateTime::currentDateTimeUtc());
    }
    QProcess* first = Start();
    QProcess* second = Start();
    const DueRun one = Finish(first);
    const DueRun two = Finish(second);
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(two.exitCode, 0) << two.err.toStdString();
    EXPECT_EQ(server->Stored(), 6);
    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(server->Stored(), 6);
}

TEST_F(SendDueCommand, ADamagedEntryIsSetAsideWithAMessage) {
    outbox = Outbox(home.home + "data/pinewick/outbox");
    ASSERT_TRUE(server->Start());
    const QString damaged = Schedule({"one@example.org"}, QDateTime::currentDateTimeUtc());
    Schedule({"two@example.org"}, QDateTime::currentDateTimeUtc());
    QFile state(outbox.Folder() + "/" + damaged + "/state.json");
    ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    state.write("{\"version\": 1, \"due\": \"tomorrow\"}");
    state.close();

    DueRun run = SendDue();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("A damaged card in the outbox was set aside in " + outbox.Folder() +
                                 "/damaged/" + damaged))
        << run.err.toStdString();
    EXPECT_EQ(server->Stored(), 1);
    EXPECT_TRUE(QFile::exists(outbox.Folder() + "/damaged/" + damaged + "/1.eml"));
}

TEST_F(SendDueCommand, ACardForLaterIsComposedNowAndWaitsForItsTime) {
    outbox = Outbox(home.home + "data/pinewick/outbox");
    ASSERT_TRUE(server->Start());
    const QDateTime now = QDateTime::currentDateTime();
    const DueRun tooSoon = Send({"one@example.org", "--at", now.addSecs(50).toString("yyyy-MM-dd HH:mm:ss")});
    EXPECT_EQ(tooSoon.exitCode, 1);
    EXPECT_TRUE(tooSoon.err.contains("at least a minute from now")) << tooSoon.err.toStdString();
    EXPECT_TRUE(outbox.Cards().empty());

    const QString at = now.addDays(2).toString("yyyy-MM-dd HH:mm");
    const DueRun later = Send({"one@example.org, Two <two@example.org>", "--at", at});
    EXPECT_EQ(later.exitCode, 0) << later.err.toStdString();
    EXPECT_TRUE(later.out.contains("It waits in the outbox until then.")) << later.out.toStdString();
    EXPECT_EQ(server->Stored(), 0);
    EXPECT_EQ(SystemctlLog(), "--user --quiet enable --now pinewick-outbox.timer\n");
    const std::vector<OutboxCard> cards = outbox.Cards();
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Due, QDateTime::fromString(at, "yyyy-MM-dd HH:mm").toUTC());
    ASSERT_EQ(cards[0].Recipients.size(), 2u);
    EXPECT_EQ(cards[0].Recipients[1].Address, "two@example.org");
    std::string bytes;
    QString error;
    ASSERT_TRUE(outbox.ReadMessage(cards[0], cards[0].Recipients[1], &bytes, &error));
    EXPECT_NE(bytes.find("To: Two <two@example.org>"), std::string::npos) << bytes.substr(0, 600);

    MakeDue(cards[0].Id);
    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(server->Stored(), 2);
}

TEST_F(SendDueCommand, ACardSentWithoutAConnectionWaitsInTheOutbox) {
    outbox = Outbox(home.home + "data/pinewick/outbox");
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const DueRun offline = Send({"one@example.org"});
    EXPECT_EQ(offline.exitCode, 75) << offline.out.toStdString() << offline.err.toStdString();
    EXPECT_TRUE(offline.out.contains("No connection — Pinewick will send it as soon as it can."))
        << offline.out.toStdString();
    const std::vector<OutboxCard> cards = outbox.Cards();
    ASSERT_EQ(cards.size(), 1u);
    const OutboxRecipient& r = cards[0].Recipients[0];
    EXPECT_EQ(r.Attempts, 1);
    EXPECT_EQ(r.NextAttempt, cards[0].FirstFailure.addSecs(60));
    EXPECT_GE(cards[0].FirstFailure, before);
    // Not before its minute; then once.
    ASSERT_TRUE(server->Start());
    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(server->Stored(), 0);
    OutboxCard card = cards[0];
    card.Recipients[0].NextAttempt = QDateTime::currentDateTimeUtc().addSecs(-1);
    QString error;
    ASSERT_TRUE(outbox.Save(card, &error));
    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(SendDue().exitCode, 0);
    EXPECT_EQ(server->Stored(), 1);
}
