// The user's own mail program through the real xdg-email: its MAILER setting
// names the program, here a script that writes down the mailto: address it gets.
#include "mail/accounts/ownmailprogram.h"
#include "support/test_paths.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

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
    ASSERT_TRUE(
        mail::OpenOwnMailProgram("--body=x ann@example.org", "Frohe Weihnachten & schöne Grüße", card));
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(record) && clock.elapsed() < 20000) {
        QThread::msleep(50);
    }
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
