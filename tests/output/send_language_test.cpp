// pinewick --send in the desktop's language: the progress lines and errors
// in German, and the card's own sentence in the sender's language, against a
// real SMTP server on loopback.
#include "cardmailcheck.h"
#include "smtpdaemon.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace {

using namespace mailtest;

struct Sent {
    int exitCode = -1;
    QString out;
    QString err;
};

Sent sendIn(const QString& language, const testsupport::ScratchHome& home, quint16 port) {
    WriteMsmtpConfig(home.settings, port);
    QProcessEnvironment env = home.environment();
    env.insert("HOME", home.home);
    env.insert("LANGUAGE", language);
    env.remove("DISPLAY");
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(testsupport::programPath(), {"--send", "freund@example.net"});
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(SendInLanguage, GermanProgressAndCard) {
    const auto home = testsupport::makeScratchHome("send-german");
    const QString maildir = home.home + "maildir";
    SmtpDaemon server(maildir);
    ASSERT_TRUE(server.running()) << server.log().toStdString();
    const Sent sent = sendIn("de", home, server.port());
    ASSERT_EQ(sent.exitCode, 0) << sent.out.toStdString() << sent.err.toStdString();
    EXPECT_TRUE(sent.out.startsWith("Konto: ")) << sent.out.toStdString();
    EXPECT_TRUE(sent.out.contains(QString("\nVerbinde mit 127.0.0.1:%1 …\n").arg(server.port())))
        << sent.out.toStdString();
    EXPECT_TRUE(sent.out.contains("\nDie Karte wird gesendet (")) << sent.out.toStdString();
    EXPECT_TRUE(sent.out.contains("\nAngenommen: 250 ")) << sent.out.toStdString();
    const QJsonArray mails = ReadMails(maildir);
    ASSERT_EQ(mails.size(), 1);
    // The card's own sentence, in the plain text and the HTML.
    QString text;
    for (const QJsonValue part : mails[0].toObject()["parts"].toArray()) {
        text += part.toObject()["text"].toString();
    }
    EXPECT_EQ(text.count(QString::fromUtf8("Gemacht mit Pinewick, dem Grußbaum für deinen Desktop.")), 2)
        << text.toStdString();
    EXPECT_FALSE(text.contains("Made with Pinewick"));
}

TEST(SendInLanguage, ErrorsInTheDesktopsLanguage) {
    const auto home = testsupport::makeScratchHome("send-refused-ru");
    quint16 closed = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closed = probe.serverPort();
    }
    const struct {
        const char* language;
        const char* line;
    } cases[] = {
        {"de", "\nFehler 12: Verbindung abgelehnt"},
        {"ru", "\nошибка 12: В соединении отказано"},
        {"pt:en", "\nerror 12: Connection Refused"},
    };
    for (const auto& c : cases) {
        const Sent sent = sendIn(c.language, home, closed);
        EXPECT_EQ(sent.exitCode, 75); // the card waits in the outbox for another try
        EXPECT_TRUE(sent.out.contains(QString::fromUtf8(c.line)))
            << c.language << ": " << sent.out.toStdString();
    }
}

} // namespace
