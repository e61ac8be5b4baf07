// Outside text made safe to print and show: what escapes, what stays, and where
// long text is shortened.
#include "platform/visibletext.h"

#include <gtest/gtest.h>

TEST(VisibleText, InvisibleCharactersAreEscapedAndEverythingElseKept) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"250 queued as 12345", "250 queued as 12345"},
        {"title\x1b]0;owned\x07", "title\\x1b]0;owned\\x07"},
        {"clear\x1b[2J\x1b[H", "clear\\x1b[2J\\x1b[H"},
        {"line\r\nfeed\ttab", "line\\r\\nfeed\\ttab"},
        {std::string("nul\0byte", 8), "nul\\x00byte"},
        {"c1 \xc2\x9b"
         "31m",
         "c1 \\x9b31m"},
        {"\x7f\xc2\x80\xc2\x9f\xc2\xa0.", "\\x7f\\x80\\x9f\xc2\xa0."}, // DEL, C1's ends; no-break space kept
        {"Ren\xc3\xa9"
         "e \xf0\x9f\x8c\xb2",
         "Ren\xc3\xa9"
         "e \xf0\x9f\x8c\xb2"},
        {"evil\xe2\x80\xae"
         "gnp.exe",
         "evil\\u202egnp.exe"},
        {"bad \xff\xfe utf", "bad \\xff\\xfe utf"},
        {"cut \xe2\x82", "cut \\xe2\\x82"},
        {"<b>ACCOUNT SUSPENDED</b>", "<b>ACCOUNT SUSPENDED</b>"},
    };
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(out);
        EXPECT_EQ(VisibleText(in), out);
    }
}

TEST(VisibleText, LongTextIsShortenedByCharacters) {
    struct Case {
        std::string text;
        std::size_t longest;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"abcdefg", 6, "abcdef\xe2\x80\xa6"},
        {"\xc3\xa9\xc3\xa9\xc3\xa9", 2, "\xc3\xa9\xc3\xa9\xe2\x80\xa6"}, // never inside a character
        {"\x1b\x1b\x1b", 2, "\\x1b\\x1b\xe2\x80\xa6"},
        {std::string(5 * 1024 * 1024, 'x'), 500, std::string(500, 'x') + "\xe2\x80\xa6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.substr(0, 40));
        EXPECT_EQ(ShortVisibleText(c.text, c.longest), c.shown);
    }
    EXPECT_EQ(ShortVisibleText(QString("<i>x</i>\n"), 100), QString("<i>x</i>\\n"));
}
