#pragma once
// TSortedListBox: a list box whose items stay sorted (case-insensitively, as
// people read them) and whose click hook fires only when the user changes the
// selection, never when the program selects an item.
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <functional>

class TSortedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TSortedListBox(QWidget* parent = nullptr);

    // Replaces the items by `items`, sorted; no item is selected afterwards.
    void SetItems(QStringList items);
    QStringList Items() const;
    // Selects the item whose whole text equals `text` ignoring case; with no
    // such item nothing is selected. Returns whether an item was found.
    bool SelectItem(const QString& text);
    void SelectIndex(int index);
    int ItemIndex() const { return currentRow(); }
    bool HasSelection() const { return currentRow() >= 0; }
    QString SelectedText() const;

protected:
    // Called when the user selected an item (mouse or keyboard).
    virtual void UserClicked() = 0;
    // Qt's item views make the first item current when they gain the focus;
    // that is no choice of the user, so a list without a selection keeps none.
    void focusInEvent(QFocusEvent* event) override;

private:
    bool programmatic_ = false;
};
