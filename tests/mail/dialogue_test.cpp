// The SMTP dialogue of SendMail against a scripted server: commands in order,
// replies and their failures, recipient walks, time-outs, cancel and reuse.
#include "scriptedserver.h"

#include <QTcpServer>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

using mail::SendMail;
using mail::SendMailError;
using mail::SendMailInfo;
using mail::TMailAction;
using mailtest::ScriptedSmtpServer;
using mailtest::Transcript;
using mailtest::waitForDone;

namespace {

// What the client greets the scripted server with: this machine's name when
// it is fully qualified, else the address literal of its end of the loopback
// connection (a bare name such as "vm" is refused by strict servers).
std::string hostName() {
    char name[256] = {};
    gethostname(name, 255);
    const std::string host = name;
    const bool qualified = host.find('.') != std::string::npos && host.rfind("localhost", 0) != 0 &&
                           !host.ends_with(".localdomain") && !host.ends_with(".");
    return qualified ? host : "[127.0.0.1]";
}

// A mail from a@example.org to the scripted server.
void prepare(SendMail& mail, const ScriptedSmtpServer& server) {
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = server.port();
    mail.FROM_Name = "Ann";
    mail.FROM_Address = "a@example.org";
    mail.Subject = "Hello";
    mail.MailText = {"Hi"};
    mail.TimeOutReply = 5;
}

using Commands = std::vector<std::string>;

} // namespace

TEST(SendMailDialogue, DeliversToEveryRecipientInOrderAndEndsWhenTheServerCloses) {
    ScriptedSmtpServer server;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t1@example.org";
    mail.TO_Name = "Tom";
    mail.ListTo = {"t2@example.org|Tina"};
    mail.ListBcc = {"b@example.org"};
    mail.SetAction(TMailAction::Send_Mail);
    EXPECT_TRUE(mail.Busy());
    EXPECT_EQ(mail.Action(), TMailAction::None);
    ASSERT_TRUE(waitForDone(t));

    EXPECT_EQ(server.commands,
              (Commands{"HELO " + hostName(), "MAIL FROM:<a@example.org>", "RCPT TO:<t1@example.org>",
                        "RCPT TO:<t2@example.org>", "RCPT TO:<b@example.org>", "DATA", "QUIT"}));
    EXPECT_TRUE(server.dataEnded);
    EXPECT_TRUE(t.errors.empty());
    EXPECT_EQ(t.done, 1);
    EXPECT_FALSE(mail.Busy());
    EXPECT_EQ(mail.LastMailError(), SendMailError::None);
    EXPECT_EQ(t.infosOf(SendMailInfo::Connected), std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(t.infosOf(SendMailInfo::RcptSent),
              (std::vector<std::string>{"t1@example.org", "t2@example.org", "b@example.org"}));
    EXPECT_FALSE(t.hasInfo(SendMailInfo::LookupStart)); // a dotted address needs no lookup
    // The mail is accepted, QUIT answered, then the server hangs up: 4 ... 3, then done.
    const auto accepted = std::find(t.infos.begin(), t.infos.end(), std::pair<int, std::string>{4, ""});
    const auto closed = std::find(t.infos.begin(), t.infos.end(), std::pair<int, std::string>{3, ""});
    ASSERT_NE(accepted, t.infos.end());
    ASSERT_NE(closed, t.infos.end());
    EXPECT_LT(accepted, closed);
    EXPECT_EQ(t.infos.back(), (std::pair<int, std::string>{3, ""}));
    // Every reply line is reported as it came.
    EXPECT_EQ(t.infosOf(SendMailInfo::ReplyLine).front(), "220 scripted ready");
    // The first recipient was put in front of To, and the lists stay as they are.
    EXPECT_EQ(mail.ListTo, (std::vector<std::string>{"t1@example.org|Tom", "t2@example.org|Tina"}));
}

TEST(SendMailDialogue, MultiLineRepliesAreAnsweredOnceAfterTheirLastLine) {
    ScriptedSmtpServer server;
    server.greeting = "220-first line\r\n220-second line\r\n220 last line\r\n";
    server.replies["HELO"] = "250-hello\r\n250-SIZE 1000\r\n250 HELP\r\n";
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t@example.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_EQ(server.commands, (Commands{"HELO " + hostName(), "MAIL FROM:<a@example.org>",
                                         "RCPT TO:<t@example.org>", "DATA", "QUIT"}));
    EXPECT_TRUE(t.errors.empty());
}

TEST(SendMailDialogue, FirstRecipientComesFromTheListsWhenNoAddressIsGiven) {
    struct Case {
        std::vector<std::string> to, cc, bcc;
        Commands rcpts;
    };
    const std::vector<Case> cases = {
        // cc alone: its entry is the first recipient, and gets one RCPT only.
        {{}, {"c@example.org|Cee"}, {}, {"RCPT TO:<c@example.org>"}},
        // To's first entry is the first recipient; the rest follow in list order.
        {{"t1@x.org", "t2@x.org|Two"},
         {"c@x.org"},
         {"b1@x.org", "b2@x.org"},
         {"RCPT TO:<t1@x.org>", "RCPT TO:<t2@x.org>", "RCPT TO:<c@x.org>", "RCPT TO:<b1@x.org>",
          "RCPT TO:<b2@x.org>"}},
        // Only Bcc.
        {{}, {}, {"b1@x.org", "b2@x.org"}, {"RCPT TO:<b1@x.org>", "RCPT TO:<b2@x.org>"}},
    };
    for (const Case& c : cases) {
        ScriptedSmtpServer server;
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.ListTo = c.to;
        mail.Listcc = c.cc;
        mail.ListBcc = c.bcc;
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t));
        Commands rcpts;
        for (const std::string& command : server.commands) {
            if (command.rfind("RCPT", 0) == 0) {
                rcpts.push_back(command);
            }
        }
        EXPECT_EQ(rcpts, c.rcpts);
        EXPECT_TRUE(t.errors.empty());
        EXPECT_EQ(server.commands.back(), "QUIT");
    }
}

TEST(SendMailDialogue, RefusedRecipientsAreReportedAndTheWalkGoesOn) {
    ScriptedSmtpServer server;
    server.rcptReplies = {"250 ok\r\n", "550-no such\r\n550 user\r\n", "250 ok\r\n"};
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t1@x.org";
    mail.ListTo = {"t2@x.org"};
    mail.Listcc = {"c@x.org"};
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    // Each line of the refusal reports the recipient it answers.
    EXPECT_EQ(t.infosOf(SendMailInfo::RecipientRefused), (std::vector<std::string>{"t2@x.org", "t2@x.org"}));
    EXPECT_EQ(server.commands[5], "DATA");
    EXPECT_TRUE(server.dataEnded);
    EXPECT_TRUE(t.errors.empty());
}

TEST(SendMailDialogue, ErrorRepliesEndTheRequestWithTheReplyText) {
    struct Case {
        std::string step;  // the command whose reply fails ("" = the greeting)
        std::string reply; // the failing reply
        std::size_t commandsSent;
    };
    const std::vector<Case> cases = {
        {"", "421 busy, try later", 0},    {"HELO", "501 bad hello", 1},
        {"MAIL", "553 sender refused", 2}, {"DATA", "554 no valid recipients", 4},
        {".", "552 message too big", 4},   {"MAIL", "-odd reply", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        ScriptedSmtpServer server;
        if (c.step.empty()) {
            server.greeting = c.reply + "\r\n";
        } else {
            server.replies[c.step] = c.reply + "\r\n";
        }
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.TO_Address = "t@x.org";
        mail.Listcc = {"c@x.org"};
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t));
        ASSERT_EQ(t.errors.size(), 1u);
        EXPECT_EQ(t.errors[0], (std::pair<int, std::string>{13, "Unexpected response: " + c.reply}));
        EXPECT_EQ(mail.LastMailError(), SendMailError::UnexpectedResponse);
        EXPECT_EQ(t.done, 1);
        EXPECT_EQ(server.commands.size(),
                  c.commandsSent + (c.step == "DATA" ? 1 : 0) + (c.step == "." ? 1 : 0));
        // An ended request leaves no recipients behind.
        EXPECT_TRUE(mail.TO_Address.empty());
        EXPECT_TRUE(mail.ListTo.empty() && mail.Listcc.empty() && mail.ListBcc.empty());
    }
}

TEST(SendMailDialogue, ServerHangingUpBeforeAcceptingIsAPrematureDisconnect) {
    ScriptedSmtpServer server;
    server.replies["RCPT"] = ScriptedSmtpServer::kClose;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_TRUE(t.hasInfo(SendMailInfo::ServerClosed));
    EXPECT_EQ(t.errors, (std::vector<std::pair<int, std::string>>{{17, "Prematurely Disconnected"}}));
    EXPECT_EQ(t.done, 1);
}

TEST(SendMailDialogue, RefusedConnection) {
    quint16 port = 0;
    {
        QTcpServer probe; // a port that was free a moment ago, with nobody listening now
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    SendMail mail;
    Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = port;
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_EQ(t.errors, (std::vector<std::pair<int, std::string>>{{12, "Connection Refused"}}));
    EXPECT_EQ(t.done, 1);
}

TEST(SendMailDialogue, UnknownHostIsAnAddressResolutionError) {
    SendMail mail;
    Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("no-such-host.invalid");
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_EQ(t.infosOf(SendMailInfo::LookupStart), std::vector<std::string>{"no-such-host.invalid"});
    EXPECT_EQ(t.errors, (std::vector<std::pair<int, std::string>>{{16, "Address resolution error"}}));
    EXPECT_EQ(t.done, 1);
}

TEST(SendMailDialogue, HostNameIsLookedUpOnceAndItsAddressReused) {
    ScriptedSmtpServer server;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.SetSMTP_Server("localhost");
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_EQ(t.infosOf(SendMailInfo::LookupStart), std::vector<std::string>{"localhost"});
    EXPECT_EQ(t.infosOf(SendMailInfo::Resolved), std::vector<std::string>{"127.0.0.1"});
    EXPECT_TRUE(t.errors.empty());

    Transcript second;
    second.attach(mail);
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(second));
    EXPECT_FALSE(second.hasInfo(SendMailInfo::LookupStart));
    EXPECT_TRUE(second.errors.empty());
    EXPECT_EQ(server.connections, 2);
}

TEST(SendMailDialogue, ConnectThatNeverCompletesTimesOut) {
    // A listener whose one-place queue is taken: a further connect never completes.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    SendMail mail;
    Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = ntohs(address.sin_port);
    mail.TimeOutConnect = 2;
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t, 1, 6000));
    EXPECT_EQ(t.errors, (std::vector<std::pair<int, std::string>>{{8, "Connection timed out"}}));
    EXPECT_FALSE(mail.HasSocket());
    ::close(filler);
    ::close(listener);
}

namespace {
// A mail component whose host lookups never answer.
class StalledLookupMail : public SendMail {
protected:
    int BeginLookup(const std::string&) override { return 4711; }
};
} // namespace

TEST(SendMailDialogue, LookupThatNeverAnswersTimesOut) {
    StalledLookupMail mail;
    Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("mail.example.org");
    mail.TimeOutArp = 1;
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    EXPECT_TRUE(mail.LookupPending());
    ASSERT_TRUE(waitForDone(t, 1, 4000));
    EXPECT_EQ(t.errors, (std::vector<std::pair<int, std::string>>{{8, "Connection timed out"}}));
    EXPECT_FALSE(mail.LookupPending());
}

TEST(SendMailDialogue, ServerThatStopsAnsweringTimesOut) {
    for (const char* silentAt : {"HELO", "."}) {
        SCOPED_TRACE(silentAt);
        ScriptedSmtpServer server;
        server.replies[silentAt] = ScriptedSmtpServer::kSilent;
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.TimeOutReply = 1;
        mail.TO_Address = "t@x.org";
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t, 1, 5000));
        EXPECT_EQ(t.errors, (std::vector<std::pair<int, std::string>>{{8, "Connection timed out"}}));
        EXPECT_EQ(t.done, 1);
    }
}

TEST(SendMailDialogue, CancelDuringTheMessageStopsWithoutTheEndLineOrAnError) {
    ScriptedSmtpServer server;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t@x.org";
    mail.MailText.assign(20000, "A body line of plain text that goes on for a while.");
    auto record = mail.OnMailInfo;
    mail.OnMailInfo = [&](SendMail& m, SendMailInfo info, const std::string& text) {
        record(m, info, text);
        if (info == SendMailInfo::BodyProgress && text == "4096") {
            m.SetAction(TMailAction::Cancel_SendMail);
        }
    };
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_TRUE(t.errors.empty());
    EXPECT_EQ(t.done, 1);
    EXPECT_EQ(mail.LastMailError(), SendMailError::Cancelled);
    EXPECT_FALSE(server.dataEnded);
    EXPECT_LT(server.data.size(), 100000u);
    // Sending stopped at the slice where the cancel came.
    EXPECT_EQ(t.infosOf(SendMailInfo::BodyProgress).back(), "4096");
}

TEST(SendMailDialogue, SecondRequestWhileOneRunsIsRefusedWithoutDisturbingIt) {
    ScriptedSmtpServer server;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_EQ(t.infosOf(SendMailInfo::Busy).size(), 1u);
    EXPECT_TRUE(t.errors.empty());
    EXPECT_EQ(t.done, 1);
    EXPECT_TRUE(server.dataEnded);
    EXPECT_EQ(server.connections, 1);
}

TEST(SendMailDialogue, KeptConnectionCarriesTheNextMailAfterRsetWithoutHello) {
    ScriptedSmtpServer server;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.KeepConnectionOpen = true;
    mail.TO_Address = "t1@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_TRUE(mail.Connected());
    EXPECT_FALSE(t.hasInfo(SendMailInfo::ServerClosed));

    mail.ListTo.clear();
    mail.TO_Address = "t2@x.org";
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t, 2));
    EXPECT_EQ(server.connections, 1);
    EXPECT_EQ(server.commands,
              (Commands{"HELO " + hostName(), "MAIL FROM:<a@example.org>", "RCPT TO:<t1@x.org>", "DATA",
                        "RSET", "MAIL FROM:<a@example.org>", "RCPT TO:<t2@x.org>", "DATA"}));
    EXPECT_TRUE(t.errors.empty());

    // The server later closes the idle connection: reported, and one more done.
    server.hangUp();
    ASSERT_TRUE(waitForDone(t, 3));
    EXPECT_TRUE(t.hasInfo(SendMailInfo::ServerClosed));
    EXPECT_TRUE(t.errors.empty());
    EXPECT_FALSE(mail.Connected());
}

TEST(SendMailDialogue, UnsafeOrMissingAddressesAreRefusedBeforeConnecting) {
    struct Case {
        std::string from, to;
        std::vector<std::string> cc;
    };
    const std::vector<Case> cases = {
        {"a@x.org", "", {}},                                   // nobody to send to
        {"a@x.org", "t@x.org>\r\nRCPT TO:<victim@y.org", {}},  // command injection
        {"a@x.org", "t@x.org", {"c@x.org\nBcc: v@y.org|Cee"}}, // header injection through cc
        {"a@x.org\r\nRCPT TO:<victim@y.org>", "t@x.org", {}},  // through the sender
        {"a@x.org", "<t@x.org>", {}},                          // angle brackets
    };
    for (const Case& c : cases) {
        ScriptedSmtpServer server;
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.FROM_Address = c.from;
        mail.TO_Address = c.to;
        mail.Listcc = c.cc;
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t));
        ASSERT_EQ(t.errors.size(), 1u);
        EXPECT_EQ(t.errors[0].first, 18);
        EXPECT_EQ(t.errors[0].second.rfind("Mail Destination Error", 0), 0u);
        EXPECT_EQ(t.done, 1);
        EXPECT_EQ(server.connections, 0);
    }
}

TEST(SendMailDialogue, CancelWithNothingRunningDoesNothing) {
    SendMail mail;
    Transcript t;
    t.attach(mail);
    mail.SetAction(TMailAction::Cancel_SendMail);
    mailtest::spin(100);
    EXPECT_EQ(t.done, 0);
    mail.SetVersion("other");
    EXPECT_EQ(mail.Version(), "SendMail 1.3.9");
}

TEST(SendMailDialogue, LongLinesAreCutAndDotsAtLineStartDoubled) {
    ScriptedSmtpServer server;
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepare(mail, server);
    mail.TO_Address = "t@x.org";
    mail.Headers = {"X-Long: " + std::string(300, 'h')};
    mail.MailText = {".", "..two", "a.b", "."};
    mail.OnFeedData = [n = 0](SendMail&, std::string& data) mutable {
        // Fed text arrives in pieces; a dot after a piece's line end is still a line start.
        static const char* pieces[] = {"fed line\r\n", ".dotted\r", "\n", ".", "x\r\n"};
        data = n < 5 ? pieces[n++] : "";
    };
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(waitForDone(t));
    EXPECT_NE(server.data.find("\r\nX-Long: " + std::string(245, 'h') + "\r\n"), std::string::npos);
    EXPECT_NE(server.data.find("fed line\r\n..dotted\r\n..x\r\n"), std::string::npos);
    EXPECT_NE(server.data.find("\r\n..\r\n...two\r\na.b\r\n..\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(server.dataEnded);
    EXPECT_EQ(t.infosOf(SendMailInfo::BodyProgress).front(), "10"); // fed text counts first
}

// Domains beyond ASCII go out in their IDNA form; a local part beyond ASCII
// needs the server's SMTPUTF8 and is refused before MAIL FROM without it.
TEST(SendMailDialogue, InternationalAddressesUseIdnaAndSmtpUtf8) {
    struct Case {
        std::string to;
        std::string ehloReply; // empty: the server is greeted with HELO
        Commands commands;
        SendMailError error;
    };
    const std::vector<Case> cases = {
        {"friend@bücher.example",
         "",
         {"HELO " + hostName(), "MAIL FROM:<a@example.org>", "RCPT TO:<friend@xn--bcher-kva.example>", "DATA",
          "QUIT"},
         SendMailError::None},
        {"jörg@bücher.example",
         "250-hello\r\n250-8BITMIME\r\n250 SMTPUTF8\r\n",
         {"EHLO " + hostName(), "MAIL FROM:<a@example.org> SMTPUTF8", "RCPT TO:<jörg@xn--bcher-kva.example>",
          "DATA", "QUIT"},
         SendMailError::None},
        {"jörg@example.org",
         "250-hello\r\n250 8BITMIME\r\n",
         {"EHLO " + hostName()},
         SendMailError::NoSmtpUtf8},
    };
    for (const Case& c : cases) {
        ScriptedSmtpServer server;
        if (!c.ehloReply.empty()) {
            server.replies["EHLO"] = c.ehloReply;
        }
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.TO_Address = c.to;
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t));
        EXPECT_EQ(server.commands, c.commands) << c.to;
        EXPECT_EQ(mail.LastMailError(), c.error) << c.to;
        EXPECT_EQ(server.dataEnded, c.error == SendMailError::None) << c.to;
    }
}
