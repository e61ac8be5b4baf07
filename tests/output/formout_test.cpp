// The output dialog on the generated data: the card sent through a real SMTP
// server found through the test home's msmtp configuration, the message boxes
// of each outcome, the sending state, and printing to a PDF file.
#include "cardmailcheck.h"
#include "controls/control0.h"
#include "mainwindow/formtree.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "output/formout.h"
#include "output/outboxwindow.h"
#include "output/sendlaterdialog.h"
#include "output/passworddialog.h"
#include "output/printcard.h"
#include "output/savecard.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "scriptedserver.h"
#include "securedaemon.h"
#include "smtpdaemon.h"
#include "support/accessible_controls.h"
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>

namespace {

using namespace mailtest;

// Notes the addresses the desktop is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

// Watches for the next message box from the moment it is made (a box can
// open inside the click that causes it), notes its icon and text and closes it.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() {
        poll_.setInterval(20);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                icon = box->icon();
                seen = true;
                poll_.stop();
                box->done(QMessageBox::Ok);
            }
        });
        poll_.start();
    }
    bool wait(int ms = 60000) {
        QElapsedTimer clock;
        clock.start();
        while (!seen && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return seen;
    }
    bool seen = false;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    QTimer poll_;
};

// Answers the modal windows that open one after another, each by the next
// handler, and notes the text of every message box among them.
class ModalSeries {
public:
    explicit ModalSeries(std::vector<std::function<void(QWidget*)>> handlers)
        : handlers_(std::move(handlers)) {
        poll_.setInterval(20);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            // Message boxes and the password dialog; not the output dialog itself.
            const bool answerable = qobject_cast<QMessageBox*>(modal) != nullptr ||
                                    qobject_cast<TPasswordDialog*>(modal) != nullptr;
            if (!answerable || modal->property("answered").toBool() || !modal->isVisible() ||
                next_ >= handlers_.size()) {
                return;
            }
            modal->setProperty("answered", true);
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts.push_back(box->text());
            } else {
                texts.push_back(modal->metaObject()->className());
            }
            handlers_[next_++](modal);
        });
        poll_.start();
    }
    // Waits until every handler has had its window, and until done() holds.
    bool wait(
        const std::function<bool()>& done = [] { return true; }, int ms = 60000) {
        QElapsedTimer clock;
        clock.start();
        while ((next_ < handlers_.size() || !done()) && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return next_ == handlers_.size() && done();
    }
    QStringList texts;

private:
    std::vector<std::function<void(QWidget*)>> handlers_;
    std::size_t next_ = 0;
    QTimer poll_;
};

std::function<void(QWidget*)> Answer(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        static_cast<QMessageBox*>(modal)->done(button);
    };
}

// A mail program for xdg-email (through $MAILER) that writes down the mailto:
// address it is given; returns the file it writes.
QString InstallRecordingMailer(const QString& dir) {
    const QString record = dir + "/mailto.txt";
    QFile script(dir + "/mailer.sh");
    script.open(QIODevice::WriteOnly);
    script.write(
        QString("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("MAILER", (dir + "/mailer.sh").toUtf8());
    return record;
}

bool WaitForFile(const QString& file, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(file) && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return QFile::exists(file);
}

quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

class FormOutTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = testsupport::makeScratchHome(QString("formout-") +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        qputenv("TMPDIR", (home.home + "tmp").toUtf8());
        QDir().mkpath(home.home + "tmp");
        // The outbox of the test's own, and the user's systemd timer left alone.
        qputenv("XDG_DATA_HOME", (home.home + "data").toUtf8());
        qputenv("PINEWICK_SYSTEMCTL", "/bin/true");
        Paths.HDPath = home.home;
        DirectXVersion = GetDXVersion();
        background = QImage(DataFile("Resource/Bk.bmp")).convertToFormat(QImage::Format_RGB32);
        tree =
            std::make_unique<TTree>("desc", layout::TreeControl.size(), background.copy(layout::TreeControl));
        tree->KeepFileUnchanged();
        tree->AnimateToys(0);
        tree->Render();
        form = std::make_unique<TFormOut>();
        form->Prepare(QImage(DataFile("Resource/Out.bmp")), QImage(DataFile("Resource/Setup.bmp")));
        form->SetCard(background, tree.get());
        places.Home = home.home;
        places.ConfigHome = home.settings;
        places.LoginName = "robin";
        places.RealName = "Robin Fir";
        places.HostName = "cabin";
        places.LocalPort = ClosedPort();
        form->AccountPlaces = [this] {
            return places;
        };
        form->BookPlaces = [this] {
            return places;
        };
        form->show();
    }
    void TearDown() override {
        qunsetenv("TMPDIR");
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("PINEWICK_SYSTEMCTL");
    }

    bool idle() const {
        return form->Send->isVisible() && form->Print->isVisible() && form->Cancel->isVisible() &&
               form->eMail->isEnabled() && !form->Sending() && QApplication::overrideCursor() == nullptr;
    }

    testsupport::ScratchHome home;
    QImage background;
    std::unique_ptr<TTree> tree;
    std::unique_ptr<TFormOut> form;
    mail::MailAccountPlaces places;
};

TEST_F(FormOutTest, OutlineCaptionAndButtons) {
    EXPECT_EQ(form->size(), QSize(386, 159));
    EXPECT_FALSE(form->mask().isEmpty());
    EXPECT_FALSE(form->mask().contains(QPoint(0, 0)));
    EXPECT_EQ(form->Send->geometry(), QRect(273, 40, 94, 25));
    EXPECT_EQ(form->Print->geometry(), QRect(273, 86, 94, 25));
    EXPECT_EQ(form->Cancel->geometry(), QRect(66, 86, 94, 25));
    EXPECT_EQ(form->SaveCard->geometry(), QRect(169, 86, 94, 25));
    EXPECT_EQ(form->eMail->geometry(), QRect(24, 39, 239, 25));
    // A look at the dialog as it shows, outline included, on request.
    if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
        form->eMail->setText("friend@example.net");
        QImage shot(form->size() + QSize(40, 40), QImage::Format_RGB32);
        shot.fill(QColor(90, 90, 90));
        QPainter painter(&shot);
        painter.setClipRegion(form->mask().translated(20, 20));
        painter.drawPixmap(20, 20, form->grab());
        painter.end();
        shot.save(qEnvironmentVariable("PINEWICK_SHOTS") + "/formout.png");
    }
}

TEST_F(FormOutTest, AScreenReaderFindsANameForEveryControlOfTheDialogAndThePasswordQuestion) {
    TPasswordDialog password("robin", "mail.example.net");
    password.show();
    for (QWidget* dialog : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&password)}) {
        const auto controls = testsupport::accessibleControls(dialog);
        EXPECT_GE(controls.size(), 3u);
        for (const auto& [object, name] : controls) {
            EXPECT_FALSE(name.isEmpty()) << object.toStdString();
        }
    }
}

// The files in a folder, hidden ones (temporary files) too.
QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST_F(FormOutTest, SaveCardWritesTheChosenFileAndCancelLeavesNone) {
    const QString folder = home.home + "cards/";
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Case {
        QString chosen;   // what the file dialog gives back ("" = cancelled)
        int cancelAt;     // the progress at which Cancel is clicked; 0: never
        QStringList left; // the files in the folder afterwards
    };
    for (const Case& c :
         {Case{"", 0, {}}, Case{"turn.gif", 5, {}}, Case{"turn.mp4", 40, {}},
          Case{"still.png", 0, {"still.png"}}, Case{"short.webp", 0, {"short.webp", "still.png"}}}) {
        SCOPED_TRACE(c.chosen.toStdString());
        form->ChooseCardFile = [&](QWidget* parent) {
            EXPECT_EQ(parent, form.get());
            return c.chosen.isEmpty() ? QString() : folder + c.chosen;
        };
        int shown = 0;
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* progress = form->findChild<QProgressDialog*>("CardProgress");
            if (!progress || !progress->isVisible()) {
                return;
            }
            shown = std::max(shown, progress->value());
            if (c.cancelAt > 0 && progress->value() >= c.cancelAt && !progress->wasCanceled()) {
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        poll.start();
        MessageBoxCatcher saved;
        QTest::mouseClick(form->SaveCard, Qt::LeftButton);
        poll.stop();
        EXPECT_EQ(FilesIn(folder), c.left);
        // A written card says where it went; nothing else says anything.
        const bool written = c.left.contains(c.chosen);
        EXPECT_EQ(saved.wait(written ? 60000 : 300), written);
        if (written) {
            EXPECT_EQ(saved.text, "Saved the card as " + folder + c.chosen + ".");
            EXPECT_EQ(saved.icon, QMessageBox::Information);
        }
        // Animations show their progress; a cancel stops them where they are.
        if (c.cancelAt > 0) {
            EXPECT_GE(shown, c.cancelAt);
            EXPECT_LT(shown, 100);
        }
        EXPECT_TRUE(idle());
    }
    const QImage still(folder + "still.png");
    EXPECT_EQ(still.convertToFormat(QImage::Format_RGB32), GreetingPicture(background, *tree));
}

TEST(SaveCard, StartsInThePicturesFolderMadeWhenMissingElseTheHomeFolder) {
    const QString home = testsupport::scratchDir("savecard-start");
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/config").toUtf8());
    struct Case {
        QString picturesDir; // the user-dirs entry; empty: none
        QString start;
    };
    for (const Case& c : {Case{"", home + "/Pictures"}, Case{"$HOME/Bilder", home + "/Bilder"},
                          Case{"/proc/pinewick-nowhere", home}}) {
        SCOPED_TRACE(c.picturesDir.toStdString());
        QDir(home + "/config").removeRecursively();
        if (!c.picturesDir.isEmpty()) {
            QDir().mkpath(home + "/config");
            QFile dirs(home + "/config/user-dirs.dirs");
            ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
            dirs.write(("XDG_PICTURES_DIR=\"" + c.picturesDir + "\"\n").toUtf8());
        }
        EXPECT_EQ(CardStartFolder(), c.start);
        EXPECT_TRUE(QFileInfo(c.start).isDir());
    }
    qputenv("HOME", oldHome);
    if (oldConfig.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
}

TEST_F(FormOutTest, SendDeliversTheCardAndSaysMailSended) {
    SmtpDaemon server(home.home + "maildir");
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    form->eMail->setText("friend@example.net");
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    // Sending: no Send or Print, no typing; only Cancel stays.
    EXPECT_TRUE(form->Sending());
    EXPECT_FALSE(form->Send->isVisible());
    EXPECT_TRUE(form->Cancel->isVisible());
    EXPECT_FALSE(form->eMail->isEnabled());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);

    ASSERT_TRUE(box.wait());
    EXPECT_EQ(box.text, "Mail sended");
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_TRUE(idle());
    const QJsonArray mails = ReadMails(home.home + "maildir");
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(CheckCardMail(mails[0].toObject(), "Robin Fir <robin@example.org>", "friend@example.net",
                            QString::fromStdString(tree->WelcomeText)),
              "");
    const QImage picture = CardPicture(mails[0].toObject()).convertToFormat(QImage::Format_RGB32);
    const QImage card = QImage(DataFile("Resource/Card.bmp")).convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(ChangedPixels(picture, card, layout::TreeControl), 15000);
    // The address stays for the next time; Escape now closes.
    EXPECT_EQ(form->eMail->text(), "friend@example.net");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

// The animated card is made under a progress dialog: Cancel there sends
// nothing; left to finish, the mail shows the GIF and attaches the still card.
TEST_F(FormOutTest, AnimatedCardCanBeCancelledWhileMadeAndElseGoesAsAGif) {
    SmtpDaemon server(home.home + "maildir");
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    form->eMail->setText("friend@example.net");
    form->Animated->setChecked(true);
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancelled" : "sent");
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* progress = form->findChild<QProgressDialog*>("CardProgress");
            if (cancel && progress && progress->isVisible() && progress->value() >= 5 &&
                !progress->wasCanceled()) {
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        poll.start();
        MessageBoxCatcher box;
        QTest::mouseClick(form->Send, Qt::LeftButton);
        poll.stop();
        if (cancel) {
            EXPECT_TRUE(idle());
            continue;
        }
        ASSERT_TRUE(box.wait());
        EXPECT_EQ(box.text, "Mail sended");
    }
    const QJsonArray mails = ReadMails(home.home + "maildir");
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0]["structure"].toVariant().toStringList().join(" "),
              "multipart/mixed multipart/alternative text/plain multipart/related text/html image/gif "
              "image/jpeg");
}

TEST_F(FormOutTest, InteractiveCardGoesAlongAsAWebPage) {
    SmtpDaemon server(home.home + "maildir");
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    form->eMail->setText("friend@example.net");
    form->Interactive->setChecked(true);
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    EXPECT_EQ(box.text, "Mail sended");
    const QJsonArray mails = ReadMails(home.home + "maildir");
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(
        mails[0]["structure"].toVariant().toStringList().join(" "),
        "multipart/mixed multipart/alternative text/plain multipart/related text/html image/jpeg text/html");
    const QJsonArray parts = mails[0]["parts"].toArray();
    const QJsonObject page = parts.last().toObject();
    EXPECT_EQ(page["filename"].toString(), "Pinewick.html");
    EXPECT_EQ(page["disposition"].toString(), "attachment");
    EXPECT_TRUE(page["text"].toString().contains("DecompressionStream"));
    const QString line = "Open the attached Pinewick.html in a web browser to turn the tree.";
    EXPECT_TRUE(parts[0].toObject()["text"].toString().contains(line));
    EXPECT_TRUE(parts[1].toObject()["text"].toString().contains(line));
}

TEST_F(FormOutTest, AnAddressNoCardCanGoToIsRefusedAtSendWithTheFieldMarked) {
    SmtpDaemon server(home.home + "maildir");
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    int searches = 0;
    form->AccountPlaces = [&] {
        ++searches;
        return places;
    };
    // The field's outline, just inside its edge.
    const auto outline = [this] {
        return form->eMail->grab().toImage().pixelColor(0, 12);
    };
    const QColor unmarked = outline();
    ASSERT_NE(unmarked, TFormOut::AddressMarkColor);
    struct Case {
        QString typed, reason;
    };
    for (const Case& c :
         {Case{"", "Type the address the card goes to."}, Case{" \t ", "Type the address the card goes to."},
          Case{"friend.example.net", "The card cannot go to this address: it has no @."},
          Case{"friend@", "The card cannot go to this address: its domain (after the @) is empty."}}) {
        SCOPED_TRACE(c.typed.toStdString());
        form->eMail->setText(c.typed);
        MessageBoxCatcher box;
        QTest::mouseClick(form->Send, Qt::LeftButton);
        ASSERT_TRUE(box.wait());
        EXPECT_EQ(box.text, c.reason);
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(outline(), TFormOut::AddressMarkColor);
        if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
            form->grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/marked.png");
        }
        EXPECT_EQ(form->eMail->accessibleDescription(), c.reason);
        EXPECT_EQ(searches, 0);
        EXPECT_TRUE(idle());
        // Typing takes the mark away.
        QTest::keyClick(form->eMail, Qt::Key_A);
        EXPECT_EQ(outline(), unmarked);
    }
    EXPECT_EQ(ReadMails(home.home + "maildir").size(), 0);
    // Spaces around a good address are no reason to refuse it.
    form->eMail->setText("  friend@example.net ");
    MessageBoxCatcher sent;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(sent.wait());
    EXPECT_EQ(sent.text, "Mail sended");
    EXPECT_EQ(searches, 1);
}

TEST_F(FormOutTest, RefusedConnectionShowsError12) {
    WriteMsmtpConfig(home.settings, ClosedPort());
    form->eMail->setText("friend@example.net");
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    // The card waits in the outbox and goes out as soon as it can.
    EXPECT_EQ(box.text, "Connection Refused\n\nNo connection — Pinewick will send it as soon as it can.");
    EXPECT_TRUE(idle());
    const std::vector<mail::OutboxCard> cards = mail::Outbox(home.home + "data/pinewick/outbox").Cards();
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Recipients[0].Address, "friend@example.net");
    EXPECT_EQ(cards[0].Recipients[0].Attempts, 1);
}

// A server that accepts the connection and never says a word: Escape, the
// Cancel button and closing the window each stop the send at once, close the
// connection and the dialog, and show nothing more; the program answers all along.
TEST_F(FormOutTest, SendToAServerThatNeverAnswersCanAlwaysBeStopped) {
    const std::vector<std::pair<const char*, std::function<void(TFormOut&)>>> ways = {
        {"Escape",
         [](TFormOut& f) {
             QTest::keyClick(&f, Qt::Key_Escape);
         }},
        {"Cancel",
         [](TFormOut& f) {
             QTest::mouseClick(f.Cancel, Qt::LeftButton);
         }},
        {"close",
         [](TFormOut& f) {
             f.close();
         }},
    };
    for (const auto& [name, stop] : ways) {
        SCOPED_TRACE(name);
        ScriptedSmtpServer server;
        bool hungUp = false;
        server.custom = [&hungUp](const std::string& command, QTcpSocket& client) {
            QObject::connect(&client, &QTcpSocket::disconnected, [&hungUp] { hungUp = true; });
            return command.empty(); // no greeting, ever
        };
        WriteMsmtpConfig(home.settings, server.port());
        form->show();
        form->eMail->setText("friend@example.net");
        QTest::mouseClick(form->Send, Qt::LeftButton);
        QElapsedTimer clock;
        clock.start();
        while (server.connections == 0 && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        ASSERT_EQ(server.connections, 1);
        ASSERT_TRUE(form->Sending());
        ASSERT_TRUE(form->Cancel->isVisible());

        // The event loop keeps turning: a timer fires on time while it waits.
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        MessageBoxCatcher none;
        stop(*form);
        clock.restart();
        while (!hungUp && clock.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        EXPECT_TRUE(hungUp);
        EXPECT_FALSE(none.wait(500));
        EXPECT_GE(ticks, 5);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->Sending());
        EXPECT_FALSE(form->SendMail.Busy());
        EXPECT_FALSE(form->SendMail.HasSocket());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// A refusal written as a web page is shown as the characters it is made of,
// never as formatting; an endless one is shortened.
TEST_F(FormOutTest, ServerTextIsShownAsPlainTextAndShortened) {
    const std::vector<std::pair<std::string, QString>> cases = {
        {"554 <h1 style='color:red'>ACCOUNT SUSPENDED</h1><a href='x'>pay</a><img src='/etc'>",
         "Unexpected response: 554 <h1 style='color:red'>ACCOUNT SUSPENDED</h1><a href='x'>pay</a><img "
         "src='/etc'>"},
        {"554 \x1b[2J cleared", "Unexpected response: 554 \\x1b[2J cleared"},
        {"554 " + std::string(4000, 'z'), "Unexpected response: 554 " + QString(575, 'z') + "\u2026"},
    };
    for (const auto& [reply, shown] : cases) {
        SCOPED_TRACE(reply.substr(0, 30));
        ScriptedSmtpServer server;
        server.greeting = reply + "\r\n";
        WriteMsmtpConfig(home.settings, server.port());
        form->eMail->setText("friend@example.net");
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        int width = 0;
        ModalSeries series({[&](QWidget* modal) {
            auto* box = static_cast<QMessageBox*>(modal);
            icon = box->icon();
            text = box->text();
            format = box->textFormat();
            width = box->width();
            box->done(QMessageBox::Ok);
        }});
        QTest::mouseClick(form->Send, Qt::LeftButton);
        ASSERT_TRUE(series.wait([&] { return idle(); }));
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(text.remove(QChar(0x200B)), shown); // break points in endless words
        EXPECT_LT(width, 640);
    }
}

TEST_F(FormOutTest, NoAccountShowsTheCompatibilityMessage) {
    form->eMail->setText("friend@example.net");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalSeries boxes({[&](QWidget* modal) {
                           icon = static_cast<QMessageBox*>(modal)->icon();
                           static_cast<QMessageBox*>(modal)->done(QMessageBox::Ok);
                       },
                       Answer(QMessageBox::No)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(boxes.wait());
    EXPECT_EQ(boxes.texts.value(0),
              "Sorry, but this software is compatible with:\n * Thunderbird\n * Evolution\n * msmtp\n"
              " * git send-email\n * a local mail server\n\nSet up your account in one of these, or save the "
              "card and attach it to a mail yourself.");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(idle());

    // Save card… beside OK goes on to saving the card, and asks nothing more.
    QString saved;
    form->ChooseCardFile = [&](QWidget*) {
        return saved = home.home + "card.png";
    };
    ModalSeries save({[](QWidget* modal) {
                          auto* button = modal->findChild<QPushButton*>("SaveCard");
                          ASSERT_NE(button, nullptr);
                          EXPECT_EQ(button->text(), "Save card…");
                          if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
                              modal->grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/noaccount.png");
                          }
                          QTest::mouseClick(button, Qt::LeftButton);
                      },
                      [](QWidget* modal) {
                          // "Open folder" hands the card's folder to the desktop.
                          auto* button = modal->findChild<QPushButton*>("OpenFolder");
                          ASSERT_NE(button, nullptr);
                          if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
                              modal->grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/saved.png");
                          }
                          QTest::mouseClick(button, Qt::LeftButton);
                      }});
    // What the desktop is asked to open.
    UrlRecorder opened;
    QDesktopServices::setUrlHandler("file", &opened, "open");
    QTest::mouseClick(form->Send, Qt::LeftButton);
    const bool answered = save.wait();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_TRUE(answered);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QDir(home.home).absolutePath())});
    EXPECT_EQ(saved, home.home + "card.png");
    EXPECT_EQ(QImage(saved).size(), QSize(640, 422));
    EXPECT_TRUE(save.texts.value(1).startsWith("Saved")) << save.texts.value(1).toStdString();
    MessageBoxCatcher none;
    EXPECT_FALSE(none.wait(500));
    EXPECT_TRUE(idle());
}

TEST_F(FormOutTest, NoAccountOffersTheOwnMailProgramWithTheCardAttached) {
    if (QStandardPaths::findExecutable("xdg-email").isEmpty()) {
        GTEST_SKIP() << "xdg-email (xdg-utils) is not installed";
    }
    const QString record = InstallRecordingMailer(home.home);
    form->eMail->setText("friend@example.net");
    // No: nothing opens.
    ModalSeries declined({Answer(QMessageBox::Ok), Answer(QMessageBox::No)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(declined.wait());
    EXPECT_TRUE(declined.texts[0].startsWith("Sorry, but this software is compatible with:"));
    EXPECT_EQ(declined.texts[1], "Open your own mail program to send the card?");
    EXPECT_FALSE(WaitForFile(record, 1500));
    EXPECT_TRUE(idle());

    // Yes: the mail program gets the address, the greeting and the card.
    ModalSeries accepted({Answer(QMessageBox::Ok), Answer(QMessageBox::Yes)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(accepted.wait());
    ASSERT_TRUE(WaitForFile(record, 20000)) << "the mail program was not started";
    QFile written(record);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QUrl url(QString::fromUtf8(written.readAll()));
    EXPECT_EQ(url.path(), "friend@example.net");
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), QString::fromStdString(tree->WelcomeText));
    EXPECT_EQ(query.queryItemValue("attach", QUrl::FullyDecoded), home.home + "tmp/Pinewick.jpg");
    EXPECT_TRUE(QImage(home.home + "tmp/Pinewick.jpg").width() > 0);
    qunsetenv("MAILER");
}

TEST_F(FormOutTest, AnOwnMailProgramThatCannotBeOpenedSaysSoWithTheCardsFile) {
    // An xdg-email that finds no mail program, first on the path.
    const QString bin = home.home + "bin";
    ASSERT_TRUE(QDir().mkpath(bin));
    QFile script(bin + "/xdg-email");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho 'xdg-email: no method available for opening' >&2\nexit 3\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ":" + path);
    form->eMail->setText("friend@example.net");
    ModalSeries boxes({Answer(QMessageBox::Ok), Answer(QMessageBox::Yes), Answer(QMessageBox::Ok)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    const bool shown = boxes.wait();
    qputenv("PATH", path);
    ASSERT_TRUE(shown) << boxes.texts.join(" | ").toStdString();
    EXPECT_EQ(boxes.texts[2], "Your mail program could not be opened: no mail program is set up on this "
                              "desktop.\n\nThe card is saved as " +
                                  home.home + "tmp/Pinewick.jpg; you can attach it to a mail yourself.");
    EXPECT_EQ(QImage(home.home + "tmp/Pinewick.jpg").size(), QSize(640, 422));
    EXPECT_TRUE(idle());
}

// An account that logs in over STARTTLS and keeps no password.
class FormOutLogin : public FormOutTest {
protected:
    void SetUp() override {
        FormOutTest::SetUp();
        QDir().mkpath(home.home + "secure");
        server = std::make_unique<SecureSmtpDaemons>(home.home + "secure", "joe.smith", "Tannen-Baum 7!");
        ASSERT_TRUE(server->running()) << server->log().toStdString();
        QDir().mkpath(home.settings + "/msmtp");
        QFile config(home.settings + "/msmtp/config");
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QString("account card\nhost localhost\nport %1\nfrom robin@example.org\ntls on\n"
                             "tls_trust_file %2\nauth on\nuser joe.smith\naccount default : card\n")
                         .arg(server->startTlsPort())
                         .arg(server->certificate())
                         .toUtf8());
        config.close();
        form->LookUpPassword = [this](const mail::SmtpSecurity& security, const std::string& server) {
            lookedUp = QString::fromStdString(security.User + "@" + server);
            mail::PasswordResult none;
            none.Problem = "nothing stored";
            return none;
        };
        form->eMail->setText("friend@example.net");
    }
    void TearDown() override {
        FormOutTest::TearDown();
        form.reset();
        server.reset();
    }

    // Types the password into the password dialog and presses Ok.
    static std::function<void(QWidget*)> TypePassword(const QString& password) {
        return [password](QWidget* modal) {
            auto* dialog = qobject_cast<TPasswordDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(dialog->ePassword, password);
            QTest::mouseClick(dialog->Ok, Qt::LeftButton);
        };
    }

    // Sends with the password typed and Remember checked, answers the boxes
    // that follow, and gives what was kept (after the worker has ended).
    std::vector<std::string> SendRemembering(const QString& password,
                                             std::vector<std::function<void(QWidget*)>> boxes) {
        auto lock = std::make_shared<std::mutex>();
        auto kept = std::make_shared<std::vector<std::string>>();
        form->StorePassword = [lock, kept](const std::string& host, const std::string& user,
                                           const std::string& typed, std::string*) {
            std::lock_guard<std::mutex> guard(*lock);
            kept->push_back(user + "@" + host + ":" + typed);
            return true;
        };
        std::vector<std::function<void(QWidget*)>> steps{[password](QWidget* modal) {
            auto* dialog = qobject_cast<TPasswordDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(dialog->ePassword, password);
            dialog->cRemember->setChecked(true);
            QTest::mouseClick(dialog->Ok, Qt::LeftButton);
        }};
        steps.insert(steps.end(), boxes.begin(), boxes.end());
        ModalSeries series(steps);
        QTest::mouseClick(form->Send, Qt::LeftButton);
        EXPECT_TRUE(series.wait([this] { return idle(); }));
        form.reset(); // joins the worker that keeps the password
        std::lock_guard<std::mutex> guard(*lock);
        return *kept;
    }

    std::unique_ptr<SecureSmtpDaemons> server;
    QString lookedUp;
};

TEST_F(FormOutLogin, AsksForThePasswordWhenNoneIsStoredAndSends) {
    ModalSeries series({TypePassword("Tannen-Baum 7!"), Answer(QMessageBox::Ok)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(series.wait());
    EXPECT_EQ(lookedUp, "joe.smith@localhost");
    EXPECT_EQ(series.texts, QStringList({"TPasswordDialog", "Mail sended"}));
    EXPECT_EQ(server->mailCount(), 1);
    EXPECT_TRUE(idle());
}

TEST_F(FormOutLogin, AStoredPasswordIsUsedWithoutAsking) {
    form->LookUpPassword = [](const mail::SmtpSecurity&, const std::string&) {
        mail::PasswordResult found;
        found.Password = "Tannen-Baum 7!";
        found.Origin = mail::PasswordOrigin::Keyring;
        return found;
    };
    ModalSeries series({Answer(QMessageBox::Ok)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(series.wait());
    EXPECT_EQ(series.texts, QStringList({"Mail sended"}));
    EXPECT_EQ(server->mailCount(), 1);
}

TEST_F(FormOutLogin, CancelledPasswordSendsNothing) {
    ModalSeries series({[](QWidget* modal) {
        QTest::mouseClick(static_cast<TPasswordDialog*>(modal)->Cancel, Qt::LeftButton);
    }});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(series.wait([this] { return idle(); }));
    MessageBoxCatcher none;
    EXPECT_FALSE(none.wait(500));
    EXPECT_EQ(server->mailCount(), 0);
    EXPECT_FALSE(server->log().contains("AUTH"));
}

TEST_F(FormOutLogin, RefusedLoginShowsError20ThenTheOffer) {
    ModalSeries series({TypePassword("Fichte-Zweig"), Answer(QMessageBox::Ok), Answer(QMessageBox::No)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(series.wait([this] { return idle(); }));
    ASSERT_EQ(series.texts.size(), 3);
    EXPECT_TRUE(series.texts[1].startsWith("Login failed")) << series.texts[1].toStdString();
    EXPECT_FALSE(series.texts[1].contains("Fichte-Zweig"));
    EXPECT_EQ(series.texts[2], "Open your own mail program to send the card?");
    EXPECT_EQ(server->mailCount(), 0);
}

// A password typed with Remember checked is kept only once the server has
// accepted it, not when no connection was made.
TEST_F(FormOutLogin, RememberedPasswordIsKeptOnlyAfterTheServerAcceptedIt) {
    EXPECT_EQ(SendRemembering("Tannen-Baum 7!", {Answer(QMessageBox::Ok)}),
              std::vector<std::string>{"joe.smith@localhost:Tannen-Baum 7!"});
}

TEST_F(FormOutLogin, RememberedPasswordIsNotKeptWhenNoConnectionWasMade) {
    server.reset(); // the account's port is closed now
    EXPECT_EQ(SendRemembering("Tannen-Baum 7!", {Answer(QMessageBox::Ok)}), std::vector<std::string>{});
}

TEST(PasswordDialog, OkGivesThePasswordCancelAndEscapeGiveNothing) {
    TPasswordDialog dialog("joe.smith", "smtp.example.org");
    // Shaped: the corners are outside the window.
    EXPECT_FALSE(dialog.mask().isEmpty());
    EXPECT_FALSE(dialog.mask().contains(QPoint(0, 0)));
    EXPECT_EQ(dialog.ePassword->echoMode(), QLineEdit::Password);
    dialog.show();
    QTest::keyClicks(dialog.ePassword, "Tannen-Baum 7!");
    // A look at the dialog as it shows, outline included, on request.
    if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
        QImage shot(dialog.size() + QSize(40, 40), QImage::Format_RGB32);
        shot.fill(QColor(90, 90, 90));
        QPainter painter(&shot);
        painter.setClipRegion(dialog.mask().translated(20, 20));
        painter.drawPixmap(20, 20, dialog.grab());
        painter.end();
        shot.save(qEnvironmentVariable("PINEWICK_SHOTS") + "/passworddialog.png");
    }
    dialog.cRemember->setChecked(true);
    QTest::mouseClick(dialog.Ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Password(), "Tannen-Baum 7!");
    EXPECT_TRUE(dialog.Remember());
    // Enter in the field is Ok as well.
    dialog.show();
    QTest::keyClick(dialog.ePassword, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.show();
    QTest::mouseClick(dialog.Cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    dialog.setResult(QDialog::Accepted);
    QTest::keyClick(dialog.ePassword, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FormOutTest, PrintDrawsTheCardOnThePageAndCancelPrintsNothing) {
    const QString pdf = home.home + "print.pdf";
    form->ChoosePrinter = [](QPrinter&) {
        return false;
    };
    QTest::mouseClick(form->Print, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));

    struct Case {
        QPageSize::PageSizeId paper;
        bool fullPage; // as the print dialog left it
        bool portrait; // the user turned the page
    };
    for (const Case c : {Case{QPageSize::A4, false, false}, Case{QPageSize::Letter, true, false},
                         Case{QPageSize::A4, false, true}}) {
        QFile::remove(pdf);
        form->ChoosePrinter = [&](QPrinter& printer) {
            // Proposed: landscape, as the card is.
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
            if (c.portrait) {
                printer.setPageOrientation(QPageLayout::Portrait);
            }
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(300);
            printer.setPageSize(QPageSize(c.paper));
            printer.setFullPage(c.fullPage);
            return true;
        };
        QTest::mouseClick(form->Print, Qt::LeftButton);
        ASSERT_TRUE(QFile::exists(pdf));
        EXPECT_TRUE(idle());
        QProcess render;
        // Read back at 100 dpi: a third of the printer's resolution is plenty to place the card.
        render.start("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, home.home + "page"});
        ASSERT_TRUE(render.waitForFinished(120000));
        const QImage page = QImage(home.home + "page.png").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(page.width() > page.height(), !c.portrait);
        if (qEnvironmentVariableIsSet("PINEWICK_SHOTS") && !c.portrait) {
            page.save(qEnvironmentVariable("PINEWICK_SHOTS") + "/print-" + QString::number(c.paper) + ".png");
        }
        // Everything printed lies in the card's rectangle, 10 mm from the
        // paper's left and top edges and as wide as the paper inside them.
        const output::TPrintLayout layout = output::TPrintLayout::ForPage(page.width(), 100, 100);
        const QRect want = layout.Map({0, 0, 640, 422});
        ASSERT_EQ(want.topLeft(), QPoint(39, 39));
        int left = page.width(), top = page.height(), right = -1, bottom = -1;
        for (int y = 0; y < page.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
            for (int x = 0; x < page.width(); ++x) {
                if (std::min({qRed(row[x]), qGreen(row[x]), qBlue(row[x])}) < 200) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_NEAR(left, want.left(), 2) << c.paper;
        EXPECT_NEAR(top, want.top(), 2) << c.paper;
        EXPECT_NEAR(right, want.right(), 2) << c.paper;
        EXPECT_NEAR(bottom, want.bottom(), 2) << c.paper;
    }
}

// The output dialog wired to the real main window as the program wires it.
class OutputOnTheMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        home = testsupport::makeScratchHome("formout-main");
        Paths.HDPath = home.home;
        DirectXVersion = GetDXVersion();
        clock = std::make_unique<TTimeThread>(10);
        TimeThread = clock.get();
        form = std::make_unique<TFormTree>();
        FormTree = form.get();
        formOut = std::make_unique<TFormOut>();
        formOut->Attach(*form);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->FormActivate();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        formOut.reset();
        form.reset();
        FormTree = nullptr;
        TimeThread = nullptr;
        clock.reset();
    }

    testsupport::ScratchHome home;
    std::unique_ptr<TTimeThread> clock;
    std::unique_ptr<TFormTree> form;
    std::unique_ptr<TFormOut> formOut;
};

TEST_F(OutputOnTheMainWindow, OpensCentredAndEscapeCloses) {
    bool shown = false;
    QPoint at;
    QTimer::singleShot(200, [&] {
        shown = formOut->isVisible();
        at = formOut->pos();
        QTest::keyClick(formOut.get(), Qt::Key_Escape);
    });
    form->hooks().Output();
    EXPECT_TRUE(shown);
    EXPECT_EQ(at, form->pos() + QPoint((640 - 386) / 2, (480 - 159) / 2));
    EXPECT_FALSE(formOut->isVisible());
    EXPECT_FALSE(formOut->mask().isEmpty());
}

TEST_F(OutputOnTheMainWindow, CtrlSSavesTheCard) {
    QWidget* asked = nullptr;
    formOut->ChooseCardFile = [&](QWidget* parent) {
        asked = parent;
        return home.home + "card.jpg";
    };
    MessageBoxCatcher saved;
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(saved.wait());
    EXPECT_EQ(asked, form.get());
    EXPECT_EQ(QImage(home.home + "card.jpg").size(), QSize(640, 422));
    EXPECT_FALSE(formOut->isVisible());
}

TEST_F(OutputOnTheMainWindow, CtrlCCopiesTheCard) {
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), QSize(640, 422));
    const QImage card = GreetingPicture(form->BackgroundPicture(), *form->tree());
    EXPECT_EQ(ChangedPixels(copied, card, QRect(0, 0, 640, 422)), 0);
    // Typing the letter alone still goes to nothing but the greeting.
    EXPECT_NE(QString::fromStdString(form->tree()->WelcomeText), "");
}

} // namespace

// The dialog's recipients: a card each, the note made out to each, a summary
// that names the refused one, and "Send again" to it alone.
TEST_F(FormOutTest, SeveralRecipientsGetTheirOwnCardAndSendAgainCoversOnlyTheRefused) {
    ScriptedSmtpServer server;
    bool refused = false;
    server.custom = [&refused](const std::string& command, QTcpSocket& client) {
        if (command == "RCPT TO:<tom@x.org>" && !refused) {
            refused = true;
            client.write("550 5.1.1 mailbox unavailable\r\n");
            return true;
        }
        return false;
    };
    WriteMsmtpConfig(home.settings, server.port());
    const QString remembered = home.home + "remembered.conf";
    form->Settings = [remembered] {
        return std::make_unique<QSettings>(remembered, QSettings::IniFormat);
    };
    form->eMail->setText("Oma <oma@x.org>, Tom <tom@x.org>; kim@x.org");
    form->Note = "Dear {name},\nmerry Christmas.";
    QString summary;
    ModalSeries series({[&](QWidget* modal) {
                            auto* box = static_cast<QMessageBox*>(modal);
                            summary = box->text();
                            for (QAbstractButton* button : box->buttons()) {
                                if (button->text() == "Send again") {
                                    button->click();
                                }
                            }
                        },
                        Answer(QMessageBox::Ok)});
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(series.wait([&] { return idle(); }));
    EXPECT_EQ(summary, "The card went to 2 of 3 recipients.\n\nSent to:\n  Oma <oma@x.org>\n  kim@x.org\n\n"
                       "Not sent to:\n  Tom <tom@x.org>: 550 5.1.1 mailbox unavailable");
    EXPECT_EQ(series.texts.value(1), "Mail sended") << series.texts.join("|").toStdString();
    EXPECT_EQ(form->eMail->text(), "Tom <tom@x.org>");
    // Three cards in all, the refused one's the last; over one connection each time.
    EXPECT_EQ(std::count(server.commands.begin(), server.commands.end(), "DATA"), 3);
    EXPECT_EQ(std::count(server.commands.begin(), server.commands.end(), "RCPT TO:<tom@x.org>"), 2);
    EXPECT_EQ(server.connections, 2);
    // The note in the text part, quoted-printable, made out to each.
    for (const char* line : {"\r\nTo: Oma <oma@x.org>\r\n", "\r\nDear=20Oma,\r\n", "\r\nTo: kim@x.org\r\n",
                             "\r\nDear,\r\n", "\r\nTo: Tom <tom@x.org>\r\n", "\r\nDear=20Tom,\r\n"}) {
        EXPECT_NE(server.data.find(line), std::string::npos) << line;
    }
    // The list and the note come back for this card, and go with a new greeting.
    for (const bool newCard : {false, true}) {
        SCOPED_TRACE(newCard ? "new card" : "same card");
        if (newCard) {
            tree->WelcomeText = "Happy New Year";
        }
        TFormOut reopened;
        reopened.SetCard(background, tree.get());
        reopened.Settings = form->Settings;
        reopened.RestoreRemembered();
        EXPECT_EQ(reopened.eMail->text(), newCard ? "" : "Tom <tom@x.org>");
        EXPECT_EQ(reopened.Note, newCard ? "" : "Dear {name},\nmerry Christmas.");
    }
    EXPECT_FALSE(QSettings(remembered, QSettings::IniFormat).contains("Card/Recipients"));
}

// Typing offers the address books' people for the recipient being typed;
// the keyboard picks one, which takes that recipient's place.
TEST_F(FormOutTest, CompletionOffersTheBooksForTheRecipientBeingTyped) {
    places.DataHome = home.home + "data";
    QDir().mkpath(places.DataHome + "/contacts");
    QFile vcf(places.DataHome + "/contacts/people.vcf");
    ASSERT_TRUE(vcf.open(QIODevice::WriteOnly));
    vcf.write("BEGIN:VCARD\r\nFN:Zo\xC3\xAB Wei\xC3\x9F\r\nEMAIL:zoe@example.org\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nFN:Paul Kiefer\r\nEMAIL:paul@example.com\r\nEND:VCARD\r\n");
    vcf.close();
    form->activateWindow();
    form->eMail->setFocus();
    form->eMail->setText("kim@x.org, ");
    form->eMail->end(false);
    QTest::keyClicks(form->eMail, "wei");
    QAbstractItemView* list = form->Completer->popup();
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QString::fromUtf8("Zoë Weiß <zoe@example.org>"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(form->eMail->text(), QString::fromUtf8("kim@x.org, Zoë Weiß <zoe@example.org>, "));
    // Escape closes the list, not the dialog.
    QTest::keyClicks(form->eMail, "pa");
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(form->isVisible());
}

// A name that could mean several people: the dialog asks which, offering
// them in the completion list, and sends nothing meanwhile.
TEST_F(FormOutTest, AnAmbiguousNameIsAskedAboutWithItsMatchesOffered) {
    places.DataHome = home.home + "data";
    QDir().mkpath(places.DataHome + "/contacts");
    QFile vcf(places.DataHome + "/contacts/omas.vcf");
    ASSERT_TRUE(vcf.open(QIODevice::WriteOnly));
    vcf.write("BEGIN:VCARD\r\nFN:Oma Ilse\r\nEMAIL:ilse@example.org\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nFN:Oma Grete\r\nEMAIL:grete@example.org\r\nEND:VCARD\r\n");
    vcf.close();
    int searches = 0;
    form->AccountPlaces = [&] {
        ++searches;
        return places;
    };
    form->eMail->setText("kim@x.org, Oma");
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    EXPECT_TRUE(box.text.startsWith("\"Oma\" could be any of these. Choose one from the list:\n"))
        << box.text.toStdString();
    QAbstractItemView* list = form->Completer->popup();
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(searches, 0);
    EXPECT_TRUE(idle());
}

#include "formout_test.moc"

TEST_F(FormOutTest, SendOnPutsTheComposedCardInTheOutboxForItsTime) {
    WriteMsmtpConfig(home.settings, ClosedPort());
    form->eMail->setText("friend@example.net, Oma <oma@example.net>");
    const QDateTime now = QDateTime::currentDateTime();
    QDateTime chosen = now.addSecs(50);
    form->AskSendTime = [&](QWidget*) {
        return chosen;
    };
    MessageBoxCatcher tooSoon;
    QTest::mouseClick(form->SendLater, Qt::LeftButton);
    ASSERT_TRUE(tooSoon.wait());
    EXPECT_EQ(tooSoon.text, "The time to send the card must be at least a minute from now.");
    mail::Outbox outbox(home.home + "data/pinewick/outbox");
    EXPECT_TRUE(outbox.Cards().empty());

    chosen = QDateTime(now.date().addDays(3), QTime(8, 0));
    MessageBoxCatcher box;
    QTest::mouseClick(form->SendLater, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    EXPECT_TRUE(box.text.startsWith("The card goes out on ")) << box.text.toStdString();
    EXPECT_TRUE(idle());
    const std::vector<mail::OutboxCard> cards = outbox.Cards();
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Due, chosen.toUTC());
    ASSERT_EQ(cards[0].Recipients.size(), 2u);
    EXPECT_EQ(cards[0].Recipients[1].Address, "oma@example.net");
    EXPECT_EQ(cards[0].Subject, tree->WelcomeText);

    // The outbox's window: the scheduled card, one waiting for its next try and a sent one.
    QString error;
    outbox.AddForRetry({{"late@example.net", "Late", "Subject: x\r\n\r\nx\r\n"}}, "card",
                       "Connection Refused", QDateTime::currentDateTimeUtc(), &error);
    const QString sentId =
        outbox.Add({{"got@example.net", "Got", "x"}}, QDateTime::currentDateTimeUtc(), "card", &error);
    mail::OutboxCard sent = *outbox.Card(sentId);
    sent.Recipients[0].State = mail::RecipientState::Sent;
    sent.Recipients[0].SentAt = QDateTime::currentDateTimeUtc();
    ASSERT_TRUE(outbox.Save(sent, &error));
    TOutboxWindow window(outbox.Folder(), form.get());
    window.show();
    ASSERT_EQ(window.lCards->topLevelItemCount(), 3);
    QStringList states;
    for (int row = 0; row < 3; ++row) {
        states << window.lCards->topLevelItem(row)->text(0) + ": " +
                      window.lCards->topLevelItem(row)->text(2);
    }
    EXPECT_TRUE(states.contains("friend@example.net, Oma: Scheduled")) << states.join(" | ").toStdString();
    EXPECT_TRUE(states.contains("Got: Sent to all 1")) << states.join(" | ").toStdString();
    EXPECT_EQ(states.filter(QRegularExpression("^Late: Waiting: tried again at .* \\(Connection Refused\\)$"))
                  .size(),
              1)
        << states.join(" | ").toStdString();
    window.lCards->topLevelItem(states.indexOf("Got: Sent to all 1"))->setSelected(true);
    EXPECT_FALSE(window.SendNow->isEnabled());
    EXPECT_TRUE(window.Delete->isEnabled());
    if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
        window.grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/outbox.png");
        form->grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/formout-sendon.png");
        TSendLaterDialog when(chosen, form.get());
        when.show();
        when.grab().save(qEnvironmentVariable("PINEWICK_SHOTS") + "/sendon.png");
    }
    QTest::mouseClick(window.Delete, Qt::LeftButton);
    EXPECT_EQ(window.lCards->topLevelItemCount(), 2);
    EXPECT_EQ(outbox.Cards().size(), 2u);
}
