#include "controls/sortedlistbox.h"

#include <QScopedValueRollback>
#include <algorithm>

TSortedListBox::TSortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!programmatic_ && row >= 0) {
            UserClicked();
        }
    });
}

void TSortedListBox::SetItems(QStringList items) {
    std::sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    QScopedValueRollback guard(programmatic_, true);
    clear();
    addItems(items);
    setCurrentRow(-1);
}

QStringList TSortedListBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i) {
        items.append(item(i)->text());
    }
    return items;
}

bool TSortedListBox::SelectItem(const QString& text) {
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().compare(text, Qt::CaseInsensitive) == 0) {
            SelectIndex(i);
            return true;
        }
    }
    SelectIndex(-1);
    return false;
}

void TSortedListBox::SelectIndex(int index) {
    QScopedValueRollback guard(programmatic_, true);
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

void TSortedListBox::focusInEvent(QFocusEvent* event) {
    const int row = currentRow();
    QScopedValueRollback guard(programmatic_, true);
    QListWidget::focusInEvent(event);
    if (row < 0 && currentRow() >= 0) {
        setCurrentRow(-1);
    }
}

QString TSortedListBox::SelectedText() const {
    const QListWidgetItem* selected = currentItem();
    return selected != nullptr ? selected->text() : QString();
}
