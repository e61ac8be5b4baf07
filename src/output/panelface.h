#pragma once
// The face of the output dialog's own small windows (password, note, preview,
// summary): a rounded panel in the program's night green with a gold rim, on a
// key colour that the outline leaves out, and the light text colour on it.
#include <QColor>
#include <QImage>

class QWidget;

QImage PanelFace(QSize size);
// The light text colour of the panel.
QColor PanelTextColor();
// Gives a label, check box or button on the panel the panel's text colour and
// the dialogs' font.
void UsePanelText(QWidget* widget);
