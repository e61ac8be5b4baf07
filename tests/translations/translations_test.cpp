// The program in other languages: under a pseudo-translation (every text
// accented, in brackets and 40 % longer) no window, dialog or balloon keeps
// an English text; under each of the six translations every text fits the
// control that shows it. German and Russian screenshots go to
// build/screenshots for people to look at.
#include "app/startupchecks.h"
#include "controls/control0.h"
#include "controls/fontfaces.h"
#include "controls/fontslistbox.h"
#include "dialogs/dialogs.h"
#include "dialogs/formabout.h"
#include "dialogs/formsetup.h"
#include "dialogs/formwelcome.h"
#include "help/help.h"
#include "help/helpitem.h"
#include "mail/accounts/mailaccount.h"
#include "mail/mailtypes.h"
#include "mainwindow/window_fixture.h"
#include "output/cardmail.h"
#include "output/formout.h"
#include "output/passworddialog.h"
#include "platform/translations.h"
#include "support/test_paths.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Data shown as it is in every language: the program's name, addresses.
bool isData(const QString& text) {
    return text == QCoreApplication::applicationName() || text == "Pinewick" || text.startsWith("https://") ||
           text.startsWith("mailto:");
}

// A text a control shows, with its width and the room the control gives it
// (both -1 when the control wraps or scrolls it).
struct Shown {
    QString where;
    QString text;
    int width = -1;
    int room = -1;
};

void addText(std::vector<Shown>& texts, const QWidget* w, const QString& text, int width = -1,
             int room = -1) {
    if (!text.isEmpty()) {
        texts.push_back({w->objectName() + " of " + w->window()->objectName(), text, width, room});
    }
}

// Every text of a window and its controls: captions, button and label texts,
// hints and what a screen reader says.
std::vector<Shown> shownTexts(QWidget* window) {
    std::vector<Shown> texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* w : widgets) {
        addText(texts, w, w->toolTip());
        addText(texts, w, w->accessibleName());
        addText(texts, w, w->accessibleDescription());
        if (const auto* control = qobject_cast<const TControl0*>(w)) {
            // A link panel keeps its address as its caption and shows the picture.
            const bool drawn = !isData(control->Caption());
            addText(texts, w, control->Caption(),
                    drawn ? QFontMetrics(control->font()).horizontalAdvance(control->Caption()) : -1,
                    control->width());
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            addText(texts, w, box->text(), box->sizeHint().width(), box->width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            // The text and the frame's few pixels on each side.
            addText(texts, w, button->text(), button->fontMetrics().horizontalAdvance(button->text()) + 8,
                    button->width());
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            addText(texts, w, label->text(), label->wordWrap() ? -1 : label->sizeHint().width(),
                    label->width());
        }
    }
    return texts;
}

// The help balloons' lines, measured with the balloon's font against the
// balloon's picture.
std::vector<Shown> balloonTexts(const THelp& help) {
    std::vector<Shown> texts;
    for (const auto& item : help.Items()) {
        const THelpItemLine& line = item->Line();
        QFont font = QGuiApplication::font();
        font.setPointSize((font.pointSize() > 0 ? font.pointSize() : 9) + line.FontSizeStep);
        font.setBold(line.Bold != 0);
        const QFontMetrics metrics(font);
        // The text lies on the balloon's body, 170 pixels wide whatever way its tail points, clear of its rim.
        const int room = item->Window() ? std::min(item->Window()->width(), 170) - 6 : -1;
        for (const QString& part : line.Text.split('*')) {
            texts.push_back({"balloon", part, metrics.horizontalAdvance(part), room});
        }
    }
    return texts;
}

void saveShot(const QImage& shot, const QString& name) {
    const QString folder = testsupport::buildDir() + "/screenshots";
    QDir().mkpath(folder);
    shot.save(folder + "/" + name + ".png");
}

// The main window with the dialogs and the output dialog wired to it, as
// the program has them, under one language.
class TranslatedWindows : public testsupport::WindowFixture {
public:
    void TearDown() override {
        out_.reset();
        dialogs_.reset();
        WindowFixture::TearDown();
        FormTree = nullptr;
        InstallLanguage(QString());
    }

    // Opens the window and every dialog and returns all they show.
    std::vector<Shown> openEverything(const QString& shotPrefix = QString()) {
        form_ = std::make_unique<TFormTree>();
        FormTree = form_.get();
        dialogs_ = std::make_unique<TDialogs>(*form_);
        out_ = std::make_unique<TFormOut>();
        out_->Attach(*form_);
        form_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->FormActivate();
        QCoreApplication::processEvents();

        std::vector<Shown> texts = shownTexts(form_.get());
        const auto add = [&texts](const std::vector<Shown>& more) {
            texts.insert(texts.end(), more.begin(), more.end());
        };
        TFormAbout& about = dialogs_->FormAbout();
        about.QExit->show();
        about.Yes->show();
        about.No->show();
        add(shownTexts(&dialogs_->FormWelcome()));
        add(shownTexts(&dialogs_->FormSetup()));
        add(shownTexts(&about));
        add(shownTexts(out_.get()));
        TPasswordDialog password("anna", "mail.example.org");
        add(shownTexts(&password));

        if (!shotPrefix.isEmpty()) {
            // A case open, its toys in the slots.
            click(QPoint(57 + 35, 427 + 26)); // the first case
            QTest::qWait(50);
            saveShot(form_->grab().toImage(), shotPrefix + "-main-window");
            saveShot(about.grab().toImage(), shotPrefix + "-exit-question");
            saveShot(out_->grab().toImage(), shotPrefix + "-output-dialog");
        }
        // The help balloons, faded in.
        form_->b2HelpClick();
        EXPECT_TRUE(QTest::qWaitFor(
            [this] {
                for (const auto& item : form_->help()->Items()) {
                    if (!item->BalloonPicture().isNull()) {
                        return false;
                    }
                }
                return true;
            },
            5000));
        add(balloonTexts(*form_->help()));
        if (!shotPrefix.isEmpty()) {
            saveShot(form_->grab().toImage(), shotPrefix + "-help-balloons");
        }
        return texts;
    }

    std::unique_ptr<TDialogs> dialogs_;
    std::unique_ptr<TFormOut> out_;
};

TEST_F(TranslatedWindows, PseudoTranslationLeavesNoEnglishText) {
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(PW_PSEUDO_QM));
    QCoreApplication::installTranslator(&pseudo);
    const std::vector<Shown> texts = openEverything();
    QCoreApplication::removeTranslator(&pseudo);

    // Every window, dialog and balloon was read, each with its texts.
    int balloons = 0;
    for (const Shown& shown : texts) {
        balloons += shown.where == "balloon";
        EXPECT_TRUE(shown.text.contains("[") || isData(shown.text))
            << qPrintable(shown.where) << ": " << qPrintable(shown.text);
    }
    EXPECT_GE(texts.size(), 150u);
    EXPECT_GE(balloons, 25);
}

TEST_F(TranslatedWindows, PseudoTranslationReachesTextsOutsideTheWindows) {
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(PW_PSEUDO_QM));
    QCoreApplication::installTranslator(&pseudo);
    const QStringList texts = {
        *ScreenDepthRefusal(8),
        *OpenGLRefusal({}),
        mail::NoMailAccountMessage(),
        QString::fromStdString(output::CardPlainText("").back()),
        QString::fromStdString(mail::SecureMailErrorText(mail::SendMailError::LoginFailed, "535")),
        QString::fromStdString(mail::TranslatedMailText(mail::MailErrorFromWinsock(10061).text)),
        DefaultGreeting(),
    };
    QCoreApplication::removeTranslator(&pseudo);
    for (const QString& text : texts) {
        EXPECT_TRUE(text.startsWith("[")) << qPrintable(text);
    }
    // The detail a server gave stays as it came.
    EXPECT_TRUE(texts[4].contains("] (535)")) << qPrintable(texts[4]);
}

TEST_F(TranslatedWindows, EveryTextFitsItsControlInEveryLanguage) {
    for (const QString language : {"de", "fr", "es", "it", "pl", "ru"}) {
        ASSERT_TRUE(InstallLanguage(language)) << qPrintable(language);
        ASSERT_EQ(UiLanguage(), language);
        const bool shots = language == "de" || language == "ru";
        const std::vector<Shown> texts = openEverything(shots ? language : QString());
        int measured = 0;
        for (const Shown& shown : texts) {
            if (shown.width >= 0 && shown.room >= 0) {
                ++measured;
                EXPECT_LE(shown.width, shown.room) << qPrintable(language) << " " << qPrintable(shown.where)
                                                   << ": " << qPrintable(shown.text);
            }
        }
        EXPECT_GE(measured, 40) << qPrintable(language);
        // The pictures with words come in the language too.
        EXPECT_EQ(LocalizedDataFile("Resource/Add.bmp"), DataFile("Resource/" + language + "/Add.bmp"));
        out_.reset();
        dialogs_.reset();
        form_.reset();
    }
}

TEST_F(TranslatedWindows, CyrillicGreetingListsTheFontsThatWriteIt) {
    ASSERT_TRUE(InstallLanguage("ru"));
    openEverything();
    TFormWelcome& editor = dialogs_->FormWelcome();
    const QString family = editor.FontsListBox->Font().Font.family();
    editor.WelcomeText->setText(DefaultGreeting());
    ASSERT_EQ(editor.WelcomeText->text(), QString::fromUtf8("С Рождеством и Новым годом!"));
    const QStringList listed = editor.FontsListBox->Items();
    EXPECT_TRUE(listed.contains("DejaVu Sans"));
    EXPECT_TRUE(listed.contains("Lobster Two") == FontWritesLetters("Lobster Two", "Ж"));
    for (const QString& listedFamily : listed) {
        if (listedFamily != family) {
            EXPECT_TRUE(FontWritesLetters(listedFamily, TextLetters(editor.WelcomeText->text())))
                << qPrintable(listedFamily);
        }
    }
    // The chosen family stays chosen, listed or not.
    EXPECT_EQ(editor.FontsListBox->SelectedText(), family);
    saveShot(editor.grab().toImage(), "ru-greeting-editor");
    // Back to a Latin greeting: the Latin families come back.
    editor.WelcomeText->setText("Merry Christmas");
    EXPECT_GT(editor.FontsListBox->Items().size(), listed.size());
}

} // namespace
