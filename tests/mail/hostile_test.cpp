// SendMail against servers that misbehave: replies that never end, floods, NUL
// bytes, replies without a code, refusals of every recipient, a QUIT that goes
// wrong after the mail was accepted, and addresses that break the limits.
#include "mail/mailaddress.h"
#include "mail/replyreader.h"
#include "scriptedserver.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using mail::SendMail;
using mail::SendMailError;
using mail::SendMailInfo;
using mail::TMailAction;
using mailtest::ScriptedSmtpServer;
using mailtest::Transcript;
using mailtest::waitForDone;

namespace {

void prepare(SendMail& mail, const ScriptedSmtpServer& server) {
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = server.port();
    mail.FROM_Address = "a@example.org";
    mail.TO_Address = "t@example.org";
    mail.MailText = {"Hi"};
    mail.TimeOutReply = 1;
    mail.TimeOutQuitMs = 300;
}

// Sends `bytes` to the client every `everyMs` until the connection ends.
void keepSending(QTcpSocket& client, QByteArray bytes, int everyMs) {
    auto* timer = new QTimer(&client);
    QObject::connect(timer, &QTimer::timeout, &client, [&client, bytes] {
        if (client.state() == QAbstractSocket::ConnectedState && client.bytesToWrite() < (1 << 20)) {
            client.write(bytes);
        }
    });
    timer->start(everyMs);
}

bool hasCommand(const ScriptedSmtpServer& server, const std::string& prefix) {
    for (const std::string& command : server.commands) {
        if (command.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

// Each case ends the request with an error, in bounded time, without DATA.
TEST(HostileServer, BrokenRepliesEndTheRequestInBoundedTime) {
    struct Case {
        std::string at;    // the answer to this command ("" = the greeting) is broken
        std::string reply; // sent once, or again and again every repeatMs
        int repeatMs;
        SendMailError error;
        std::string text; // the start of the error text
    };
    std::string continuing;
    for (int i = 0; i < 1200; ++i) {
        continuing += "250-more\r\n";
    }
    const std::string tooLong = "Unexpected response: a reply line longer than 4096 bytes";
    const std::vector<Case> cases = {
        {"", "x", 100, SendMailError::TimedOut, "Connection timed out"}, // a byte at a time, no line end
        {"", std::string(64 * 1024, 'x'), 5, SendMailError::UnexpectedResponse, tooLong},
        {"HELO", "250 " + std::string(4093, 'y') + "\r\n", 0, SendMailError::UnexpectedResponse, tooLong},
        {"", std::string("220 hello\0 and more\r\n", 21), 0, SendMailError::UnexpectedResponse,
         "Unexpected response: a NUL byte in a reply"},
        {"", "hello there\r\n", 0, SendMailError::UnexpectedResponse, "Unexpected response: hello there"},
        {"HELO", "\r\n", 0, SendMailError::UnexpectedResponse, "Unexpected response: an empty reply line"},
        {"MAIL", "250OK\r\n", 0, SendMailError::UnexpectedResponse, "Unexpected response: 250OK"},
        {"HELO", continuing, 0, SendMailError::UnexpectedResponse,
         "Unexpected response: a reply of more than 1000 lines"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ScriptedSmtpServer server;
        if (c.repeatMs > 0) {
            server.custom = [&c](const std::string& command, QTcpSocket& client) {
                if (command.rfind(c.at, 0) == 0) {
                    keepSending(client, QByteArray::fromStdString(c.reply), c.repeatMs);
                }
                return command.rfind(c.at, 0) == 0;
            };
        } else if (c.at.empty()) {
            server.greeting = c.reply;
        } else {
            server.replies[c.at] = c.reply;
        }
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        QElapsedTimer clock;
        clock.start();
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t, 1, 4000));
        EXPECT_LT(clock.elapsed(), 4000);
        ASSERT_EQ(t.errors.size(), 1u);
        EXPECT_EQ(t.errors[0].first, static_cast<int>(c.error));
        EXPECT_EQ(t.errors[0].second.substr(0, c.text.size()), c.text);
        EXPECT_EQ(t.done, 1);
        EXPECT_FALSE(hasCommand(server, "DATA"));
        EXPECT_FALSE(mail.HasSocket());
    }
}

// A line of exactly 4096 bytes is a reply line; one byte more is too long,
// ended or not (a CR alone may still be the start of its line end).
TEST(HostileServer, AReplyLineOfTheLimitIsTakenOneByteMoreIsNot) {
    using Fault = mail::TReplyReader::Fault;
    const struct {
        std::size_t length;
        const char* end;
        bool taken;
        Fault fault;
    } cases[] = {{4096, "\r\n", true, Fault::None},
                 {4097, "\r\n", false, Fault::LineTooLong},
                 {4096, "\r", false, Fault::None},
                 {4098, "", false, Fault::LineTooLong}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        mail::TReplyReader reader;
        reader.Append("250 " + std::string(c.length - 4, 'y') + c.end);
        std::string line;
        EXPECT_EQ(reader.NextLine(line), c.taken);
        EXPECT_EQ(line.size(), c.taken ? c.length : 0u);
        EXPECT_EQ(reader.PendingFault(), c.fault);
    }
}

TEST(HostileServer, NoDataWhenEveryRecipientIsRefused) {
    struct Case {
        std::vector<std::string> cc;
        std::deque<std::string> rcptReplies;
        bool delivered;
    };
    const std::vector<Case> cases = {
        {{}, {"554 no such user\r\n"}, false},
        {{}, {"451 try later\r\n"}, false},
        {{"c@example.org"}, {"550 no\r\n", "550-still\r\n550 no\r\n"}, false},
        {{"c@example.org"}, {"550 no\r\n", "250 ok\r\n"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rcptReplies.front());
        ScriptedSmtpServer server;
        server.rcptReplies = c.rcptReplies;
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.Listcc = c.cc;
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t));
        EXPECT_EQ(hasCommand(server, "DATA"), c.delivered);
        EXPECT_EQ(server.dataEnded, c.delivered);
        EXPECT_EQ(t.done, 1);
        if (c.delivered) {
            EXPECT_TRUE(t.errors.empty());
        } else {
            ASSERT_EQ(t.errors.size(), 1u);
            EXPECT_EQ(t.errors[0].first, static_cast<int>(SendMailError::MailDestination));
            EXPECT_NE(t.errors[0].second.find("accepted no recipient"), std::string::npos);
            EXPECT_EQ(server.commands.back(), "QUIT");
        }
    }
}

TEST(HostileServer, AcceptedMailIsDeliveredWhateverQuitGets) {
    for (const std::string& quitReply :
         {std::string("221 bye\r\n"), std::string(ScriptedSmtpServer::kSilent),
          std::string(ScriptedSmtpServer::kClose), std::string("500 what?\r\n"), std::string("bye\r\n"),
          std::string("221 \0bye\r\n", 10)}) {
        SCOPED_TRACE(quitReply);
        ScriptedSmtpServer server;
        server.replies["QUIT"] = quitReply;
        server.closeAfterQuit = false;
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.TimeOutReply = 30; // only the short wait for QUIT's answer may end it
        QElapsedTimer clock;
        clock.start();
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t, 1, 3000));
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_TRUE(t.errors.empty());
        EXPECT_EQ(mail.LastMailError(), SendMailError::None);
        EXPECT_TRUE(t.hasInfo(SendMailInfo::MailAccepted));
        EXPECT_EQ(t.done, 1);
        EXPECT_FALSE(mail.HasSocket());
    }
}

TEST(HostileServer, AddressesAreCheckedWhole) {
    const std::string local64(64, 'l');
    const std::string label63(63, 'd');
    struct Case {
        std::string address;
        std::string problem; // empty: fit to send
    };
    const std::vector<Case> cases = {
        {"ann@example.org", ""},
        {"\"with space\"@example.org", ""},
        {"\"odd\\\"quote\"@example.org", ""},
        {"user@[192.0.2.1]", ""},
        {"jörg@bücher.example", ""},
        {std::string(64, 'l') + "@" + std::string(63, 'd') + "." + std::string(63, 'd') + "." +
             std::string(57, 'd') + ".org",
         ""}, // 254 bytes: the longest path
        {local64 + "l@example.org", "its local part is longer than 64 bytes"},
        {local64 + "@" + label63 + "." + label63 + "." + label63 + ".org", "it is longer than 254 bytes"},
        {"a@" + std::string(64, 'd') + ".org", "a part of its domain is longer than 63 bytes"},
        {"", "it is empty"},
        {"no-at-sign", "it has no @"},
        {"a,b@example.org", "its local part holds a character that needs quoting (\",\")"},
        {"\"a\"b\"@example.org", "its quoted local part has a bare quote"},
        {"a..b@example.org", "its local part has an empty part between dots"},
        {"a@-example.org", "a part of its domain starts or ends with a hyphen"},
        {"a@exa mple.org", "its domain holds a character a host name may not (\" \")"},
        {"t@x.org>\r\nRCPT TO:<v@y.org", "its local part holds a character that needs quoting (\"@\")"},
        {"\"a\x1b[2J\"@example.org", "it holds a control character"},
        {"ann\u202e@example.org", "it holds an invisible or control character"},
        {"ann\xff@example.org", "it is not valid UTF-8"},
        {"a@[1.2.3.4", "its address literal is not closed"},
        {"a@" + std::string(45, 'l') + "\u00fc\u00e9\u00e5\u00f1\u00f8\u00e7\u00e0.org",
         "its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows "
         "beyond 63 bytes"},
        {local64 + "@" + label63 + "." + label63 + ".b\u00fccher." + std::string(50, 'd'),
         "it is longer than 254 bytes once its domain is written in ASCII"},
        {"a@\u2ff0.example",
         "its domain cannot be written in ASCII (IDNA): a part holds a character a domain "
         "may not, or grows beyond 63 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(mail::AddressProblem(c.address), c.problem);
    }
}

TEST(HostileServer, AddressesGoOutWholeOrTheRequestIsRefused) {
    const std::string longest = std::string(64, 'l') + "@" + std::string(63, 'd') + "." +
                                std::string(63, 'd') + "." + std::string(57, 'd') + ".org";
    ASSERT_EQ(longest.size(), 254u);
    struct Case {
        std::string from, to, bcc;
        bool sent;
    };
    const std::vector<Case> cases = {
        {"a@example.org", longest, "", true},
        {longest, "t@example.org", longest, true},
        {"a@example.org", longest + "x", "", false},
        {"a@example.org", "t@example.org", "b,c@example.org", false},
        {"a b@example.org", "t@example.org", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to + " " + c.bcc);
        ScriptedSmtpServer server;
        SendMail mail;
        Transcript t;
        t.attach(mail);
        prepare(mail, server);
        mail.FROM_Address = c.from;
        mail.TO_Address = c.to;
        if (!c.bcc.empty()) {
            mail.ListBcc = {c.bcc};
        }
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(waitForDone(t));
        if (c.sent) {
            EXPECT_TRUE(t.errors.empty());
            EXPECT_TRUE(hasCommand(server, "RCPT TO:<" + c.to + ">"));
            EXPECT_TRUE(hasCommand(server, "MAIL FROM:<" + c.from + ">"));
            EXPECT_TRUE(server.dataEnded);
        } else {
            ASSERT_EQ(t.errors.size(), 1u);
            EXPECT_EQ(t.errors[0].first, static_cast<int>(SendMailError::MailDestination));
            EXPECT_EQ(t.errors[0].second.rfind("Mail Destination Error: the ", 0), 0u);
            EXPECT_EQ(server.connections, 0);
        }
    }
}
