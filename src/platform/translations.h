#pragma once
// The program's language: Pinewick's own texts and Qt's (the buttons of the
// standard boxes) in the first of the desktop's languages that Pinewick
// speaks, as Qt reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG;
// English, the language of the program's texts, when none fits.
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The language code ("de", "ru") of the first of `uiLanguages` (in the form of
// QLocale::uiLanguages(): "de-DE", "pt_BR", "en") for which `available` says
// there are texts; "" when English comes first or none fits.
QString ChooseLanguage(const QStringList& uiLanguages, const std::function<bool(const QString&)>& available);

// Loads and installs the program's texts and Qt's own for the desktop's
// language into the running application. Returns the chosen language code,
// "" for English. Call once, right after the application object exists.
QString InstallTranslations();
// Installs the texts of one language (its code, as in the file names), in
// place of any installed before; "" leaves the program's English. False when
// the program has no texts for it (English is kept then).
bool InstallLanguage(const QString& language);

// The language installed by InstallTranslations ("" for English).
QString UiLanguage();

// The folder of the compiled translations in the data set, ending with "/".
QString TranslationsFolder();

// The greeting a new decoration starts with, in the running language.
QString DefaultGreeting();

// Gives a decoration file that still holds the English default greeting the
// default greeting of the running language (at the first start, when the
// user's decoration has just been copied from the one that comes with the
// program). False when the file holds another greeting or can't be changed.
// `chooseFont` gets the decoration's font family and the new greeting and
// gives the family and style to write it in instead (the default font may
// have no letters of the language's script), or nothing to keep the font.
using GreetingFontChoice = std::function<QStringList(const QString& family, const QString& greeting)>;
bool LocalizeDefaultGreeting(const QString& descFile, const GreetingFontChoice& chooseFont = {});

// A data file drawn for the running language: "Resource/Add.bmp" gives
// "Resource/de/Add.bmp" when the data set holds one, else the file itself.
QString LocalizedDataFile(const QString& relativeName);
