#include "output/panelface.h"

#include "controls/borderlessdialog.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

QImage PanelFace(QSize size) {
    QImage face(size, QImage::Format_RGB32);
    face.fill(QColor(255, 0, 255));
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(28, 72, 46));
    shade.setColorAt(1, QColor(10, 34, 24));
    QPainterPath panel;
    panel.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 14, 14);
    painter.fillPath(panel, shade);
    painter.setPen(QPen(QColor(200, 168, 88), 2));
    painter.drawPath(panel);
    return face;
}

QColor PanelTextColor() {
    return {240, 230, 200};
}

void UsePanelText(QWidget* widget) {
    QPalette light = widget->palette();
    light.setColor(QPalette::WindowText, PanelTextColor());
    light.setColor(QPalette::Text, PanelTextColor());
    widget->setPalette(light);
    widget->setFont(TBorderlessDialog::DialogFont());
}
