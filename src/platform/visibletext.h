#pragma once
// Text from outside the program (a mail server's replies, names from other
// programs' settings) made safe to print on a terminal or show in a window:
// control characters and the invisible characters that change how text reads
// (direction marks and overrides) are written as visible escapes ("\x1b",
// "\r", "\u202e"), and over-long text is shortened with "…".
#include <QString>
#include <string>
#include <string_view>

// Every character kept, the invisible ones escaped. Bytes that are not UTF-8
// are escaped one by one ("\xff").
std::string VisibleText(std::string_view utf8);
// As VisibleText, shortened to at most `longest` characters of the original
// followed by "…" when there was more.
std::string ShortVisibleText(std::string_view utf8, std::size_t longest);
QString ShortVisibleText(const QString& text, qsizetype longest);
