// Ready messages, each to its own recipient, over one connection: the exact
// commands, refusals that stop nobody else, dropped connections, and no
// second message to anyone.
#include "mail/mailbatch.h"
#include "scriptedserver.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using mail::DeliveryOutcome;
using mail::MailBatch;
using mail::ReadyMessage;
using mail::SendMail;
using mailtest::ScriptedSmtpServer;
using mailtest::spin;
using State = DeliveryOutcome::State;
using Commands = std::vector<std::string>;

namespace {

struct BatchRun {
    SendMail mail;
    MailBatch batch{mail};
    std::vector<std::string> progress;
    int finished = 0;

    explicit BatchRun(quint16 port) {
        mail.SetSMTP_Server("127.0.0.1");
        mail.SMTP_Port = port;
        mail.FROM_Address = "a@example.org";
        mail.TimeOutReply = 5;
        batch.OnProgress = [this](int number, int count, const ReadyMessage& m) {
            progress.push_back(std::to_string(number) + "/" + std::to_string(count) + " " + m.Address);
        };
        batch.OnFinished = [this] {
            ++finished;
        };
    }
    bool send(std::vector<ReadyMessage> messages) {
        if (!batch.Start(std::move(messages))) {
            return false;
        }
        QElapsedTimer clock;
        clock.start();
        while (finished == 0 && clock.elapsed() < 15000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        spin(100);
        return finished == 1;
    }
    std::vector<std::pair<std::string, State>> results() const {
        std::vector<std::pair<std::string, State>> out;
        for (const DeliveryOutcome& o : batch.Outcomes()) {
            out.emplace_back(o.Address, o.Result);
        }
        return out;
    }
};

ReadyMessage message(const std::string& address, const std::string& text = "Subject: hi\r\n\r\nHello\r\n") {
    return {address, "Name of " + address, text};
}

} // namespace

TEST(MailBatch, OneConnectionOneTransactionEachAndARefusalStopsNobody) {
    ScriptedSmtpServer server;
    server.rcptReplies = {"250 ok\r\n", "550 5.1.1 no such user\r\n", "250 ok\r\n"};
    BatchRun run(server.port());
    ASSERT_TRUE(run.send({message("t1@x.org"), message("t2@x.org"), message("t3@x.org")}));

    EXPECT_EQ(server.connections, 1);
    const Commands expected = {"MAIL FROM:<a@example.org>",
                               "RCPT TO:<t1@x.org>",
                               "DATA",
                               "RSET",
                               "MAIL FROM:<a@example.org>",
                               "RCPT TO:<t2@x.org>",
                               "RSET",
                               "MAIL FROM:<a@example.org>",
                               "RCPT TO:<t3@x.org>",
                               "DATA",
                               "QUIT"};
    ASSERT_EQ(server.commands.size(), expected.size() + 1);
    EXPECT_EQ(Commands(server.commands.begin() + 1, server.commands.end()), expected);
    EXPECT_EQ(run.progress, (std::vector<std::string>{"1/3 t1@x.org", "2/3 t2@x.org", "3/3 t3@x.org"}));
    EXPECT_EQ(run.results(), (std::vector<std::pair<std::string, State>>{{"t1@x.org", State::Delivered},
                                                                         {"t2@x.org", State::NotSent},
                                                                         {"t3@x.org", State::Delivered}}));
    EXPECT_EQ(run.batch.Outcomes()[1].Reason, "550 5.1.1 no such user");
    EXPECT_EQ(run.batch.Outcomes()[0].Reason, "");
    // Each message went out as it was made, one after the other.
    EXPECT_EQ(server.data, "Subject: hi\r\n\r\nHello\r\nSubject: hi\r\n\r\nHello\r\n");

    // Sending again covers the refused one only.
    const std::vector<ReadyMessage> again = run.batch.NotSent();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].Address, "t2@x.org");
    server.commands.clear();
    run.finished = 0;
    ASSERT_TRUE(run.send(again));
    EXPECT_EQ(run.results(), (std::vector<std::pair<std::string, State>>{{"t2@x.org", State::Delivered}}));
    EXPECT_EQ(Commands(server.commands.begin() + 2, server.commands.end()),
              (Commands{"RCPT TO:<t2@x.org>", "DATA", "QUIT"}));
}

TEST(MailBatch, AConnectionTheServerDroppedIsMadeAnew) {
    struct Case {
        const char* what;
        std::function<void(ScriptedSmtpServer&)> between; // after the first mail is accepted
        std::string rsetReply;
        int connections;
    };
    const std::vector<Case> cases = {
        {"hung up while idle", [](ScriptedSmtpServer& s) { s.hangUp(); }, "250 reset\r\n", 2},
        {"RSET answered 421", [](ScriptedSmtpServer&) {}, "421 4.4.2 idle too long\r\n", 2},
        {"kept and working", [](ScriptedSmtpServer&) {}, "250 reset\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedSmtpServer server;
        bool once = true;
        server.replies["."] = "250 queued\r\n";
        server.custom = [&](const std::string& command, QTcpSocket& client) {
            if (command == "RSET" && once) {
                once = false;
                client.write(c.rsetReply.data(), static_cast<qint64>(c.rsetReply.size()));
                return true;
            }
            return false;
        };
        BatchRun run(server.port());
        run.batch.OnOutcome = [&](const DeliveryOutcome& o) {
            if (o.Address == "t1@x.org") {
                c.between(server);
                spin(100);
            }
        };
        ASSERT_TRUE(run.send({message("t1@x.org"), message("t2@x.org")}));
        EXPECT_EQ(server.connections, c.connections);
        EXPECT_EQ(run.results(), (std::vector<std::pair<std::string, State>>{
                                     {"t1@x.org", State::Delivered}, {"t2@x.org", State::Delivered}}));
        EXPECT_EQ(server.commands.back(), "QUIT");
    }
}

TEST(MailBatch, WithoutASessionNobodyIsTriedAndEveryoneCanBeSentAgain) {
    // A port nobody listens on.
    quint16 port = 0;
    {
        ScriptedSmtpServer gone;
        port = gone.port();
    }
    BatchRun run(port);
    ASSERT_TRUE(run.send({message("t1@x.org"), message("t2@x.org"), message("t3@x.org")}));
    EXPECT_EQ(run.progress.size(), 1u);
    ASSERT_EQ(run.batch.Outcomes().size(), 3u);
    for (const DeliveryOutcome& o : run.batch.Outcomes()) {
        EXPECT_EQ(o.Result, State::NotSent);
        EXPECT_EQ(o.Reason, "Connection Refused");
    }
    EXPECT_EQ(run.batch.NotSent().size(), 3u);
}

TEST(MailBatch, NoMailboxGetsTwoMessagesAndUnansweredMessagesAreNotSentAgain) {
    ScriptedSmtpServer server;
    int dots = 0;
    server.custom = [&](const std::string& command, QTcpSocket&) {
        // The second message's end is never answered: the server goes away.
        if (command == "DATA") {
            server.replies["."] = ++dots == 2 ? ScriptedSmtpServer::kClose : "250 queued\r\n";
        }
        return false;
    };
    BatchRun run(server.port());
    ASSERT_TRUE(run.send({message("t1@x.org"), message("T1@X.ORG"), message("t2@x.org"), message("t3@x.org"),
                          message("t1@x.org")}));
    EXPECT_EQ(run.results(), (std::vector<std::pair<std::string, State>>{{"t1@x.org", State::Delivered},
                                                                         {"t2@x.org", State::Unknown},
                                                                         {"t3@x.org", State::Delivered}}));
    // Nobody the card may have reached is sent it again.
    EXPECT_TRUE(run.batch.NotSent().empty());
    EXPECT_EQ(server.connections, 2);
    EXPECT_FALSE(run.batch.Start({}));
}

// An address no server could take is refused before it is sent: the kept
// connection stays for the others.
TEST(MailBatch, AnUnfitAddressIsNotSentAndTheConnectionStaysForTheOthers) {
    ScriptedSmtpServer server;
    BatchRun run(server.port());
    ASSERT_TRUE(run.send({message("t1@x.org"), message("bad@@x.org"), message("t2@x.org")}));
    EXPECT_EQ(run.results(), (std::vector<std::pair<std::string, State>>{{"t1@x.org", State::Delivered},
                                                                         {"bad@@x.org", State::NotSent},
                                                                         {"t2@x.org", State::Delivered}}));
    EXPECT_EQ(run.batch.Outcomes()[1].Reason.rfind("Mail Destination Error: the recipient address", 0), 0u);
    EXPECT_EQ(server.connections, 1);
    EXPECT_EQ(std::count(server.commands.begin(), server.commands.end(), "DATA"), 2);
}

TEST(SendMailReady, AComposedMessageIsWhatARequestSendsAndGoesOutDotStuffed) {
    SendMail mail;
    mail.FROM_Name = "Ann";
    mail.FROM_Address = "a@example.org";
    mail.TO_Address = "ilse@example.org";
    mail.TO_Name = "Oma Ilse";
    mail.Subject = "Frohe Weihnachten";
    mail.MailText = {"Hi", ".dot"};
    mail.DateHeader = "Mon, 07 Dec 2026 16:22:29 +0100";
    mail.MessageId = "<1@example.org>";
    const std::string ready = mail.ComposeReadyMessage();
    EXPECT_EQ(ready, "Date: Mon, 07 Dec 2026 16:22:29 +0100\r\nFrom: Ann <a@example.org>\r\n"
                     "To: Oma Ilse <ilse@example.org>\r\nSubject: Frohe Weihnachten\r\n"
                     "Message-ID: <1@example.org>\r\nMIME-Version: 1.0\r\n"
                     "Content-Type: text/plain; charset=\"us-ascii\"\r\n\r\nHi\r\n.dot\r\n\r\n");
    EXPECT_TRUE(mail.ListTo.empty());

    // Sent as it is, after the composition: the same bytes on the wire,
    // with the line that starts with a dot doubled.
    ScriptedSmtpServer server;
    mailtest::Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = server.port();
    mail.MailText = {"not this"};
    mail.ReadyMessage = ready;
    mail.SetAction(mail::TMailAction::Send_Mail);
    ASSERT_TRUE(mailtest::waitForDone(t));
    std::string stuffed = ready;
    stuffed.replace(stuffed.find("\r\n.dot"), 6, "\r\n..dot");
    EXPECT_EQ(server.data, stuffed);
    EXPECT_TRUE(t.errors.empty());
}
