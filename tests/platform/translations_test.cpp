// The program's language: the first of the desktop's languages that has
// texts, English as soon as the desktop prefers it.
#include "platform/translations.h"

#include "platform/paths.h"
#include "support/test_paths.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

bool ours(const QString& code) {
    return QStringList{"de", "fr", "es", "it", "pl", "ru"}.contains(code);
}

TEST(ChooseLanguage, FirstSpokenLanguageWinsAndEnglishEndsTheSearch) {
    const struct {
        QStringList desktop;
        const char* chosen;
    } cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"de_AT.UTF-8"}, "de"},
        {{"ru@latin"}, "ru"},
        {{"PL-pl"}, "pl"},
        // A language without texts is passed over for the next one.
        {{"pt-BR", "pt", "fr-CA"}, "fr"},
        {{"nl", "it"}, "it"},
        // English before a translation: the program's own texts.
        {{"en-GB", "de-DE"}, ""},
        {{"C", "es"}, ""},
        {{"POSIX"}, ""},
        {{"ja", "zh-CN"}, ""},
        {{}, ""},
        {{"", "es"}, "es"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLanguage(c.desktop, ours), QString(c.chosen)) << c.desktop.join(',').toStdString();
    }
}

} // namespace

namespace {

// The build's own data set: the compiled translations and the pictures.
class BuildData : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Paths.HDPath;
        Paths.HDPath = testsupport::buildDir() + "/";
    }
    void TearDown() override {
        InstallLanguage(QString());
        Paths.HDPath = saved_;
    }
    QString saved_;
};

QString descWith(const QByteArray& text) {
    const QString path = testsupport::scratchDir("greeting") + "/desc";
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    return path;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(BuildData, AFreshDecorationGetsTheDefaultGreetingOfTheLanguage) {
    const QByteArray english = "WelcomeText=Merry Christmas and a Happy New Year!";
    const struct {
        const char* language;
        QByteArray before;
        bool changed;
        QByteArray after;
    } cases[] = {
        {"de", "Music=1,0\n" + english + "\nFontName=Dancing Script\n", true,
         "Music=1,0\nWelcomeText=Frohe Weihnachten und ein gutes neues Jahr!\nFontName=Dancing Script\n"},
        {"ru", english + "\r\nMusic=1,0\r\n", true,
         "WelcomeText=" + QString::fromUtf8("С Рождеством и Новым годом!").toUtf8() + "\r\nMusic=1,0\r\n"},
        // The user's own greeting, or one that merely starts like the default, stays.
        {"de", "WelcomeText=Hallo Oma!\n", false, "WelcomeText=Hallo Oma!\n"},
        {"de", english + " Love, Anna\n", false, english + " Love, Anna\n"},
        // English is the default greeting itself.
        {"", english + "\n", false, english + "\n"},
    };
    for (const auto& c : cases) {
        InstallLanguage(c.language);
        const QString desc = descWith(c.before);
        EXPECT_EQ(LocalizeDefaultGreeting(desc), c.changed) << c.language << " " << c.before.toStdString();
        EXPECT_EQ(contentOf(desc), c.after) << c.language;
    }
    // A font without the greeting's letters gives way to the one chosen for it; its colour stays.
    InstallLanguage("ru");
    const QString desc = descWith(english + "\r\nWelcomeParams=Dancing Script,Bold,FA:CC:4D\r\n");
    EXPECT_TRUE(LocalizeDefaultGreeting(desc, [](const QString& family, const QString& greeting) {
        return family == "Dancing Script" && greeting.startsWith(QChar(0x421))
                   ? QStringList{"Comfortaa", "Bold"}
                   : QStringList();
    }));
    EXPECT_TRUE(contentOf(desc).endsWith("\r\nWelcomeParams=Comfortaa,Bold,FA:CC:4D\r\n"))
        << contentOf(desc).toStdString();
}

TEST_F(BuildData, PicturesWithWordsComeInTheRunningLanguage) {
    EXPECT_TRUE(InstallLanguage("pl"));
    EXPECT_EQ(UiLanguage(), "pl");
    EXPECT_EQ(LocalizedDataFile("Resource/About.bmp"), DataFile("Resource/pl/About.bmp"));
    // A picture without words has no translated copy.
    EXPECT_EQ(LocalizedDataFile("Resource/Setup.bmp"), DataFile("Resource/Setup.bmp"));
    // A language without texts keeps English.
    EXPECT_FALSE(InstallLanguage("nl"));
    EXPECT_EQ(UiLanguage(), "");
    EXPECT_EQ(LocalizedDataFile("Resource/About.bmp"), DataFile("Resource/About.bmp"));
}

} // namespace
