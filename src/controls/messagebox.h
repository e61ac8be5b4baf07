#pragma once
// Message boxes as the program shows them: wide enough for the title in the
// title bar to show whole and for a short text not to sit in a cramped box.
#include <QMessageBox>

// Widens box (before it is shown) to at least MessageBoxWidth(box).
void FitMessageBox(QMessageBox& box);
// The least width for box: its title with the title bar's buttons, or a
// comfortable minimum for a line of text.
int MessageBoxWidth(const QMessageBox& box);
