#pragma once
// FilmView: the child widget in which a media player shows its film, placed
// over the display window at the display rectangle.
#include <QImage>
#include <QWidget>

namespace media {

class FilmView : public QWidget {
public:
    explicit FilmView(QWidget* parent);
    void showFrame(const QImage& frame);
    const QImage& frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage frame_;
};

} // namespace media
