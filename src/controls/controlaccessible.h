#pragma once
// TControlAccessible: what a screen reader learns of a TControl0 through Qt's
// accessibility interface (AT-SPI on Linux). The program's controls are
// pictures, so each says what it is: a button by default, or the role set with
// SetAccessibleRole; its name is the accessible name, else its hint, else its
// caption. A control given a text source (SetAccessibleText) is read as
// editable text holding that text, with its caret and selection, as the
// greeting band is.
//
//   SetAccessibleRole(tree, QAccessible::Graphic);
//   SetAccessibleText(band, [] { return greeting(); });
//   NameControlsFromHints(dialog);   // every control without a name takes its hint
#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <functional>
#include <utility>

class QWidget;

class TControlAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TControlAccessible(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The read-only text interface of an editable-text control.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString fullText() const;
    bool hasText() const;
};

// Sets the role a screen reader announces for a TControl0 (a button by default).
void SetAccessibleRole(QWidget* control, QAccessible::Role role);
// Makes a TControl0 read as editable text whose content `text` gives, and,
// when `cursor` is given, whose caret and selection it gives (the anchor
// first, then the caret; equal when nothing is selected).
void SetAccessibleText(QWidget* control, std::function<QString()> text,
                       std::function<std::pair<int, int>()> cursor = {});
// Gives every control under `root` that a person can use and that has no
// accessible name its hint as name.
void NameControlsFromHints(QWidget* root);
// Installs the interface for TControl0 and the controls built on it (once).
void InstallControlAccessibility();
