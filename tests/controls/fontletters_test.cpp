// Which fonts can write a greeting: the letters a text needs, and the
// families that have them all (Cyrillic ones for a Russian greeting).
#include "controls/fontfaces.h"
#include "controls/fontslistbox.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

namespace {

TEST(FontLetters, TheDistinctLettersOfAText) {
    const struct {
        const char* text;
        const char* letters;
    } cases[] = {
        {"", ""},       {"2026 !?", ""},        {"Hello, World!", "HWdelor"},
        {"aAaA", "Aa"}, {"Ёлка ёлка", "Ёаклё"}, {"Joyeux Noël", "JNelouxyë"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextLetters(QString::fromUtf8(c.text)), QString::fromUtf8(c.letters)) << c.text;
    }
}

TEST(FontLetters, AFamilyIsListedForAGreetingOnlyWhenItWritesEveryLetter) {
    const struct {
        const char* family;
        const char* text;
        bool writes;
    } cases[] = {
        {"DejaVu Sans", "С Рождеством!", true},
        {"Comfortaa", "С Рождеством!", true},
        {"Dancing Script", "С Рождеством!", false},
        {"Lobster Two", "Frohe Weihnachten", true},
        {"Lobster Two", "Wesołych Świąt", true},
        // One letter missing is enough to leave a family out.
        {"Dancing Script", "Merry Christmas Ж", false},
        // Symbol fonts never, whatever they hold; a text without letters asks for Latin.
        {"Standard Symbols PS", "", false},
        {"FontAwesome", "a", false},
        {"DejaVu Sans", "", true},
    };
    for (const auto& c : cases) {
        if (!QFontDatabase::hasFamily(c.family)) {
            continue;
        }
        EXPECT_EQ(FontWritesLetters(c.family, TextLetters(QString::fromUtf8(c.text))), c.writes)
            << c.family << ": " << c.text;
    }
    const QStringList cyrillic = TFontsListBox::OutlineFamilies(QString::fromUtf8("С Рождеством!"));
    const QStringList latin = TFontsListBox::OutlineFamilies("Merry Christmas!");
    EXPECT_TRUE(cyrillic.contains("DejaVu Sans"));
    EXPECT_FALSE(cyrillic.contains("Dancing Script"));
    EXPECT_TRUE(latin.contains("Dancing Script"));
    EXPECT_LT(cyrillic.size(), latin.size());
    // A script no installed family writes: the Latin families, the greeting drawn by fallback.
    EXPECT_EQ(TFontsListBox::OutlineFamilies(QString::fromUtf8("\U00013000")),
              TFontsListBox::OutlineFamilies());
}

} // namespace
