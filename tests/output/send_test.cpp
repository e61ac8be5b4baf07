// pinewick --send against a real SMTP server on loopback, found through the
// msmtp configuration of a test home: the mail that arrives, the progress
// lines, and the errors of a bad address and a refused connection.
#include "cardmailcheck.h"
#include "mail/accounts/mailaccount.h"
#include "mail/addressbooks/sqlitefiles.h"
#include "mail/base64.h"
#include "scriptedserver.h"
#include "securedaemon.h"
#include "smtpdaemon.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace mailtest;

struct SendRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class SendCommand : public ::testing::Test {
protected:
    void SetUp() override {
        home = testsupport::makeScratchHome(QString("send-") +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        maildir = home.home + "maildir";
        QDir().mkpath(home.home + "tmp");
    }

    SendRun send(const QString& address, quint16 port) {
        WriteMsmtpConfig(home.settings, port);
        return run(address);
    }

    // Runs the command with the msmtp configuration as it stands.
    SendRun run(const QString& address, const QStringList& more = {}) {
        QProcess process;
        QProcessEnvironment env = home.environment();
        env.insert("HOME", home.home);
        env.insert("TMPDIR", home.home + "tmp");
        // Address books only in the test's home.
        env.insert("XDG_DATA_HOME", home.home + ".local/share");
        // Trust and keyring only as the test sets them up.
        env.remove("SSL_CERT_FILE");
        env.remove("SSL_CERT_DIR");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        env.remove("DISPLAY");
        env.remove("XDG_DATA_HOME");
        // The user's own systemd timer stays as it is.
        env.insert("PINEWICK_SYSTEMCTL", "/bin/true");
        process.setProcessEnvironment(env);
        process.start(testsupport::programPath(), QStringList{"--send", address} + more);
        // The event loop runs meanwhile: a scripted server of the test answers.
        QElapsedTimer clock;
        clock.start();
        while (process.state() != QProcess::NotRunning && clock.elapsed() < 120000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            process.waitForFinished(20);
        }
        EXPECT_EQ(process.state(), QProcess::NotRunning);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString sender() const {
        const mail::MailAccountPlaces places = mail::MailAccountPlaces::FromEnvironment();
        const QString name = places.RealName.isEmpty() ? places.LoginName : places.RealName;
        return name + " <robin@example.org>";
    }

    testsupport::ScratchHome home;
    QString maildir;
};

TEST_F(SendCommand, DeliversTheCardWithTheGreetingAsSubject) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running()) << server.log().toStdString();
    const SendRun run = send("friend@example.net", server.port());
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    // A few lines a person reads: where to, and the server's acceptance.
    EXPECT_TRUE(run.out.contains("account: ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QString("Connecting to 127.0.0.1:%1 ...\n").arg(server.port())))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\nSending the card (")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\nAccepted: 250 ")) << run.out.toStdString();
    EXPECT_LE(run.out.count('\n'), 10) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains("error ")) << run.out.toStdString();

    const QJsonArray mails = ReadMails(maildir);
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject mail = mails[0].toObject();
    EXPECT_EQ(CheckCardMail(mail, sender(), "friend@example.net", "Merry Christmas and a Happy New Year!"),
              "");
    // The picture is the card (up to JPEG noise) with the decorated tree on it.
    const QImage picture = CardPicture(mail).convertToFormat(QImage::Format_RGB32);
    const QImage card = QImage(home.home + "Data/Resource/Card.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    EXPECT_LT(ChangedPixels(picture, card, QRect(0, 40, 130, 380)), 1500);
    EXPECT_GT(ChangedPixels(picture, card, QRect(135, 32, 370, 376)), 15000);
    // The picture's private folder is gone with the send.
    EXPECT_EQ(QDir(home.home + "tmp").entryList({"pinewick-card-*", "Pinewick.jpg"}), QStringList());
}

// --animated: the HTML shows the turning tree, a GIF inline; the still card
// goes along as an attachment for readers without HTML.
TEST_F(SendCommand, AnimatedCardShowsTheGifInlineAndAttachesTheStillPicture) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running()) << server.log().toStdString();
    WriteMsmtpConfig(home.settings, server.port());
    const SendRun sent = run("friend@example.net", {"--animated"});
    ASSERT_EQ(sent.exitCode, 0) << sent.out.toStdString() << sent.err.toStdString();
    const QJsonArray mails = ReadMails(maildir);
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject mail = mails[0].toObject();
    EXPECT_EQ(mail["defects"].toArray().size(), 0);
    EXPECT_EQ(mail["structure"].toVariant().toStringList().join(" "),
              "multipart/mixed multipart/alternative text/plain multipart/related text/html image/gif "
              "image/jpeg");
    QString html;
    QJsonObject gif;
    QJsonObject still;
    for (const QJsonValue& part : mail["parts"].toArray()) {
        const QString type = part["type"].toString();
        if (type == "text/html") {
            html = part["text"].toString();
        } else if (type == "image/gif") {
            gif = part.toObject();
        } else if (type == "image/jpeg") {
            still = part.toObject();
        }
    }
    EXPECT_EQ(gif["disposition"].toString(), "inline");
    const QString id = gif["content_id"].toString();
    EXPECT_TRUE(html.contains("src=\"cid:" + id.mid(1, id.size() - 2) + "\"")) << id.toStdString();
    EXPECT_EQ(still["disposition"].toString(), "attachment");
    EXPECT_EQ(still["filename"].toString(), "Pinewick.jpg");
    QImageReader frames(gif["file"].toString(), "GIF");
    EXPECT_EQ(frames.size(), QSize(640, 422));
    EXPECT_GE(frames.imageCount(), 80);
    EXPECT_EQ(CardPicture(mail).size(), QSize(640, 422));
    EXPECT_EQ(QDir(home.home + "tmp").entryList({"pinewick-card-*"}), QStringList());
}

TEST_F(SendCommand, VerboseShowsTheWholeDialogue) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    const SendRun run = this->run("friend@example.net", {"--verbose"});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    for (const char* line : {"\ninfo 1: 220 ", "\ninfo 2: HELO [", "\ninfo 2: MAIL FROM:<robin@example.org>",
                             "\ninfo 2: DATA\\r\\n", "\ninfo 11: ", "\ninfo 4: \n"}) {
        EXPECT_TRUE(run.out.contains(line)) << line << "\n" << run.out.toStdString();
    }
}

// The card picture can't be written (the temporary folder is a file here):
// nothing is sent, and the command says why.
TEST_F(SendCommand, AnUnwritableCardFolderRefusesTheSend) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    QFile blocker(home.home + "not-a-folder");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcess process;
    QProcessEnvironment env = home.environment();
    env.insert("HOME", home.home);
    env.insert("TMPDIR", home.home + "not-a-folder");
    env.remove("DISPLAY");
    process.setProcessEnvironment(env);
    process.start(testsupport::programPath(), {"--send", "friend@example.net", "--verbose"});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(err.contains("the card was not sent")) << err.toStdString();
    EXPECT_EQ(ReadMails(maildir).size(), 0);
}

TEST_F(SendCommand, EightBitGreetingGoesAsEncodedWordAndEmptyGreetingAsNoSubject) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running());
    const QString greeting = QString::fromUtf8("Fröhliche Weihnachten – für alle!");
    SetGreeting(home.desc, greeting.toUtf8());
    ASSERT_EQ(send("friend@example.net", server.port()).exitCode, 0);
    SetGreeting(home.desc, "");
    ASSERT_EQ(send("friend@example.net", server.port()).exitCode, 0);

    const QJsonArray mails = ReadMails(maildir);
    ASSERT_EQ(mails.size(), 2);
    const QJsonObject encoded = mails[0].toObject();
    EXPECT_EQ(CheckCardMail(encoded, sender(), "friend@example.net", greeting), "");
    EXPECT_TRUE(encoded["raw_headers"].toString().contains("\nSubject: =?UTF-8?Q?Fr=C3=B6hliche_"))
        << encoded["raw_headers"].toString().toStdString();
    EXPECT_EQ(CheckCardMail(mails[1].toObject(), sender(), "friend@example.net", ""), "");
}

TEST_F(SendCommand, EmptyAddressIsError18AndNothingArrives) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running());
    const SendRun run = send("", server.port());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("error 18: Mail Destination Error")) << run.out.toStdString();
    EXPECT_EQ(ReadMails(maildir).size(), 0);
}

TEST_F(SendCommand, RefusedConnectionIsError12) {
    quint16 closed = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closed = probe.serverPort();
    }
    const SendRun run = send("friend@example.net", closed);
    // The card waits in the outbox to be tried again.
    EXPECT_EQ(run.exitCode, 75);
    EXPECT_TRUE(run.out.contains("\nerror 12: ")) << run.out.toStdString();
    EXPECT_EQ(
        QDir(home.home + ".local/share/pinewick/outbox").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(),
        1);
}

// Against a server that misbehaves (run on this test's own event loop while the
// command runs): what is printed is escaped, a delivered mail counts whatever
// QUIT gets, and nothing is sent to a server that took no recipient.
TEST_F(SendCommand, HostileServerGetsNoInjectionAndHonestOutcomes) {
    struct Case {
        const char* name;
        std::function<void(ScriptedSmtpServer&)> script;
        QByteArray fullName; // a Thunderbird identity's name, as prefs.js writes it
        int exitCode;
        QString shown;  // printed, escaped
        bool delivered; // the message text went out
    };
    const std::vector<Case> cases = {
        {"escapes in replies",
         [](ScriptedSmtpServer& s) { s.greeting = "220 \x1b]0;owned\x07 hi \x1b[2J\x9b\r\n"; }, "Robin", 0,
         R"(info 1: 220 \x1b]0;owned\x07 hi \x1b[2J\x9b)", true},
        {"escapes in the account's name", [](ScriptedSmtpServer&) {}, R"(Rob\u001b[31min\u0007X)", 0,
         R"(account: Rob\x1b[31min\x07X <robin@example.org>)", true},
        {"the only recipient refused",
         [](ScriptedSmtpServer& s) { s.replies["RCPT"] = "554 no such user\r\n"; }, "Robin", 1,
         "error 18: Mail Destination Error: the server accepted no recipient (554 no such user)", false},
        {"QUIT never answered",
         [](ScriptedSmtpServer& s) {
             s.replies["QUIT"] = ScriptedSmtpServer::kSilent;
             s.closeAfterQuit = false;
         },
         "Robin", 0, "info 4: ", true},
        {"a long refusal, whole in the conversation",
         [](ScriptedSmtpServer& s) { s.greeting = "554 " + std::string(3000, 'y') + "\r\n"; }, "Robin", 1,
         "info 1: 554 " + QString(3000, 'y') + "\n", false},
        {"QUIT refused", [](ScriptedSmtpServer& s) { s.replies["QUIT"] = "500 what?\r\n"; }, "Robin", 0,
         "info 4: ", true},
    };
    // The cases run side by side, each with its own server and home: most of
    // their time is the wait for a QUIT that is never answered.
    struct Run {
        ScriptedSmtpServer server;
        QProcess process;
    };
    std::vector<std::unique_ptr<Run>> runs;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        auto& run = *runs.emplace_back(std::make_unique<Run>());
        c.script(run.server);
        const QString caseHome = home.home + QString("case%1/").arg(i);
        const QString profile = caseHome + ".thunderbird/p";
        QDir().mkpath(profile);
        QFile ini(caseHome + ".thunderbird/profiles.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Profile0]\nName=default\nIsRelative=1\nPath=p\nDefault=1\n");
        ini.close();
        QFile prefs(profile + "/prefs.js");
        ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
        prefs.write("user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
                    "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
                    "user_pref(\"mail.identity.id1.fullName\", \"" +
                    c.fullName +
                    "\");\n"
                    "user_pref(\"mail.identity.id1.useremail\", \"robin@example.org\");\n"
                    "user_pref(\"mail.identity.id1.smtpServer\", \"smtp1\");\n"
                    "user_pref(\"mail.smtpserver.smtp1.hostname\", \"127.0.0.1\");\n"
                    "user_pref(\"mail.smtpserver.smtp1.port\", " +
                    QByteArray::number(run.server.port()) + ");\n");
        prefs.close();

        QProcessEnvironment env = home.environment();
        env.insert("HOME", caseHome);
        env.insert("TMPDIR", home.home + "tmp");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        env.remove("DISPLAY");
        run.process.setProcessEnvironment(env);
        run.process.start(testsupport::programPath(), {"--send", "friend@example.net", "--verbose"});
    }
    const auto running = [&] {
        return std::any_of(runs.begin(), runs.end(),
                           [](const auto& run) { return run->process.state() != QProcess::NotRunning; });
    };
    QElapsedTimer clock;
    clock.start();
    while (running() && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        Run& run = *runs[i];
        ASSERT_EQ(run.process.state(), QProcess::NotRunning);
        const QByteArray out = run.process.readAllStandardOutput();
        EXPECT_EQ(run.process.exitCode(), c.exitCode) << out.toStdString();
        EXPECT_FALSE(out.contains('\x1b')) << out.toStdString();
        EXPECT_FALSE(out.contains("\xc2\x9b")) << out.toStdString();
        EXPECT_TRUE(QString::fromUtf8(out).contains(c.shown)) << out.toStdString();
        EXPECT_EQ(run.server.dataEnded, c.delivered);
        EXPECT_EQ(std::count(run.server.commands.begin(), run.server.commands.end(), "DATA"),
                  c.delivered ? 1 : 0);
    }
}

// An account that logs in over STARTTLS, its settings given as msmtp keys.
void WriteSecureMsmtpConfig(const QString& configHome, quint16 port, const QString& trustFile,
                            const QString& passwordLine) {
    QDir().mkpath(configHome + "/msmtp");
    QFile file(configHome + "/msmtp/config");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QString("account card\nhost localhost\nport %1\nfrom robin@example.org\ntls on\n"
                       "tls_starttls on\ntls_trust_file %2\nauth on\nuser joe.smith\n%3\n"
                       "account default : card\n")
                   .arg(port)
                   .arg(trustFile, passwordLine)
                   .toUtf8());
}

TEST_F(SendCommand, LogsInOverStartTlsAndNeverPrintsThePassword) {
    const QString password = "Tannen-Baum 7!";
    QDir().mkpath(home.home + "secure");
    SecureSmtpDaemons server(home.home + "secure", "joe.smith", password);
    ASSERT_TRUE(server.running()) << server.log().toStdString();
    WriteSecureMsmtpConfig(home.settings, server.startTlsPort(), server.certificate(),
                           "password " + password);
    const SendRun run = this->run("friend@example.net");
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    // The server takes mail only after a login.
    ASSERT_EQ(ReadMails(server.maildir()).size(), 1);
    EXPECT_EQ(CheckCardMail(ReadMails(server.maildir())[0].toObject(), sender(), "friend@example.net",
                            "Merry Christmas and a Happy New Year!"),
              "");

    std::string plain;
    plain += '\0';
    plain += "joe.smith";
    plain += '\0';
    plain += password.toStdString();
    const QString printed = run.out + run.err;
    for (const std::string& secret :
         {password.toStdString(), mail::Base64Encode(password.toStdString()), mail::Base64Encode(plain)}) {
        EXPECT_FALSE(printed.contains(QString::fromStdString(secret))) << secret;
    }
}

TEST_F(SendCommand, LoginWithoutAPasswordSaysWhatIsMissingAndOffersTheOwnMailProgram) {
    const QString password = "Tannen-Baum 7!";
    QDir().mkpath(home.home + "secure");
    SecureSmtpDaemons server(home.home + "secure", "joe.smith", password);
    ASSERT_TRUE(server.running()) << server.log().toStdString();

    // No password anywhere (and no keyring to ask): nothing is sent.
    WriteSecureMsmtpConfig(home.settings, server.startTlsPort(), server.certificate(), "");
    SendRun run = this->run("friend@example.net");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("cannot log in: no password for joe.smith at localhost"))
        << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains("xdg-email --utf8 --subject 'Merry Christmas and a Happy New Year!' --attach " +
                         home.home + "tmp/Pinewick.jpg mailto:friend@example.net"))
        << run.err.toStdString();
    EXPECT_FALSE(server.log().contains("AUTH"));

    // A password command that fails says so, and what it printed stays unprinted.
    WriteSecureMsmtpConfig(home.settings, server.startTlsPort(), server.certificate(),
                           "passwordeval echo " + password + "; false");
    run = this->run("friend@example.net");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("password command")) << run.err.toStdString();
    EXPECT_FALSE((run.out + run.err).contains(password));

    // A wrong password: error 20, the offer, and the wrong password unprinted.
    WriteSecureMsmtpConfig(home.settings, server.startTlsPort(), server.certificate(),
                           "passwordeval echo Fichte-Zweig");
    run = this->run("friend@example.net");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("\nerror 20: ")) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("xdg-email ")) << run.err.toStdString();
    EXPECT_FALSE((run.out + run.err).contains("Fichte-Zweig"));
    EXPECT_EQ(server.mailCount(), 0);
}

TEST_F(SendCommand, NoAccountMentionsTheOwnMailProgram) {
    QTcpSocket local;
    local.connectToHost(QHostAddress::LocalHost, 25);
    if (local.waitForConnected(1000)) {
        GTEST_SKIP() << "a mail server listens on this machine's port 25: there is always an account";
    }
    const SendRun run = this->run("ann o'neil@example.net");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no mail account found")) << run.err.toStdString();
    // The typed text goes in as one mailto: address, safe for the shell as it stands.
    EXPECT_TRUE(run.err.contains(" mailto:ann%20o%27neil@example.net\n")) << run.err.toStdString();
}

// Address books of three programs in the test's home: Thunderbird's personal
// book (with no account of its own), an Evolution book and a vCard folder.
void WriteAddressBooks(const QString& home) {
    QDir().mkpath(home + ".thunderbird/abc.default");
    QFile ini(home + ".thunderbird/profiles.ini");
    ini.open(QIODevice::WriteOnly);
    ini.write("[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\nDefault=1\n");
    ini.close();
    testbooks::RunSql(home + ".thunderbird/abc.default/abook.sqlite",
                      QString(testbooks::kThunderbirdSchema) +
                          "INSERT INTO cards VALUES ('c1', 1), ('c2', 2);"
                          "INSERT INTO properties VALUES ('c1', 'DisplayName', 'Oma Ilse'),"
                          " ('c1', 'FirstName', 'Ilse'), ('c1', 'PrimaryEmail', 'ilse@example.org'),"
                          " ('c2', 'DisplayName', 'Zoë Weiß'), ('c2', 'FirstName', 'Zoë'),"
                          " ('c2', 'PrimaryEmail', 'zoe@example.org');");
    testbooks::RunSql(home + ".local/share/evolution/addressbook/system/contacts.db",
                      QString(testbooks::kEvolutionSchema) +
                          "INSERT INTO folder_id (uid, full_name, given_name, email_1, vcard) VALUES"
                          " ('e1', 'Paul Kiefer', 'Paul', 'paul@example.com', 'BEGIN:VCARD\nVERSION:3.0\n"
                          "FN:Paul Kiefer\nN:Kiefer;Paul;;;\nEMAIL:paul@example.com\nEND:VCARD'),"
                          " ('e2', 'Oma Grete', 'Grete', 'grete@example.org', 'BEGIN:VCARD\nVERSION:3.0\n"
                          "FN:Oma Grete\nN:;Grete;;;\nEMAIL:grete@example.org\nEND:VCARD');");
    QDir().mkpath(home + ".local/share/contacts");
    QFile vcf(home + ".local/share/contacts/anna.vcf");
    vcf.open(QIODevice::WriteOnly);
    vcf.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Tanne\r\nN:Tanne;Anna;;;\r\nEMAIL:anna@example.org\r\n"
              "END:VCARD\r\n");
}

} // namespace

// Receiving servers score mail with fixed rules: the card scores no worse than
// the same texts and picture composed by Python's email package.
TEST_F(SendCommand, SpamScoreNoWorseThanALibraryComposedCard) {
    if (QStandardPaths::findExecutable("spamassassin").isEmpty()) {
        GTEST_SKIP() << "spamassassin is not installed";
    }
    SetGreeting(home.desc,
                QString::fromUtf8("Frohe Weihnachten und ein gutes neues Jahr, Müllers!").toUtf8());
    // Without a note, and with a personal note of two sentences.
    for (const QString& note : {QString(), QString::fromUtf8("Liebe {name}, wir denken an euch. Bis bald im "
                                                             "neuen Jahr, eure Robin und Jakob.")}) {
        SCOPED_TRACE(note.toStdString());
        const QString box = maildir + (note.isEmpty() ? "" : "-note");
        SmtpDaemon server(box);
        ASSERT_TRUE(server.running());
        WriteMsmtpConfig(home.settings, server.port());
        ASSERT_EQ(run("Greta Müller <friend@example.net>", {"--note", note}).exitCode, 0);
        QProcess scorer;
        scorer.start("/usr/bin/python3", {testsupport::sourceDir() + "/tests/output/spam_score.py", box});
        ASSERT_TRUE(scorer.waitForFinished(1200000));
        const QString report =
            QString::fromUtf8(scorer.readAllStandardOutput() + scorer.readAllStandardError());
        EXPECT_EQ(scorer.exitCode(), 0) << report.toStdString();
        std::printf("%s%s", note.isEmpty() ? "" : "with a note:\n", qPrintable(report));
    }
}

// Five recipients, four by name from three books and one typed: each gets a
// card of their own with only their own address in To, the note made out to
// them, and a strict reader finds nothing wrong.
TEST_F(SendCommand, FiveRecipientsFromThreeBooksEachGetTheirOwnCard) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running()) << server.log().toStdString();
    WriteMsmtpConfig(home.settings, server.port());
    WriteAddressBooks(home.home);
    const SendRun sent =
        run("Oma Ilse, zoe weiss; Paul Kiefer", {"--send", "anna tanne, Bob <bob@example.com>", "--note",
                                                 "Dear {name},\nHave a merry Christmas!"});
    ASSERT_EQ(sent.exitCode, 0) << sent.out.toStdString() << sent.err.toStdString();
    EXPECT_TRUE(sent.out.contains("\n1 of 5: Oma Ilse <ilse@example.org>\n")) << sent.out.toStdString();
    EXPECT_TRUE(sent.out.contains("\n5 of 5: Bob <bob@example.com>\n")) << sent.out.toStdString();
    EXPECT_TRUE(sent.out.contains("\nThe card went to 5 of 5 recipients.\n")) << sent.out.toStdString();
    EXPECT_EQ(sent.out.count("Connected to "), 1);

    const QJsonArray mails = ReadMails(maildir);
    ASSERT_EQ(mails.size(), 5);
    const std::vector<std::tuple<QString, QString, QString>> want = {
        {"Oma Ilse <ilse@example.org>", "ilse@example.org", "Ilse"},
        {QString::fromUtf8("Zoë Weiß <zoe@example.org>"), "zoe@example.org", QString::fromUtf8("Zoë")},
        {"Paul Kiefer <paul@example.com>", "paul@example.com", "Paul"},
        {"Anna Tanne <anna@example.org>", "anna@example.org", "Anna"},
        {"Bob <bob@example.com>", "bob@example.com", "Bob"},
    };
    for (int i = 0; i < 5; ++i) {
        const auto& [to, address, first] = want[i];
        SCOPED_TRACE(to.toStdString());
        const QJsonObject mail = mails[i].toObject();
        EXPECT_EQ(CheckCardMail(mail, sender(), to, "Merry Christmas and a Happy New Year!",
                                "Dear " + first + ",\nHave a merry Christmas!"),
                  "");
        EXPECT_EQ(mail["to"].toVariant().toStringList(), QStringList{address});
        EXPECT_EQ(mail["to_headers"].toInt(), 1);
    }
}

// One recipient refused by the server: the other four get their cards over the
// same connection, the summary names the refused one with the server's
// reason, and sending again goes to it alone.
TEST_F(SendCommand, ARefusedRecipientStopsNobodyAndIsTheOnlyOneToSendAgain) {
    ScriptedSmtpServer server;
    server.custom = [](const std::string& command, QTcpSocket& client) {
        if (command == "RCPT TO:<tom@x.org>") {
            client.write("550 5.1.1 <tom@x.org>: mailbox unavailable\r\n");
            return true;
        }
        return false;
    };
    WriteMsmtpConfig(home.settings, server.port());
    const SendRun first = run("a@x.org, Tom <tom@x.org>, b@x.org; c@x.org, d@x.org");
    EXPECT_EQ(first.exitCode, 1) << first.out.toStdString();
    EXPECT_EQ(server.connections, 1);
    EXPECT_EQ(std::count(server.commands.begin(), server.commands.end(), "DATA"), 4);
    EXPECT_EQ(std::count(server.commands.begin(), server.commands.end(), "RSET"), 4);
    EXPECT_TRUE(
        first.out.contains("\nThe card went to 4 of 5 recipients.\n"
                           "  Not sent to Tom <tom@x.org>: 550 5.1.1 <tom@x.org>: mailbox unavailable\n"
                           "To send it again to those only:\n"
                           "  pinewick --send 'Tom <tom@x.org>'\n"))
        << first.out.toStdString();

    server.custom = nullptr;
    server.commands.clear();
    const SendRun again = run("Tom <tom@x.org>");
    EXPECT_EQ(again.exitCode, 0) << again.out.toStdString();
    EXPECT_EQ(std::count(server.commands.begin(), server.commands.end(), "DATA"), 1);
    EXPECT_NE(std::find(server.commands.begin(), server.commands.end(), "RCPT TO:<tom@x.org>"),
              server.commands.end());
}

// Names that can't be sent to, and a note too long, stop the send before
// anything goes out.
TEST_F(SendCommand, AnAmbiguousOrUnknownNameIsAnErrorAndNothingIsSent) {
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    WriteAddressBooks(home.home);
    const SendRun ambiguous = run("Oma, Paul Kiefer");
    EXPECT_EQ(ambiguous.exitCode, 1);
    EXPECT_TRUE(ambiguous.err.contains("pinewick: \"Oma\" could be any of these:\n"))
        << ambiguous.err.toStdString();
    EXPECT_TRUE(ambiguous.err.contains("\n  Oma Ilse <ilse@example.org>\n")) << ambiguous.err.toStdString();
    EXPECT_TRUE(ambiguous.err.contains("\n  Oma Grete <grete@example.org>\n")) << ambiguous.err.toStdString();
    const SendRun unknown = run("Nobody Known");
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("Nobody in your address books is called \"Nobody Known\"."))
        << unknown.err.toStdString();
    const SendRun tooLong = run("a@x.org", {"--note", QString(2001, 'n')});
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_TRUE(tooLong.err.contains("The note has 2001 characters; a note holds at most 2000."))
        << tooLong.err.toStdString();
    EXPECT_EQ(ReadMails(maildir).size(), 0);
}
