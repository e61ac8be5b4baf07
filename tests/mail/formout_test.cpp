// The output dialog on the generated data: the card sent through a real SMTP
// server found through the test home's msmtp configuration, the message boxes
// of each outcome, the sending state, and printing to a PDF file.
#include "cardmailcheck.h"
#include "controls/control0.h"
#include "mail/formout.h"
#include "mail/printcard.h"
#include "mainwindow/formtree.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "mainwindow/timethread.h"
#include "platform/paths.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "smtpdaemon.h"
#include "support/scratch_home.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace mailtest;

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
        form->show();
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

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
    EXPECT_EQ(form->size(), QSize(386, 137));
    EXPECT_FALSE(form->mask().isEmpty());
    EXPECT_FALSE(form->mask().contains(QPoint(0, 0)));
    EXPECT_EQ(form->Send->geometry(), QRect(273, 40, 94, 25));
    EXPECT_EQ(form->Print->geometry(), QRect(273, 86, 94, 25));
    EXPECT_EQ(form->Cancel->geometry(), QRect(66, 86, 94, 25));
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

TEST_F(FormOutTest, SendDeliversTheCardAndSaysMailSended) {
    SmtpDaemon server(home.home + "maildir");
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    form->eMail->setText("friend@example.net");
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    // Sending: no buttons, no typing, no closing, not even by Escape.
    EXPECT_TRUE(form->Sending());
    EXPECT_FALSE(form->Send->isVisible());
    EXPECT_FALSE(form->Cancel->isVisible());
    EXPECT_FALSE(form->eMail->isEnabled());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    form->close();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());

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
    EXPECT_GT(ChangedPixels(picture, card, layout::TreeControl), 20000);
    // The address stays for the next time; Escape now closes.
    EXPECT_EQ(form->eMail->text(), "friend@example.net");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormOutTest, EmptyAddressShowsError18AndTheDialogIsUsableAgain) {
    SmtpDaemon server(home.home + "maildir");
    ASSERT_TRUE(server.running());
    WriteMsmtpConfig(home.settings, server.port());
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    EXPECT_EQ(box.text, "Mail Destination Error");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    // The end of the failed request shows nothing more.
    MessageBoxCatcher none;
    EXPECT_FALSE(none.wait(500));
    EXPECT_TRUE(idle());
    EXPECT_EQ(ReadMails(home.home + "maildir").size(), 0);
}

TEST_F(FormOutTest, RefusedConnectionShowsError12) {
    WriteMsmtpConfig(home.settings, ClosedPort());
    form->eMail->setText("friend@example.net");
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    EXPECT_EQ(box.text, "Connection Refused");
    EXPECT_TRUE(idle());
}

TEST_F(FormOutTest, NoAccountShowsTheCompatibilityMessage) {
    form->eMail->setText("friend@example.net");
    MessageBoxCatcher box;
    QTest::mouseClick(form->Send, Qt::LeftButton);
    ASSERT_TRUE(box.wait());
    EXPECT_EQ(box.text,
              "Sorry, but this software is compatible with:\n * Thunderbird\n * Evolution\n * msmtp\n"
              " * git send-email\n * a local mail server");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_TRUE(idle());
}

TEST_F(FormOutTest, PrintDrawsTheCardOnThePageAndCancelPrintsNothing) {
    const QString pdf = home.home + "print.pdf";
    form->ChoosePrinter = [](QPrinter&) {
        return false;
    };
    QTest::mouseClick(form->Print, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));

    int pageWidth = 0;
    form->ChoosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(300);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        pageWidth = printer.width();
        return true;
    };
    QTest::mouseClick(form->Print, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(idle());
    QProcess render;
    render.start("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, home.home + "page"});
    ASSERT_TRUE(render.waitForFinished(60000));
    const QImage page = QImage(home.home + "page.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    // Everything printed lies in the card's rectangle of the page.
    const mail::TPrintLayout layout = mail::TPrintLayout::ForPage(pageWidth, 300, 300);
    const QRect want = layout.Map({0, 0, 640, 422});
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (std::min({qRed(p), qGreen(p), qBlue(p)}) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_NEAR(left, want.left(), 3);
    EXPECT_NEAR(top, want.top(), 3);
    EXPECT_NEAR(right, want.right(), 3);
    EXPECT_NEAR(bottom, want.bottom(), 3);
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
    EXPECT_EQ(at, form->pos() + QPoint((640 - 386) / 2, (480 - 137) / 2));
    EXPECT_FALSE(formOut->isVisible());
    EXPECT_FALSE(formOut->mask().isEmpty());
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
