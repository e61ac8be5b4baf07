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
//: One toy of a case, as a screen reader names it after its colour.
constexpr const char* toyKinds[7] = {
    QT_TRANSLATE_NOOP("TFormTree", "big ball"),   QT_TRANSLATE_NOOP("TFormTree", "bell"),
    QT_TRANSLATE_NOOP("TFormTree", "icicle"),     QT_TRANSLATE_NOOP("TFormTree", "star"),
    QT_TRANSLATE_NOOP("TFormTree", "small ball"), QT_TRANSLATE_NOOP("TFormTree", "candle"),
    QT_TRANSLATE_NOOP("TFormTree", "tree top")};

} // namespace

void TFormTree::setupAccessibility() {
    setAccessibleName(QApplication::applicationName());
    SetAccessibleRole(TreeControl, QAccessible::Graphic);
    TreeControl->setAccessibleDescription(tr(
        "Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree"));
    Welcome->setAccessibleName(tr("Greeting"));
    Welcome->setAccessibleDescription(tr("Enter starts and ends typing; Ctrl+Z undoes"));
    SetAccessibleText(
        Welcome, [this] { return tree_ ? QString::fromStdString(tree_->WelcomeText) : QString(); },
        [this] {
            const TGreetingCursor& cursor = WelcomeCursor();
            return std::pair(cursor.Anchor(), cursor.Caret());
        });
    for (TControlNR* box : Cases) {
        SetAccessibleRole(box, QAccessible::PageTab);
        box->setAccessibleDescription(tr("Case of toys: Enter shows its toys"));
    }
    for (TControlNR* slot : Toys) {
        slot->setAccessibleDescription(tr(
            "Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back"));
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
        const QString kind = tr(toyKinds[n / 7]);
        //: A toy's colour (%1, such as "Red") and kind (%2, such as "big ball").
        QString name = colour.isEmpty() ? kind : tr("%1 %2").arg(colour, kind);
        name[0] = name[0].toUpper();
        const int count = ++seen[QString::number(n / 7) + name];
        slot->setAccessibleName(count > 1 ? name + " " + QString::number(count) : name);
    }
}

void TFormTree::NameTree() {
    const std::size_t count = tree_ ? tree_->toys().size() : 0;
    // One ornament in a sentence of its own, so that the English needs no
    // plural forms from a translation; other languages give theirs for %n.
    TreeControl->setAccessibleName(count == 1
                                       ? tr("Fir tree with 1 ornament")
                                       : tr("Fir tree with %n ornaments", "", static_cast<int>(count)));
}
