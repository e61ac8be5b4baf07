// Pinewick's start and the outbox: the cards that went out while it was
// closed are told once, with their number.
#include "app/outboxstart.h"
#include "mail/outbox/outbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

TEST(OutboxStart, TellsOnceHowManyCardsWentOutWhileClosed) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    mail::Outbox outbox(mail::Outbox::DefaultFolder());
    ASSERT_EQ(outbox.Folder(), data.path() + "/pinewick/outbox");
    outbox.NoteSentWhileClosed(1);
    outbox.NoteSentWhileClosed(1);

    QWidget window;
    window.show();
    QStringList notes;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            notes << box->text();
            if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
                box->grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/startnote.png");
            }
            box->accept();
        }
    });
    poll.start(20);
    StartOutbox(window);
    StartOutbox(window);
    qunsetenv("XDG_DATA_HOME");
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0], "2 cards went out while Pinewick was closed.");
}
