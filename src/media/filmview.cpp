#include "media/filmview.h"

#include <QPainter>

namespace media {

FilmView::FilmView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FilmView::showFrame(const QImage& frame) {
    frame_ = frame;
    update();
}

void FilmView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (frame_.isNull()) {
        painter.fillRect(rect(), Qt::black);
    } else {
        // A rectangle other than the film's own size stretches the film to it.
        painter.drawImage(rect(), frame_);
    }
}

} // namespace media
