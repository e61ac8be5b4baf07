// The personal note: {name} filled in or tidied away, cleaning and the limit.
#include "output/cardnote.h"

#include <gtest/gtest.h>

using output::CleanNote;
using output::NoteFor;

TEST(CardNote, NameFilledInOrTidiedAway) {
    struct Case {
        const char* note;
        const char* ilse; // with the first name "Ilse"
        const char* none; // with no name known
    };
    const std::vector<Case> cases = {
        {"Dear {name},", "Dear Ilse,", "Dear,"},
        {"Hello, {name}! See you", "Hello, Ilse! See you", "Hello! See you"},
        {"Hi  {name}.", "Hi  Ilse.", "Hi."},
        {"{name}, merry Christmas", "Ilse, merry Christmas", "Merry Christmas"},
        {"Love\n  {name} see you\n{name}", "Love\n  Ilse see you\nIlse", "Love\n  See you\n"},
        {"{name}{name}", "IlseIlse", ""},
        {"no name here {nam}", "no name here {nam}", "no name here {nam}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(NoteFor(c.note, "Ilse"), c.ilse);
        EXPECT_EQ(NoteFor(c.note, ""), c.none);
    }
}

TEST(CardNote, CleanedAndBounded) {
    QString note;
    QString error;
    ASSERT_TRUE(CleanNote("a\r\nb\rc\x1b[31m\td\n\n  \n", &note, &error));
    EXPECT_EQ(note, "a\nb\nc[31m\td");
    const QString star = QString::fromUtf8("🎄"); // two UTF-16 units, one character
    EXPECT_TRUE(CleanNote(star.repeated(2000), &note, &error));
    EXPECT_EQ(note.size(), 4000);
    EXPECT_FALSE(CleanNote(star.repeated(2000) + "x", &note, &error));
    EXPECT_EQ(error, "The note has 2001 characters; a note holds at most 2000.");
}
