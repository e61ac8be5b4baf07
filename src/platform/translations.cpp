#include "platform/translations.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTranslator>

#include <memory>

namespace {

QString installedLanguage;
// The translators installed, owned by the application.
QList<QPointer<QTranslator>> installed;

//: The greeting a new decoration starts with. Written across the top of the
//: card in a script font: a short, warm wish for Christmas and the new year.
const char* const defaultGreeting =
    QT_TRANSLATE_NOOP("DefaultGreeting", "Merry Christmas and a Happy New Year!");

// The language part of a BCP 47 or POSIX name: "de-AT" and "de_AT.UTF-8" give "de".
QString languagePart(const QString& name) {
    const qsizetype end = name.indexOf(QRegularExpression("[-_.@]"));
    return (end < 0 ? name : name.left(end)).toLower();
}

QString programTexts(const QString& language) {
    return TranslationsFolder() + "pinewick_" + language + ".qm";
}

// Installs the texts of a compiled translation file; the application owns
// the translator and keeps it installed for its lifetime.
bool install(const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file)) {
        return false;
    }
    translator->setParent(QCoreApplication::instance());
    installed.append(translator.get());
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

QString ChooseLanguage(const QStringList& uiLanguages, const std::function<bool(const QString&)>& available) {
    for (const QString& name : uiLanguages) {
        const QString language = languagePart(name);
        // The program's own texts are English: a desktop that prefers
        // English to any other language gets them as they are.
        if (language == "en" || language == "c" || language == "posix") {
            return QString();
        }
        if (!language.isEmpty() && available(language)) {
            return language;
        }
    }
    return QString();
}

QString TranslationsFolder() {
    return DataFile("Translations/");
}

QString InstallTranslations() {
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), [](const QString& code) {
        return QFileInfo(programTexts(code)).isFile();
    });
    return InstallLanguage(language) ? language : QString();
}

bool InstallLanguage(const QString& language) {
    for (const QPointer<QTranslator>& translator : installed) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator.data();
        }
    }
    installed.clear();
    installedLanguage.clear();
    if (language.isEmpty() || !QCoreApplication::instance() || !install(programTexts(language))) {
        return false;
    }
    installedLanguage = language;
    // Qt's own texts (the Yes and No of a question box) when Qt has them.
    install(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + language + ".qm");
    return true;
}

QString DefaultGreeting() {
    return QCoreApplication::translate("DefaultGreeting", defaultGreeting);
}

bool LocalizeDefaultGreeting(const QString& descFile, const GreetingFontChoice& chooseFont) {
    const QByteArray english = QByteArray("WelcomeText=") + defaultGreeting;
    const QByteArray translated = "WelcomeText=" + DefaultGreeting().toUtf8();
    if (translated == english) {
        return false;
    }
    QFile file(descFile);
    // A decoration file is small; anything larger is not the one just copied.
    constexpr qint64 largest = qint64(1) << 20;
    if (file.size() > largest || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    bool found = false;
    for (QByteArray& line : lines) {
        const bool crlf = line.endsWith('\r');
        if ((crlf ? line.chopped(1) : line) == english) {
            line = translated + (crlf ? "\r" : "");
            found = true;
        }
    }
    if (!found) {
        return false;
    }
    // "WelcomeParams=family,style,colour": another font when the decoration's can't write the greeting.
    for (QByteArray& line : lines) {
        const bool crlf = line.endsWith('\r');
        if (!chooseFont || !line.startsWith("WelcomeParams=")) {
            continue;
        }
        QStringList fields = QString::fromUtf8(line.mid(int(qstrlen("WelcomeParams=")))).split(',');
        if (crlf) {
            fields.last().chop(1);
        }
        const QStringList font = chooseFont(fields.value(0), DefaultGreeting());
        if (font.size() == 2 && fields.size() >= 2) {
            fields[0] = font[0];
            fields[1] = font[1];
            line = "WelcomeParams=" + fields.join(',').toUtf8() + (crlf ? "\r" : "");
        }
    }
    QSaveFile out(descFile);
    return out.open(QIODevice::WriteOnly) && out.write(lines.join('\n')) >= 0 && out.commit();
}

QString UiLanguage() {
    return installedLanguage;
}

QString LocalizedDataFile(const QString& relativeName) {
    if (!installedLanguage.isEmpty()) {
        const qsizetype slash = relativeName.lastIndexOf('/');
        const QString localized =
            relativeName.left(slash + 1) + installedLanguage + "/" + relativeName.mid(slash + 1);
        if (QFileInfo(DataFile(localized)).isFile()) {
            return DataFile(localized);
        }
    }
    return DataFile(relativeName);
}
