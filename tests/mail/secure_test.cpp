// Encrypted and logged-in sending against real servers on loopback (aiosmtpd with
// TLS and a login): STARTTLS with AUTH PLAIN, TLS from the first byte with AUTH
// LOGIN, and every way it must refuse: a wrong password, a certificate that is not
// trusted or names another host, TLS asked of a server without it. The password
// must never show in what the component reports.
#include "mail/base64.h"
#include "scriptedserver.h"
#include "securedaemon.h"
#include "support/test_paths.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

using mail::AuthMethod;
using mail::SendMail;
using mail::SendMailError;
using mail::SendMailInfo;
using mail::TlsMode;
using mail::TMailAction;
using mailtest::SecureSmtpDaemons;
using mailtest::Transcript;

namespace {

const char* const kUser = "joe.smith";
const char* const kPassword = "Tannen-Baum 7!";

class SecureMail : public ::testing::Test {
protected:
    void SetUp() override {
        // Only the trust the test gives counts, not a CA file from outside.
        qunsetenv("SSL_CERT_FILE");
        qunsetenv("SSL_CERT_DIR");
        dir_ = testsupport::scratchDir(
            QString("secure_%1").arg(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        daemons_ = std::make_unique<SecureSmtpDaemons>(dir_, kUser, kPassword);
        ASSERT_TRUE(daemons_->running()) << daemons_->log().toStdString();
        QImage picture(64, 42, QImage::Format_RGB32);
        picture.fill(QColor(20, 90, 30));
        jpeg_ = dir_ + "/Pinewick.jpg";
        ASSERT_TRUE(picture.save(jpeg_, "JPEG", 80));
    }

    // The card as the output dialog sends it, over the given security.
    void prepare(SendMail& mail, const std::string& server, quint16 port, TlsMode tls, AuthMethod auth,
                 const std::string& password = kPassword, bool trusted = true) {
        transcript_.attach(mail);
        mail.SetSMTP_Server(server);
        mail.SMTP_Port = port;
        mail.TimeOutReply = 10;
        mail.FROM_Name = "Joe";
        mail.FROM_Address = "joe@example.org";
        mail.TO_Address = "ann@example.org";
        mail.TO_Name = "Ann";
        mail.Subject = "Frohe Weihnachten";
        mail.MailText = {"Schöne Grüße"};
        mail.Attachments = {jpeg_.toStdString()};
        mail.Security.Tls = tls;
        mail.Security.Auth = auth;
        mail.Security.User = kUser;
        mail.Security.Password = password;
        if (trusted) {
            mail.Security.TrustFile = daemons_->certificate().toStdString();
        }
    }

    void send(SendMail& mail) {
        mail.SetAction(TMailAction::Send_Mail);
        ASSERT_TRUE(mailtest::waitForDone(transcript_, 1, 20000));
        if (qEnvironmentVariableIsSet("SECURE_TEST_TRACE")) {
            for (const auto& [code, text] : transcript_.infos) {
                fprintf(stderr, "info %d %s\n", code, text.c_str());
            }
        }
        expectNoSecretReported();
    }

    // Neither the password nor any encoding of it that goes over the wire shows
    // in an info or error text.
    void expectNoSecretReported() const {
        std::string plain;
        plain += '\0';
        plain += kUser;
        plain += '\0';
        plain += kPassword;
        const std::vector<std::string> secrets{kPassword, mail::Base64Encode(kPassword),
                                               mail::Base64Encode(plain), "wrong-password",
                                               mail::Base64Encode("wrong-password")};
        for (const auto* list : {&transcript_.infos, &transcript_.errors}) {
            for (const auto& [code, text] : *list) {
                for (const std::string& secret : secrets) {
                    EXPECT_EQ(text.find(secret), std::string::npos)
                        << "code " << code << " shows a secret: " << text;
                }
            }
        }
    }

    std::vector<std::string> sentLines() const {
        std::vector<std::string> lines;
        for (const std::string& text : transcript_.infosOf(SendMailInfo::TextSent)) {
            lines.push_back(text.substr(0, text.find("\r\n")));
        }
        return lines;
    }

    // The one stored mail parses, with its headers and the picture's exact bytes.
    void expectDelivered() {
        ASSERT_EQ(daemons_->mailCount(), 1) << daemons_->log().toStdString();
        const QJsonObject expected{
            {"from", "Joe <joe@example.org>"},
            {"to", "Ann <ann@example.org>"},
            {"subject", "Frohe Weihnachten"},
            {"body", "Schöne Grüße\n"},
            {"attachments", QJsonArray{QJsonObject{{"type", "application/octet-stream"},
                                                   {"filename", "Pinewick.jpg"},
                                                   {"encoding", "base64"},
                                                   {"path", jpeg_}}}}};
        QFile file(dir_ + "/expected.json");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(expected).toJson());
        file.close();
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start("/usr/bin/python3", {testsupport::sourceDir() + "/tests/mail/check_delivery.py",
                                         daemons_->maildir(), file.fileName()});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
    }

    void expectError(SendMailError error, const std::string& textPart) {
        ASSERT_EQ(transcript_.errors.size(), 1u);
        EXPECT_EQ(transcript_.errors[0].first, static_cast<int>(error)) << transcript_.errors[0].second;
        EXPECT_NE(transcript_.errors[0].second.find(textPart), std::string::npos)
            << transcript_.errors[0].second;
        EXPECT_EQ(transcript_.done, 1);
    }

    QString dir_;
    QString jpeg_;
    std::unique_ptr<SecureSmtpDaemons> daemons_;
    Transcript transcript_;
};

bool contains(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

} // namespace

TEST_F(SecureMail, StartTlsThenAuthPlainDelivers) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->startTlsPort(), TlsMode::StartTls, AuthMethod::Automatic);
    send(mail);
    EXPECT_TRUE(transcript_.errors.empty()) << transcript_.errors[0].second;
    EXPECT_TRUE(transcript_.hasInfo(SendMailInfo::MailAccepted));
    // EHLO, STARTTLS, EHLO again inside TLS, the login, then the usual dialogue.
    const auto lines = sentLines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0].rfind("EHLO ", 0), 0u);
    EXPECT_EQ(lines[1], "STARTTLS");
    EXPECT_EQ(lines[2].rfind("EHLO ", 0), 0u);
    EXPECT_EQ(lines[3], "AUTH PLAIN ********");
    EXPECT_EQ(lines[4], "MAIL FROM:<joe@example.org>");
    EXPECT_TRUE(daemons_->log().contains("AUTH PLAIN joe.smith ok")) << daemons_->log().toStdString();
    expectDelivered();
}

TEST_F(SecureMail, TlsFromTheFirstByteThenAuthLoginDelivers) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->implicitTlsPort(), TlsMode::Tls, AuthMethod::Automatic);
    send(mail);
    EXPECT_TRUE(transcript_.errors.empty()) << transcript_.errors[0].second;
    const auto lines = sentLines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("EHLO ", 0), 0u);
    EXPECT_EQ(lines[1], "AUTH LOGIN"); // this server offers no PLAIN
    EXPECT_EQ(lines[2], mail::Base64Encode(kUser));
    EXPECT_EQ(lines[3], "********");
    EXPECT_EQ(lines[4], "MAIL FROM:<joe@example.org>");
    EXPECT_FALSE(contains(lines, "STARTTLS"));
    EXPECT_TRUE(daemons_->log().contains("AUTH LOGIN joe.smith ok")) << daemons_->log().toStdString();
    expectDelivered();
}

TEST_F(SecureMail, WrongPasswordIsALoginErrorAndNothingIsSent) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->startTlsPort(), TlsMode::StartTls, AuthMethod::Plain,
            "wrong-password");
    send(mail);
    expectError(SendMailError::LoginFailed, "Login failed");
    EXPECT_FALSE(contains(sentLines(), "MAIL FROM"));
    EXPECT_TRUE(daemons_->log().contains("refused"));
    EXPECT_EQ(daemons_->mailCount(), 0);
}

TEST_F(SecureMail, UntrustedCertificateIsRefusedBeforeAnythingIsSent) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->startTlsPort(), TlsMode::StartTls, AuthMethod::Automatic, kPassword,
            /*trusted=*/false);
    send(mail);
    expectError(SendMailError::CertificateNotTrusted,
                "Server certificate not trusted (self-signed certificate)");
    EXPECT_FALSE(contains(sentLines(), "AUTH"));
    EXPECT_FALSE(daemons_->log().contains("AUTH "));
    EXPECT_EQ(daemons_->mailCount(), 0);
}

TEST_F(SecureMail, CertificateNamingAnotherHostIsRefused) {
    // The certificate names "localhost"; the account names the server by address.
    SendMail mail;
    prepare(mail, "127.0.0.1", daemons_->implicitTlsPort(), TlsMode::Tls, AuthMethod::Automatic);
    send(mail);
    expectError(SendMailError::CertificateNotTrusted, "mismatch");
    EXPECT_TRUE(sentLines().empty()); // not even EHLO went out
    EXPECT_EQ(daemons_->mailCount(), 0);
}

TEST_F(SecureMail, StartTlsAskedOfAServerWithoutItIsRefusedNotSentInPlainText) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->plainPort(), TlsMode::StartTls, AuthMethod::None);
    send(mail);
    expectError(SendMailError::NoStartTls, "offers no STARTTLS");
    EXPECT_EQ(sentLines().size(), 1u); // EHLO only
    EXPECT_EQ(daemons_->mailCount(), 0);
}

TEST_F(SecureMail, TlsFromTheFirstByteOnAPlainServerFailsTheHandshake) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->plainPort(), TlsMode::Tls, AuthMethod::None);
    send(mail);
    expectError(SendMailError::TlsHandshakeFailed, "TLS handshake failed");
    EXPECT_EQ(daemons_->mailCount(), 0);
}

TEST_F(SecureMail, TrustFileThatCannotBeReadIsAHandshakeError) {
    SendMail mail;
    prepare(mail, "localhost", daemons_->implicitTlsPort(), TlsMode::Tls, AuthMethod::Automatic);
    mail.Security.TrustFile = (dir_ + "/missing.pem").toStdString();
    send(mail);
    expectError(SendMailError::TlsHandshakeFailed, "missing.pem");
    EXPECT_EQ(daemons_->mailCount(), 0);
}

// The dialogue against a scripted server: what goes out exactly.
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

void prepareScripted(SendMail& mail, const mailtest::ScriptedSmtpServer& server) {
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = server.port();
    mail.FROM_Address = "a@example.org";
    mail.TO_Address = "t@example.org";
    mail.MailText = {"Hi"};
    mail.TimeOutReply = 5;
}

} // namespace

TEST(SecureMailDialogue, AnAccountAskingForNothingKeepsThePlainHeloDialogue) {
    SendMail mail;
    EXPECT_EQ(mail.SMTP_Port, 25);
    EXPECT_FALSE(mail.Security.Asks());
    mailtest::ScriptedSmtpServer server;
    server.replies["EHLO"] = "250-hello\r\n250-STARTTLS\r\n250 AUTH PLAIN\r\n";
    Transcript t;
    t.attach(mail);
    prepareScripted(mail, server);
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(mailtest::waitForDone(t));
    EXPECT_TRUE(t.errors.empty());
    EXPECT_EQ(server.commands, (std::vector<std::string>{"HELO " + hostName(), "MAIL FROM:<a@example.org>",
                                                         "RCPT TO:<t@example.org>", "DATA", "QUIT"}));
}

TEST(SecureMailDialogue, LoginWithoutEncryptionIsRefusedBeforeThePasswordGoesOut) {
    mailtest::ScriptedSmtpServer server;
    server.replies["EHLO"] = "250-hello\r\n250-AUTH=LOGIN\r\n250 AUTH PLAIN LOGIN\r\n";
    server.replies["AUTH"] = "235 ok\r\n";
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepareScripted(mail, server);
    mail.Security.Auth = AuthMethod::Automatic;
    mail.Security.User = "joe";
    mail.Security.Password = kPassword;
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(mailtest::waitForDone(t));
    ASSERT_EQ(t.errors.size(), 1u);
    EXPECT_EQ(t.errors[0].first, static_cast<int>(SendMailError::NoLogin));
    EXPECT_NE(t.errors[0].second.find("encrypted"), std::string::npos);
    EXPECT_EQ(server.commands, std::vector<std::string>{"EHLO " + hostName()});
}

TEST(SecureMailDialogue, ServerThatRefusesEhloHasNoStartTls) {
    mailtest::ScriptedSmtpServer server;
    server.replies["EHLO"] = "502 command not implemented\r\n";
    SendMail mail;
    Transcript t;
    t.attach(mail);
    prepareScripted(mail, server);
    mail.Security.Tls = TlsMode::StartTls;
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(mailtest::waitForDone(t));
    ASSERT_EQ(t.errors.size(), 1u);
    EXPECT_EQ(t.errors[0].first, static_cast<int>(SendMailError::NoStartTls));
    EXPECT_NE(t.errors[0].second.find("502 command not implemented"), std::string::npos);
    EXPECT_EQ(server.commands.size(), 1u);
}
