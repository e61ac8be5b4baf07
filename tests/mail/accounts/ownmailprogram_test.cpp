// The user's own mail program through the real xdg-email: its MAILER setting
// names the program, here a script that writes down the mailto: address it gets.
#include "mail/accounts/ownmailprogram.h"
#include "support/test_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Opens the mail program and waits until xdg-email has ended; the problem it reports.
std::optional<QString> OpenAndWait(const QString& to, const QString& subject, const QString& card) {
    QObject context;
    std::optional<QString> problem;
    mail::OpenOwnMailProgram(to, subject, card, &context, [&](const QString& text) { problem = text; });
    QElapsedTimer clock;
    clock.start();
    while (!problem && clock.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return problem;
}

} // namespace

TEST(OwnMailProgram, OpensWithTheCardAttachedAndRecipientAndSubjectFilled) {
    if (QStandardPaths::findExecutable("xdg-email").isEmpty()) {
        GTEST_SKIP() << "xdg-email (xdg-utils) is not installed";
    }
    const QString dir = testsupport::scratchDir("ownmailprogram");
    const QString record = dir + "/mailto.txt";
    const QString mailer = dir + "/mailer.sh";
    QFile script(mailer);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        QString("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("MAILER", mailer.toUtf8());

    const QString card = dir + "/Pinewick card.jpg";
    QFile(card).open(QIODevice::WriteOnly); // xdg-email attaches only what exists
    // A typed address that looks like an option stays an address.
    EXPECT_EQ(OpenAndWait("--body=x ann@example.org", "Frohe Weihnachten & schöne Grüße", card), "");
    QFile written(record);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "the mail program was not started";
    const QUrl url(QString::fromUtf8(written.readAll()));
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "--body=x ann@example.org");
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "Frohe Weihnachten & schöne Grüße");
    EXPECT_EQ(query.queryItemValue("attach", QUrl::FullyDecoded), card);
    EXPECT_FALSE(query.hasQueryItem("body"));
}

// A mail program that cannot be opened says why: xdg-email missing from the
// path, or a real xdg-email (here a script in its place) ending with an error.
TEST(OwnMailProgram, AFailureToOpenItIsReported) {
    const QString dir = testsupport::scratchDir("ownmailprogram-failing");
    struct Case {
        const char* script; // the xdg-email on the path; nullptr: none
        QString problem;
    };
    const Case cases[] = {
        {nullptr, "xdg-email could not be started (it comes with the package xdg-utils)."},
        {"echo 'xdg-email: no method available for opening' >&2; exit 3",
         "no mail program is set up on this desktop."},
        {"exit 4", "xdg-email ended with the error status 4."},
        {"kill -KILL $$", "xdg-email stopped unexpectedly."},
        {"exit 0", ""},
    };
    const QByteArray path = qgetenv("PATH");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script ? c.script : "no xdg-email");
        const QString bin = dir + "/bin" + QString::number(&c - cases);
        ASSERT_TRUE(QDir().mkpath(bin));
        if (c.script) {
            QFile script(bin + "/xdg-email");
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\n") + c.script + "\n");
            script.close();
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        qputenv("PATH", bin.toUtf8());
        EXPECT_EQ(OpenAndWait("ann@example.org", "Hi", dir + "/card.jpg"), c.problem);
        qputenv("PATH", path);
    }
}
