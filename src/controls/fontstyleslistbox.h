#pragma once
// TFontStylesListBox: the sorted list of one font family's styles, under the
// names the fonts declare ("Book", "Bold Oblique", ...). TFontsListBox fills it
// and listens to its clicks.
#include "controls/sortedlistbox.h"

#include <functional>

class TFontStylesListBox : public TSortedListBox {
    Q_OBJECT
public:
    explicit TFontStylesListBox(QWidget* parent = nullptr);

    // The user chose a style.
    std::function<void(TFontStylesListBox* sender)> OnClick;

protected:
    void UserClicked() override;
};
