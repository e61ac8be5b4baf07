#pragma once
// Which installed fonts and faces the greeting may use. A family must write
// Latin text (symbol, icon and dingbat fonts are left out); its faces are
// listed under the style names the font declares, except that a face made for
// one optical size ("08 Italic", "12 Regular") is left out where the family
// has a plain face of that style, and otherwise listed under its plain style
// name ("Italic") for the size made for running text.
#include <QString>
#include <QStringList>

// True when the family can write Latin text.
bool FontWritesLatin(const QString& family);
// The distinct letters of a text, in order of code point: what a font must
// write to write the text ("Hello!" gives "Helo"; "" for no letters).
QString TextLetters(const QString& text);
// True when the family, not a symbol font, writes every one of `letters`
// (from TextLetters); with no letters, when it writes Latin text.
bool FontWritesLetters(const QString& family, const QString& letters);
// The faces of a family that the style list shows, from the database's
// style names (only outline faces are given).
QStringList ListedFontStyles(const QStringList& databaseStyles);
// The database's name of a listed face ("12 Regular" for "Regular" in a family
// of optical sizes); the name itself when the database has it.
QString DatabaseFontStyle(const QStringList& databaseStyles, const QString& listed);
