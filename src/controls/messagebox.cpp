#include "controls/messagebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <algorithm>

namespace {

// The window manager's buttons, frame and margins around a title.
constexpr int titleBarExtra = 150;
// A box narrower than this looks unfinished, whatever it says.
constexpr int leastWidth = 280;

} // namespace

int MessageBoxWidth(const QMessageBox& box) {
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    return std::max(leastWidth, title.horizontalAdvance(box.windowTitle()) + titleBarExtra);
}

void FitMessageBox(QMessageBox& box) {
    // The box fixes its own size from its layout when shown: a spacer across
    // the bottom row is what makes it keep a width.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) {
        box.setMinimumWidth(MessageBoxWidth(box));
        return;
    }
    grid->addItem(new QSpacerItem(MessageBoxWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
