// pinewick --send against a real SMTP server on loopback, found through the
// msmtp configuration of a test home: the mail that arrives, the progress
// lines, and the errors of a bad address and a refused connection.
#include "cardmailcheck.h"
#include "mail/mailaccount.h"
#include "smtpdaemon.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        QProcess process;
        QProcessEnvironment env = home.environment();
        env.insert("HOME", home.home);
        env.insert("TMPDIR", home.home + "tmp");
        process.setProcessEnvironment(env);
        process.start(testsupport::programPath(), {"--send", address});
        EXPECT_TRUE(process.waitForFinished(120000));
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
    // Progress comes one line per event: the server accepted the mail.
    EXPECT_TRUE(run.out.contains("account: ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\ninfo 4: \n")) << run.out.toStdString();
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
    EXPECT_GT(ChangedPixels(picture, card, QRect(135, 32, 370, 376)), 20000);
    // The picture file stays in the temporary folder.
    EXPECT_TRUE(QFile::exists(home.home + "tmp/Pinewick.jpg"));
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
    EXPECT_TRUE(HeaderLines(encoded).value(2).startsWith("Subject: =?"))
        << HeaderLines(encoded).value(2).toStdString();
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
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("\nerror 12: ")) << run.out.toStdString();
}

} // namespace
