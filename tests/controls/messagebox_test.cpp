// Message boxes wide enough for their title bar and a comfortable line of text.
#include "controls/messagebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MessageBoxSize, TheBoxIsWideEnoughForItsTitleAndNeverCramped) {
    const struct {
        const char* title;
        const char* text;
    } rows[] = {{"Pinewick", "Mail sended"},
                {"Pinewick", "Do you want to create Pinewick shortcut\non your desktop ?"},
                {"A much longer title than the program's own name", "Ok"},
                {"", "Sorry, but this program needs OpenGL 3.3 or more"}};
    const QFontMetrics titleFont(QApplication::font("QMdiSubWindowTitleBar"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        QMessageBox box(QMessageBox::Information, row.title, row.text, QMessageBox::Ok);
        const int plain = box.sizeHint().width();
        FitMessageBox(box);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_GE(box.width(), MessageBoxWidth(box));
        EXPECT_GE(box.width(), titleFont.horizontalAdvance(row.title) + 100);
        EXPECT_GE(box.width(), 280);
        // A box that was already wide enough keeps its own width.
        if (plain > MessageBoxWidth(box)) {
            EXPECT_LE(box.width(), plain + 20);
        }
        box.close();
    }
}

} // namespace
