#include "controls/fontstyleslistbox.h"

TFontStylesListBox::TFontStylesListBox(QWidget* parent) : TSortedListBox(parent) {}

void TFontStylesListBox::UserClicked() {
    if (OnClick) {
        OnClick(this);
    }
}
