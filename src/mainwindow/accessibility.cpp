// TFormTree: what a screen reader says of the window. Every control has a
// name and a description; the slots are named by their toy's colour and kind,
// the tree by the number of its ornaments, and the greeting band reads as
// editable text holding the greeting.
#include "controls/colourname.h"
#include "controls/control0.h"
#include "controls/controlaccessible.h"
#include "controls/controlnr.h"
#include "mainwindow/formtree.h"
#include "platform/picture.h"
#include "scene/tree.h"

#include <QAccessible>
#include <QApplication>
#include <map>

namespace {

// What the toys of each case are, one of them.
constexpr const char* toyKinds[7] = {"big ball",   "bell",   "icicle",  "star",
                                     "small ball", "candle", "tree top"};

} // namespace

void TFormTree::setupAccessibility() {
    setAccessibleName(QApplication::applicationName());
    SetAccessibleRole(TreeControl, QAccessible::Graphic);
    TreeControl->setAccessibleDescription("Arrow keys move the target; Delete removes the nearest toy; "
                                          "Page Up and Page Down turn the tree");
    Welcome->setAccessibleName("Greeting");
    Welcome->setAccessibleDescription("Enter starts and ends typing; Ctrl+Z undoes");
    SetAccessibleText(
        Welcome, [this] { return tree_ ? QString::fromStdString(tree_->WelcomeText) : QString(); },
        [this] {
            const TGreetingCursor& cursor = WelcomeCursor();
            return std::pair(cursor.Anchor(), cursor.Caret());
        });
    for (TControlNR* box : Cases) {
        SetAccessibleRole(box, QAccessible::PageTab);
        box->setAccessibleDescription("Case of toys: Enter shows its toys");
    }
    for (TControlNR* slot : Toys) {
        slot->setAccessibleDescription(
            "Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back");
    }
}

void TFormTree::NameSlots() {
    // "Red big ball", "Gold star", and a number where two of a case look alike.
    std::map<QString, int> seen;
    for (int n = 0; n < 49; ++n) {
        TControlNR* slot = Toys[static_cast<std::size_t>(n)];
        QString colour = slot->HasShape() ? ColourName(slot->Picture(),
                                                       PicturePixels(slot->Picture(), slot->rect()).toRect(),
                                                       slot->Picture().pixel(0, 0))
                                          : QString();
        QString name = colour.isEmpty() ? QString(toyKinds[n / 7]) : colour + " " + toyKinds[n / 7];
        name[0] = name[0].toUpper();
        const int count = ++seen[QString::number(n / 7) + name];
        slot->setAccessibleName(count > 1 ? name + " " + QString::number(count) : name);
    }
}

void TFormTree::NameTree() {
    const std::size_t count = tree_ ? tree_->toys().size() : 0;
    TreeControl->setAccessibleName(
        QString("Fir tree with %1 ornament%2").arg(count).arg(count == 1 ? "" : "s"));
}
