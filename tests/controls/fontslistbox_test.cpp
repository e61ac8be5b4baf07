// The font family and style lists over the installed fonts (scripts/install-deps
// installs the families used here).
#include "controls/fontfaces.h"
#include "controls/fontslistbox.h"

#include <QFontDatabase>
#include <algorithm>

#include <QTest>
#include <gtest/gtest.h>

namespace {

class FontLists : public testing::Test {
protected:
    FontLists() {
        fonts.OnChanged = [this](TFontsListBox* sender) {
            EXPECT_EQ(sender, &fonts);
            ++changes;
        };
    }
    void Init(const QString& family, int pointSize = 20) {
        TFont start;
        start.Font = QFont(family, pointSize);
        start.Color = QColor(200, 10, 30);
        fonts.SetFont(start);
        fonts.Init(&styles);
    }
    // Chooses a family or a style as the user does, with the keyboard.
    void UserSelects(TSortedListBox& list, const QString& text) {
        const int target = list.Items().indexOf(text);
        ASSERT_GE(target, 0) << text.toStdString();
        list.setFocus();
        list.setCurrentRow(target); // a user's change of the current row
    }

    TFontsListBox fonts;
    TFontStylesListBox styles;
    int changes = 0;
};

TEST_F(FontLists, ListsInstalledOutlineFamiliesOnly) {
    Init("DejaVu Sans");
    const QStringList families = fonts.Items();
    for (const char* expected : {"DejaVu Sans", "DejaVu Serif", "Liberation Serif", "Dancing Script",
                                 "Comfortaa", "EB Garamond", "Linux Libertine O"}) {
        EXPECT_TRUE(families.contains(expected)) << expected;
    }
    // Generic aliases are no faces of their own.
    EXPECT_FALSE(families.contains("Sans Serif"));
    EXPECT_FALSE(families.contains("Monospace"));
    // Sorted as people read, ignoring case.
    for (int i = 1; i < families.size(); ++i) {
        EXPECT_LE(families[i - 1].compare(families[i], Qt::CaseInsensitive), 0);
    }
}

// Symbol, icon and dingbat fonts write no greeting; text faces do, also when
// they carry symbols besides their letters. Families not installed here are
// passed over.
TEST_F(FontLists, OnlyFamiliesThatWriteLatinTextAreListed) {
    const struct {
        const char* family;
        bool listed;
    } rows[] = {{"DejaVu Sans", true},       {"Dancing Script", true},      {"EB Garamond", true},
                {"Linux Libertine O", true}, {"FontAwesome", false},        {"Standard Symbols PS", false},
                {"D050000L", false},         {"Font Awesome 6 Free", false}};
    Init("DejaVu Sans");
    const QStringList families = fonts.Items();
    for (const auto& row : rows) {
        if (!QFontDatabase::hasFamily(row.family)) {
            continue;
        }
        EXPECT_EQ(FontWritesLatin(row.family), row.listed) << row.family;
        const bool inList = std::any_of(families.begin(), families.end(), [&](const QString& f) {
            return f.section(QLatin1String(" ["), 0, 0) == row.family;
        });
        EXPECT_EQ(inList, row.listed) << row.family;
    }
}

// Faces made for one optical size give way to a plain face of the same style,
// and otherwise show under the plain name, drawn with the running-text size.
TEST(FontFaces, OpticalSizesShowUnderTheirPlainStyleWhereNoPlainFaceExists) {
    const struct {
        const char* name;
        QStringList database;
        QStringList listed;
        QString pick;         // a listed style ...
        QString databaseName; // ... and the face it draws with
    } rows[] = {
        {"plain faces only",
         {"Regular", "Bold Italic"},
         {"Regular", "Bold Italic"},
         "Bold Italic",
         "Bold Italic"},
        {"only optical sizes",
         {"12 Bold", "12 Italic", "08 Italic", "08 Regular", "12 Regular"},
         {"Bold", "Italic", "Regular"},
         "Italic",
         "12 Italic"},
        {"optical sizes beside plain faces",
         {"Regular", "Italic", "08 Regular", "24 Italic", "24 Bold"},
         {"Regular", "Italic", "Bold"},
         "Bold",
         "24 Bold"},
        {"the size nearest to running text",
         {"08 Regular", "36 Regular", "14 Regular"},
         {"Regular"},
         "Regular",
         "14 Regular"},
        {"a number that is the whole name", {"100", "Regular"}, {"100", "Regular"}, "100", "100"},
        {"an unknown style stays as asked", {"Regular"}, {"Regular"}, "Heavy", "Heavy"},
    };
    for (const auto& row : rows) {
        QStringList listed = ListedFontStyles(row.database);
        listed.sort();
        QStringList expected = row.listed;
        expected.sort();
        EXPECT_EQ(listed, expected) << row.name;
        EXPECT_EQ(DatabaseFontStyle(row.database, row.pick), row.databaseName) << row.name;
    }
}

TEST_F(FontLists, AFamilyOfOpticalSizesListsPlainStylesAndBuildsItsFaces) {
    if (!QFontDatabase::hasFamily("EB Garamond")) {
        GTEST_SKIP() << "EB Garamond is not installed";
    }
    Init("EB Garamond");
    for (const QString& style : styles.Items()) {
        EXPECT_FALSE(style.front().isDigit()) << style.toStdString();
    }
    ASSERT_TRUE(styles.Items().contains("Italic"));
    UserSelects(styles, "Italic");
    EXPECT_EQ(fonts.CurrentStyleName(), "Italic");
    EXPECT_TRUE(fonts.Font().Font.italic());
    EXPECT_EQ(fonts.Font().Font.family(), "EB Garamond");
}

TEST_F(FontLists, InitSelectsTheFontsFamilyAndFace) {
    Init("DejaVu Sans");
    EXPECT_EQ(fonts.SelectedText(), "DejaVu Sans");
    EXPECT_TRUE(styles.Items().contains("Bold Oblique"));
    // A regular font keeps its regular face, though "Bold" sorts first.
    EXPECT_EQ(styles.SelectedText(), "Book");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fonts.Font().Font.family(), "DejaVu Sans");
    EXPECT_EQ(fonts.Font().Font.pointSize(), 20);
    EXPECT_FALSE(fonts.Font().Font.bold());

    TFont script;
    script.Font = QFont("Dancing Script", 40);
    script.Font.setBold(true);
    fonts.SetFont(script);
    EXPECT_EQ(styles.SelectedText(), "Bold");
    EXPECT_EQ(fonts.Font().Font.family(), "Dancing Script");
    EXPECT_EQ(fonts.Font().Font.pointSize(), 40);
    EXPECT_EQ(changes, 2);
}

TEST_F(FontLists, StyleChoiceRebuildsTheFontKeepingSizeAndColour) {
    Init("DejaVu Sans", 31);
    UserSelects(styles, "Bold Oblique");
    EXPECT_EQ(changes, 2);
    const TFont& f = fonts.Font();
    EXPECT_EQ(f.Font.family(), "DejaVu Sans");
    EXPECT_EQ(f.Font.weight(), QFont::Bold);
    EXPECT_TRUE(f.Font.italic());
    EXPECT_EQ(f.Font.pointSize(), 31);
    EXPECT_EQ(f.Color, QColor(200, 10, 30));
    EXPECT_EQ(fonts.CurrentStyleName(), "Bold Oblique");
    UserSelects(styles, "Book");
    EXPECT_FALSE(fonts.Font().Font.italic());
    EXPECT_EQ(fonts.Font().Font.weight(), QFont::Normal);
    EXPECT_EQ(changes, 3);
}

TEST_F(FontLists, FamilyChangeKeepsTheStyleOfTheSameName) {
    Init("DejaVu Sans");
    UserSelects(styles, "Bold");
    UserSelects(fonts, "Liberation Serif");
    EXPECT_EQ(styles.SelectedText(), "Bold");
    EXPECT_EQ(fonts.Font().Font.family(), "Liberation Serif");
    EXPECT_EQ(fonts.Font().Font.weight(), QFont::Bold);
    EXPECT_EQ(fonts.Font().Color, QColor(200, 10, 30));
    EXPECT_EQ(fonts.Font().Font.pointSize(), 20);
}

TEST_F(FontLists, FamilyChangeWithoutTheStyleTakesTheFirst) {
    Init("DejaVu Sans");
    UserSelects(styles, "Oblique");
    UserSelects(fonts, "Liberation Serif"); // has Italic, not Oblique
    EXPECT_EQ(styles.Items(), (QStringList{"Bold", "Bold Italic", "Italic", "Regular"}));
    EXPECT_EQ(styles.ItemIndex(), 0);
    EXPECT_EQ(fonts.CurrentStyleName(), "Bold");
    EXPECT_FALSE(fonts.Font().Font.italic());
}

TEST_F(FontLists, GetCurrentFontNeedsBothSelections) {
    QString family = "kept", style = "kept too";
    fonts.GetCurrentFont(family, style); // before Init
    EXPECT_EQ(family, "kept");
    Init("No Such Family Anywhere");
    EXPECT_FALSE(fonts.HasSelection());
    fonts.GetCurrentFont(family, style);
    EXPECT_EQ(style, "kept too");
    fonts.SetCurrentFont("dejavu serif", "BOLD ITALIC");
    fonts.GetCurrentFont(family, style);
    EXPECT_EQ(family, "DejaVu Serif");
    EXPECT_EQ(style, "Bold Italic");
    EXPECT_TRUE(fonts.Font().Font.italic());
}

TEST_F(FontLists, UnknownFamilyOnlyLosesTheSelection) {
    Init("DejaVu Serif");
    fonts.SetCurrentFont("DejaVu Serif", "Italic");
    const TFont before = fonts.Font();
    const QStringList stylesBefore = styles.Items();
    const int count = changes;
    fonts.SetCurrentFont("Not Installed Sans", "Bold");
    EXPECT_FALSE(fonts.HasSelection());
    EXPECT_EQ(styles.Items(), stylesBefore);
    EXPECT_EQ(styles.SelectedText(), "Italic");
    EXPECT_EQ(fonts.Font(), before);
    EXPECT_EQ(changes, count);
}

TEST_F(FontLists, ProgramSelectionIsNoClick) {
    Init("DejaVu Sans");
    int clicks = 0;
    styles.OnClick = [&](TFontStylesListBox*) {
        ++clicks;
    };
    styles.SelectItem("Bold");
    styles.SelectIndex(2);
    EXPECT_EQ(clicks, 0);
    // A real click on an item is.
    styles.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&styles));
    const QRect itemRect = styles.visualItemRect(styles.item(0));
    QTest::mouseClick(styles.viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(styles.ItemIndex(), 0);
}

} // namespace

// Init with the greeting's family lists that family alone until ListAll, and
// then the lists and the font are what Init and SetCurrentFont make of it.
TEST(FontListsLater, ListingOneFamilyFirstEndsAsListingAll) {
    struct Case {
        const char* text;
        const char* family;
        const char* style;
        bool alone; // only the family is listed before ListAll
    };
    const Case cases[] = {
        {"Hi", "DejaVu Sans", "Book", true},
        {"Hi", "dejavu serif", "Heavy", true}, // a style the family lacks: its first
        {"Привет", "DejaVu Serif", "Bold Italic", true},
        {"Привет", "Dancing Script", "Bold", false}, // writes no Cyrillic
        {"Hi", "No Such Family", "Regular", false},
        {"Hi", "Sans Serif", "Regular", false}, // an alias, no face of its own
        {"", "Liberation Serif", "Italic", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.family) + " " + c.style);
        TFont start;
        start.Font = QFont("Liberation Sans", 20);
        start.Font.setPixelSize(17);
        TFontsListBox all, later;
        TFontStylesListBox allStyles, laterStyles;
        for (TFontsListBox* fonts : {&all, &later}) {
            fonts->SetFont(start);
            fonts->SetText(QString::fromUtf8(c.text));
        }
        all.Init(&allStyles);
        all.SetCurrentFont(c.family, c.style);
        later.Init(&laterStyles, c.family, c.style);
        if (c.alone) {
            EXPECT_EQ(later.Items(), QStringList{all.SelectedText()});
        } else {
            EXPECT_EQ(later.Items(), all.Items());
        }
        EXPECT_EQ(later.SelectedText(), all.SelectedText());
        EXPECT_EQ(laterStyles.Items(), allStyles.Items());
        EXPECT_EQ(laterStyles.SelectedText(), allStyles.SelectedText());
        EXPECT_EQ(later.Font(), all.Font());
        EXPECT_EQ(later.Font().Font.pixelSize(), 17);
        later.ListAll();
        EXPECT_EQ(later.Items(), all.Items());
        EXPECT_EQ(later.SelectedText(), all.SelectedText());
        EXPECT_EQ(laterStyles.SelectedText(), allStyles.SelectedText());
    }
}
