// Fitting the greeting: the largest size whose lines fit the box, the box's
// own edge included.
#include "mainwindow/greetinglayout.h"
#include "mainwindow/layout.h"
#include "mainwindow/textfit.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// What the text takes at a pixel size, measured as the fitting measures it.
QSize extent(const QString& text, const GreetingStyle& style, int pixelSize, int breakAt) {
    const QFont font = GreetingFont(style, pixelSize);
    QTextLayout layout(text, font);
    LayOutLines(layout, breakAt);
    qreal width = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        width = std::max(width, layout.lineAt(i).naturalTextWidth());
    }
    return {static_cast<int>(std::ceil(width)),
            breakAt > 0 ? TwoLineHeight(font) : QFontMetrics(font).height()};
}

TEST(TextFit, ATextThatFitsItsBoxExactlyFitsAtThatSize) {
    struct Case {
        const char* text;
        const char* family;
        const char* style;
        int pixelSize;
        int breakAt;
    };
    const Case cases[] = {
        {"Merry Christmas!", "Dancing Script", "Bold", 20, 0},
        {"Merry Christmas!", "DejaVu Sans", "Book", 14, 0},
        {"Frohe Weihnachten und ein gutes neues Jahr", "DejaVu Serif", "Bold Italic", 9, 0},
        {"Frohe Weihnachten und ein gutes neues Jahr", "Dancing Script", "Regular", 12, 18},
        {"Frohe Weihnachten und ein gutes neues Jahr", "DejaVu Sans", "Book", 24, 18},
    };
    for (const Case& c : cases) {
        const GreetingStyle style{c.family, c.style, Qt::black};
        const QString text = c.text;
        const QSize exact = extent(text, style, c.pixelSize, c.breakAt);
        const QSize larger = extent(text, style, c.pixelSize + 1, c.breakAt);
        ASSERT_TRUE(larger.width() > exact.width() || larger.height() > exact.height()) << c.text;
        SCOPED_TRACE(testing::Message() << c.text << " in " << c.family << " at " << c.pixelSize << " px, "
                                        << exact.width() << " x " << exact.height());
        EXPECT_EQ(FittedPixelSize(text, style, exact, c.breakAt), c.pixelSize);
        // One pixel less either way, and the size goes down.
        EXPECT_LT(FittedPixelSize(text, style, exact - QSize(1, 0), c.breakAt), c.pixelSize);
        EXPECT_LT(FittedPixelSize(text, style, exact - QSize(0, 1), c.breakAt), c.pixelSize);
        // Room to spare that the next size can't use keeps the size.
        const QSize spare = exact.expandedTo(larger - QSize(1, 1));
        EXPECT_EQ(FittedPixelSize(text, style, spare, c.breakAt), c.pixelSize);
    }
}

TEST(TextFit, NothingFitsABoxSmallerThanTheSmallestSize) {
    const GreetingStyle style{"DejaVu Sans", "Book", Qt::black};
    const QSize one = extent("Hi", style, 1, 0);
    EXPECT_EQ(FittedPixelSize("Hi", style, one), 1);
    EXPECT_EQ(FittedPixelSize("Hi", style, one - QSize(0, 1)), 0);
}

// The lines are chosen at the ribbon's size, so a larger or finer picture of
// the ribbon breaks the greeting where the window does and fits it anew.
TEST(TextFit, TheCardAndThePrintBreakAGreetingWhereTheRibbonDoes) {
    const GreetingStyle style{"Dancing Script", "Bold", Qt::black};
    const QString greeting =
        QString::fromUtf8("Liebe Oma, lieber Opa, wir wünschen euch frohe Weihnachten, viel "
                          "Gesundheit und ein gutes neues Jahr 2027! Eure Lena :)");
    const TGreetingLayout ribbon(greeting, style, layout::WelcomeText);
    ASSERT_EQ(ribbon.LineCount(), 2);
    struct Case {
        const char* what;
        QRect rect;
        int pixelSize;
    };
    const Case cases[] = {
        {"the band", QRect(QPoint(18, 3), layout::WelcomeText.size()), ribbon.PixelSize()},
        // The ribbon's flat part on an A4 page at 600 dpi, where one line
        // would read well.
        {"the print", QRect(1308, 257, 2342, 175), 83},
        {"a ribbon half as large", QRect(0, 0, 167, 13), 5},
    };
    for (const Case& c : cases) {
        const TGreetingLayout drawn(greeting, style, c.rect);
        EXPECT_EQ(drawn.BreakAt(), ribbon.BreakAt()) << c.what;
        EXPECT_EQ(drawn.PixelSize(), c.pixelSize) << c.what;
    }
}

} // namespace
