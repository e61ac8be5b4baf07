#include "help/helpitem.h"

#include "platform/picture.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Point sizes a balloon's text may take, whatever the script's size step.
constexpr int MinFontSize = 1;
constexpr int MaxFontSize = 96;
// The fade clock's full scale.
constexpr int FadeEnd = 1024;

QColor toQColor(TColor color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The balloon's window: a shaped control whose look is written in place while
// the balloon fades, with the centre written over it as it is dragged.
class THelpWindow : public TControlNR {
public:
    using TControlNR::TControlNR;

    QImage Look;
    QFont CaptionFont;
    QColor CaptionColor;
    QString DragText;
    QPoint DragTextAt;

protected:
    void Paint() override {
        QPainter* canvas = Canvas();
        if (Look.isNull()) {
            TControlNR::Paint();
        } else {
            canvas->drawImage(0, 0, Look);
        }
        if (!DragText.isEmpty()) {
            canvas->setFont(CaptionFont);
            canvas->setPen(CaptionColor);
            canvas->setBackgroundMode(Qt::OpaqueMode);
            canvas->setBackground(Qt::white);
            canvas->drawText(DragTextAt + QPoint(0, QFontMetrics(CaptionFont).ascent()), DragText);
            // Written over this one paint only: the next repaint shows the balloon alone.
            DragText.clear();
        }
    }
};

// The balloon's font: the desktop's default size plus the script's step.
QFont balloonFont(const THelpItemLine& line) {
    QFont font = QGuiApplication::font();
    const int defaultSize = font.pointSize() > 0 ? font.pointSize() : 9;
    const long long size = static_cast<long long>(defaultSize) + line.FontSizeStep;
    font.setPointSize(static_cast<int>(std::clamp<long long>(size, MinFontSize, MaxFontSize)));
    font.setBold(line.Bold != 0);
    return font;
}

// What the screen shows in the rectangle at `corner` (main window coordinates),
// at `ratio` pixels per window pixel. Where the screen cannot be read (some
// compositors refuse), the main window's own rendering of that rectangle
// stands in.
QImage captureScreen(QWidget* mainWindow, QPoint corner, QSize size, qreal ratio) {
    QImage picture(size * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    if (picture.isNull()) {
        return picture;
    }
    QScreen* screen = mainWindow->screen() ? mainWindow->screen() : QGuiApplication::primaryScreen();
    QImage grabbed;
    if (screen) {
        const QPoint at = mainWindow->mapToGlobal(corner) - screen->geometry().topLeft();
        grabbed = screen->grabWindow(0, at.x(), at.y(), size.width(), size.height()).toImage();
    }
    QPainter painter(&picture);
    if (!grabbed.isNull()) {
        // Pictures of scaled screens come in device pixels.
        painter.drawImage(QRect(QPoint(0, 0), size), grabbed);
    } else {
        painter.end();
        mainWindow->render(&picture, QPoint(), QRegion(QRect(corner, size)));
    }
    return picture;
}

// Ellipse balloon: the balloon colour at the centre fading into the screen
// picture at the rim; outside the ellipse the picture keeps its white fill.
void paintEllipse(QImage& balloon, const QImage& screen, TColor color, int halfWidth, int halfHeight) {
    if (halfWidth <= 0 || halfHeight <= 0) {
        return;
    }
    const double c[3] = {double(color & 0xFF), double((color >> 8) & 0xFF), double((color >> 16) & 0xFF)};
    for (int y = 0; y < balloon.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(balloon.scanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        const double dy = double(y - halfHeight) / halfHeight;
        for (int x = 0; x < balloon.width(); ++x) {
            const double dx = double(x - halfWidth) / halfWidth;
            const double d = dx * dx + dy * dy;
            if (d > 1.0) {
                continue;
            }
            const double s[3] = {double(qRed(under[x])), double(qGreen(under[x])), double(qBlue(under[x]))};
            int rgb[3];
            for (int i = 0; i < 3; ++i) {
                rgb[i] = static_cast<int>(c[i] * (1.0 - d) + s[i] * d);
            }
            out[x] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
    }
}

} // namespace

THelpItemLine ParseHelpItemLine(const std::string& value) {
    auto field = [&value](int n) {
        return ExtractWord(n, value, ",");
    };
    THelpItemLine line;
    line.BackgroundIndex = StrToInt(field(1));
    line.ActionCode = StrToInt(field(2));
    line.FontSizeStep = StrToInt(field(3));
    line.Bold = StrToInt(field(4));
    line.Centre = StrToPoint(field(5));
    line.BalloonColor = StrToColor(field(6));
    line.TextColor = StrToColor(field(7));
    // The script is written in English; a balloon speaks the running
    // language when the program's translation has its text.
    const std::string text = field(8);
    line.Text = QCoreApplication::translate("HelpScript", text.c_str());
    return line;
}

THelpItem::THelpItem(QWidget* mainWindow, THelpItemLine line, const std::vector<QImage>& backgrounds,
                     const int& elapsed, const int& debug, const QCursor& cursor, THelpActionEvent onAction)
    : mainWindow_(mainWindow), line_(std::move(line)), backgrounds_(backgrounds), elapsed_(elapsed),
      debug_(debug), cursor_(cursor), onAction_(std::move(onAction)) {}

THelpItem::~THelpItem() {
    Hide();
}

void THelpItem::Show() {
    Hide();
    if (!mainWindow_) {
        return;
    }
    const int index = line_.BackgroundIndex;
    const bool ellipse = index < 0 || static_cast<std::size_t>(index) >= backgrounds_.size();

    // Measure the lines with the balloon's font.
    const QFont font = balloonFont(line_);
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &probe);
    const QStringList lines = line_.Text.split(QLatin1Char('*'));
    const int n = static_cast<int>(lines.size());
    std::vector<int> widths;
    int widest = 0;
    int totalHeight = 0;
    for (const QString& text : lines) {
        widths.push_back(metrics.horizontalAdvance(text));
        widest = std::max(widest, widths.back());
        totalHeight += metrics.height();
    }

    // Size the balloon: an ellipse around the text, or the background picture.
    const int halfHeight = n == 1 ? totalHeight + totalHeight / 2 : totalHeight;
    QSize size;
    if (ellipse) {
        size = QSize(2 * widest, 2 * halfHeight);
        balloonPicture_ = QImage(size, QImage::Format_RGB32);
        balloonPicture_.fill(Qt::white);
    } else {
        // The outline is cut along the colour the picture stores, whatever its alpha.
        balloonPicture_ = WithoutAlpha(backgrounds_[static_cast<std::size_t>(index)]);
        // A picture drawn for a dense screen paints at its size in window pixels.
        size = balloonPicture_.deviceIndependentSize().toSize();
    }
    // Text is measured and written at the same resolution, whatever a picture file says.
    balloonPicture_.setDotsPerMeterX(probe.dotsPerMeterX());
    balloonPicture_.setDotsPerMeterY(probe.dotsPerMeterY());
    const int w = size.width();
    const int h = size.height();
    const QPoint corner(line_.Centre.x - w / 2, line_.Centre.y - h / 2);
    screenPicture_ = captureScreen(mainWindow_, corner, size, balloonPicture_.devicePixelRatio());
    // The window's outline: the picture's (or the ellipse's) cut-away colour.
    QImage outline;

    if (ellipse) {
        paintEllipse(balloonPicture_, screenPicture_, line_.BalloonColor, widest, halfHeight);
    } else if (const QImage& background = backgrounds_[static_cast<std::size_t>(index)];
               background.hasAlphaChannel() && !screenPicture_.isNull()) {
        // A picture with coverage (drawn for a dense screen) lies over the
        // screen by its alpha: its edge is smooth inside the window's outline.
        outline = balloonPicture_;
        balloonPicture_ = screenPicture_.convertToFormat(QImage::Format_RGB32);
        QPainter(&balloonPicture_).drawImage(0, 0, background);
        balloonPicture_.setDotsPerMeterX(probe.dotsPerMeterX());
        balloonPicture_.setDotsPerMeterY(probe.dotsPerMeterY());
    }
    if (!balloonPicture_.isNull()) {
        QPainter canvas(&balloonPicture_);
        canvas.setFont(font);
        canvas.setPen(toQColor(line_.TextColor));
        canvas.setBackgroundMode(Qt::TransparentMode);
        for (int i = 0; i < n; ++i) {
            const int x = (w - widths[std::size_t(i)]) / 2;
            const int y = (h - totalHeight) / 2 + (totalHeight / n) * i;
            canvas.drawText(x, y + metrics.ascent(), lines[i]);
        }
    }
    if (outline.isNull()) {
        outline = balloonPicture_;
    }

    // The window, cut along the colour of the picture's top-left pixel.
    auto* window = new THelpWindow(mainWindow_);
    window->hide();
    window->move(corner);
    if (balloonPicture_.isNull()) {
        window->resize(w, h); // nothing to see: a window of no width or height
    } else {
        window->SetShape(outline, w, h, outline.pixel(0, 0));
    }
    window->Look = balloonPicture_.copy();
    window->CaptionFont = font;
    window->CaptionColor = toQColor(line_.TextColor);
    if (debug_ != 0) {
        window->OnMouseDown = [this](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            DragStart(x, y);
        };
        window->OnMouseMove = [this](TControl0*, Qt::KeyboardModifiers, int x, int y) {
            DragMove(x, y);
        };
        window->OnMouseUp = [this](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            dragging_ = false;
        };
    } else {
        window->OnClick = [this](TControl0*) {
            Click();
        };
        window->setCursor(cursor_);
    }
    window_ = window;

    // At fade 0 the balloon looks exactly like the screen under it.
    dragging_ = false;
    Fade();
    window->raise();
    window->show();
}

void THelpItem::Hide() {
    if (TControlNR* window = window_.data()) {
        window_.clear();
        window->hide();
        // The window may be the one whose click is being handled: it goes
        // once that event is over.
        window->deleteLater();
    }
    screenPicture_ = QImage();
    balloonPicture_ = QImage();
    dragging_ = false;
}

void THelpItem::Fade() {
    if (!window_ || screenPicture_.isNull() || balloonPicture_.isNull()) {
        return;
    }
    auto* window = static_cast<THelpWindow*>(window_.data());
    QImage& look = window->Look;
    const int w = std::min({look.width(), screenPicture_.width(), balloonPicture_.width()});
    const int h = std::min({look.height(), screenPicture_.height(), balloonPicture_.height()});
    const quint32 a = static_cast<quint32>(std::clamp(elapsed_, 0, FadeEnd));
    const quint32 rest = FadeEnd - a;
    for (int y = 0; y < h; ++y) {
        const auto* balloon = reinterpret_cast<const quint32*>(balloonPicture_.constScanLine(y));
        const auto* screen = reinterpret_cast<const quint32*>(screenPicture_.constScanLine(y));
        auto* out = reinterpret_cast<quint32*>(look.scanLine(y));
        for (int x = 0; x < w; ++x) {
            quint32 pixel = out[x] & 0xFF000000u; // the fourth byte stays
            for (int shift = 0; shift < 24; shift += 8) {
                const quint32 b = (balloon[x] >> shift) & 0xFF;
                const quint32 s = (screen[x] >> shift) & 0xFF;
                pixel |= ((a * b + rest * s) >> 10) << shift;
            }
            out[x] = pixel;
        }
    }
    if (a == FadeEnd) {
        // The window keeps the finished look.
        screenPicture_ = QImage();
        balloonPicture_ = QImage();
    }
    window->update();
}

void THelpItem::Click() {
    if (line_.ActionCode == 0) {
        Hide();
    } else if (onAction_) {
        onAction_(this, line_.ActionCode);
    }
}

void THelpItem::DragStart(int x, int y) {
    dragging_ = true;
    dragStartX_ = x;
    dragStartY_ = y;
}

void THelpItem::DragMove(int x, int y) {
    auto* window = static_cast<THelpWindow*>(window_.data());
    if (!dragging_ || !window) {
        return;
    }
    window->move(window->pos() + QPoint(x - dragStartX_, y - dragStartY_));
    // The centre as the help script writes it, shown where the drag began.
    window->DragText =
        QString("%1:%2").arg(window->x() + window->width() / 2).arg(window->y() + window->height() / 2);
    window->DragTextAt = QPoint(dragStartX_, dragStartY_);
    window->update();
}
