#include "dialogs/formtitle.h"

#include "controls/messagebox.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/timethread.h"
#include "scene/d3dutils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

// White is the transparent colour of every fade.
constexpr QRgb transparentWhite = 0xFFFFFF;
// The logo film's own size; it is centred on the black window.
constexpr int filmWidth = 320;
constexpr int filmHeight = 240;

QString resourceFile(const char* name) {
    return DataFile(QStringLiteral("Resource/") + name);
}

// How many picture pixels the title uses per window pixel: 2 on a dense
// screen, where the data has its pictures twice as fine.
qreal pictureRatio(const QWidget* window) {
    return window->devicePixelRatioF() > 1 ? 2 : 1;
}

// The picture as a 32-bit image at `ratio` pixels per window pixel, or
// nothing when it does not load. A picture the data lacks at that density is
// enlarged pixel for pixel (white stays exactly white), so a fade always
// mixes pictures of one density.
std::optional<QImage> loadPicture(const char* name, qreal ratio) {
    QImage picture = LoadPicture(resourceFile(name), ratio);
    if (picture.isNull()) {
        return std::nullopt;
    }
    if (picture.devicePixelRatio() != ratio) {
        picture = picture.scaled((picture.deviceIndependentSize() * ratio).toSize(), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

// Gives every widget that has not chosen its own hint time the program's.
class HintPause : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->toolTipDuration() < 0) {
                widget->setToolTipDuration(TFormTitle::HintHidePause);
            }
        }
        return false;
    }
};

} // namespace

const TFormTitle::Fade TFormTitle::Fades[5] = {
    {0, 1024, "Empty.bmp", 0, 0, 0, 0},     {1, 1024, "Bk.bmp", 200, 294, 240, 120},
    {0, 1024, "Tree.bmp", 194, 37, 0, 0},   {0, 1024, "Text.bmp", 174, 51, 0, 0},
    {2, 2048, "Bk.bmp", 174, 37, 292, 332},
};

TFormTitle::TFormTitle(std::function<void()> runMainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), runMainWindow_(std::move(runMainWindow)) {
    setObjectName("FormTitle");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    player_ = new TMediaPlayer(this);
    connect(player_, &TMediaPlayer::OnNotify, this, &TFormTitle::MediaPlayerNotify);
    connect(&idle_, &QTimer::timeout, this, &TFormTitle::AppEventsIdle);
    qApp->installEventFilter(new HintPause(this));
    AskShortcut = [this] {
        return askShortcutWithBox();
    };
    FormCreate();
}

TFormTitle::~TFormTitle() = default;

void TFormTitle::FormCreate() {
    setWindowTitle(QGuiApplication::applicationName());
    resize(640, 480);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    normalGeometry_ = QRect(desktop.x() + (desktop.width() - width()) / 2,
                            desktop.y() + (desktop.height() - height()) / 2, width(), height());
    setGeometry(normalGeometry_);

    const qreal ratio = pictureRatio(this);
    sprite_ = loadPicture(Fades[0].picture, ratio).value_or(QImage(0, 0, QImage::Format_RGB32));
    // The window is still hidden: the screen where it will appear is the desktop under it.
    base_ = QImage(size() * ratio, QImage::Format_RGB32);
    base_->setDevicePixelRatio(ratio);
    base_->fill(Qt::black);
    if (screen) {
        const QImage desktopPicture = const_cast<QScreen*>(screen)
                                          ->grabWindow(0, normalGeometry_.x() - desktop.x(),
                                                       normalGeometry_.y() - desktop.y(), width(), height())
                                          .toImage();
        if (!desktopPicture.isNull()) {
            QPainter painter(&*base_);
            painter.drawImage(QRect(QPoint(0, 0), size()), desktopPicture);
        }
    }
    screen_ = *base_;
    step_ = 0;
    stepDone_ = false;
}

bool TFormTitle::askShortcutWithBox() const {
    const QString title = QGuiApplication::applicationName();
    QMessageBox box(QMessageBox::NoIcon, title,
                    tr("Do you want to create %1 shortcut\non your desktop ?").arg(title),
                    QMessageBox::Yes | QMessageBox::No);
    box.setObjectName("ShortcutQuestion");
    FitMessageBox(box);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void TFormTitle::FormShow() {
    if (Paths.First) {
        if (AskShortcut && AskShortcut()) {
            CreateDesktopShortcut();
        }
        // Asked once: the flag is stored when the program ends.
        Paths.First = false;
    }

    if (Paths.Debug) {
        step_ = 5;
        freePictures();
        runMainWindow_();
        close();
        return;
    }

    // The film, centred on a black window over the whole screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? screen->availableGeometry() : normalGeometry_);
    show();
    player_->SetNotify(false); // used up by Open: the play notifies
    player_->SetFileName(resourceFile("Logo.avi"));
    const bool opened = player_->Open();
    player_->SetDisplay(this);
    centreFilm();
    const bool playing = opened && player_->Play();
    if (idleEnabled_) {
        idle_.start(screen && screen->refreshRate() > 0 ? int(1000 / screen->refreshRate()) : 16);
    }
    if (!playing) {
        // No film and so no end of it: go on as its end would.
        QTimer::singleShot(0, this, &TFormTitle::MediaPlayerNotify);
    }
    update();
}

void TFormTitle::centreFilm() {
    player_->SetDisplayRect(QRect((width() - filmWidth) / 2, (height() - filmHeight) / 2, 0, 0));
}

void TFormTitle::resizeEvent(QResizeEvent*) {
    if (player_->Display()) {
        centreFilm();
    }
}

void TFormTitle::MediaPlayerNotify() {
    // Only the film's end counts; the title sound's end changes nothing.
    if (!player_->Display()) {
        return;
    }
    setGeometry(normalGeometry_);
    player_->SetFileName(resourceFile("Title.wav"));
    player_->SetDisplay(nullptr);
    if (player_->Open()) {
        player_->Play();
    }
    resetClock();
    update();
}

void TFormTitle::AppEventsIdle() {
    if (player_->Display()) {
        return; // the film plays
    }
    if (step_ >= 5) {
        return; // the decorating window runs its own animation step
    }
    if (stepDone_) {
        ++step_;
        if (step_ < 5) {
            beginStep();
        } else {
            endTitle();
        }
        return;
    }
    runFade();
}

void TFormTitle::beginStep() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    stepDone_ = false;
    const Fade& fade = Fades[step_];
    if (fade.kind == 1) {
        // The piece of the picture that lies at its own place in the window.
        if (auto picture = loadPicture(fade.picture, pictureRatio(this))) {
            base_ = std::move(*picture);
        }
        sprite_ = base_->copy(PicturePixels(*base_, QRect(fade.x, fade.y, fade.width, fade.height)).toRect());
        sprite_->setDevicePixelRatio(base_->devicePixelRatio());
    } else {
        if (auto picture = loadPicture(fade.picture, pictureRatio(this))) {
            sprite_ = std::move(*picture);
        }
        if (fade.kind == 2) {
            QPainter painter(&*sprite_);
            painter.fillRect(fade.x, fade.y, fade.width, fade.height, Qt::white);
        }
    }
    // Each step fades in over what the steps before it have left.
    base_ = *screen_;
    QApplication::restoreOverrideCursor();
    resetClock();
}

void TFormTitle::runFade() {
    const Fade& fade = Fades[step_];
    int t = std::max(0, elapsed());
    if (t > fade.time) {
        // Drawn once more at full strength; the next turn starts the next step.
        stepDone_ = true;
        t = fade.time;
    }
    const int alpha = t * 1024 / fade.time;
    const int x = fade.kind == 2 ? 0 : fade.x;
    const int y = fade.kind == 2 ? 0 : fade.y;
    // The pictures' pixels: the window's, or twice as many on a dense screen.
    const int ratio = int(screen_->devicePixelRatio());
    BlendBitmap(x * ratio, y * ratio, transparentWhite, alpha, *screen_, *sprite_, *base_);
    update(QRect(QPoint(x, y), sprite_->deviceIndependentSize().toSize()));
}

void TFormTitle::Skip() {
    if (step_ >= 5) {
        return;
    }
    // The rest of the title at full strength, shown in the 640 × 480 window
    // until the decorating window covers it.
    const bool filmShowing = player_->Display() != nullptr;
    player_->Stop();
    player_->SetDisplay(nullptr);
    if (filmShowing) {
        setGeometry(normalGeometry_);
    }
    for (;;) {
        const Fade& fade = Fades[step_];
        const int x = fade.kind == 2 ? 0 : fade.x;
        const int y = fade.kind == 2 ? 0 : fade.y;
        const int ratio = int(screen_->devicePixelRatio());
        BlendBitmap(x * ratio, y * ratio, transparentWhite, 1024, *screen_, *sprite_, *base_);
        if (step_ == 4) {
            break;
        }
        ++step_;
        beginStep();
    }
    step_ = 5;
    stepDone_ = true;
    idle_.stop();
    update();
    // Not from inside the input event: the decorating window runs its own loop.
    QTimer::singleShot(0, this, &TFormTitle::endTitle);
}

void TFormTitle::mousePressEvent(QMouseEvent* event) {
    Skip();
    event->accept();
}

bool TFormTitle::SkipsTitle(int key) {
    // Only a key that asks to go on: a modifier alone (the Alt of Alt+Tab, a
    // Shift, Caps Lock) or any other key leaves the film playing.
    return key == Qt::Key_Escape || key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void TFormTitle::keyPressEvent(QKeyEvent* event) {
    if (!SkipsTitle(event->key())) {
        event->ignore();
        return;
    }
    Skip();
    event->accept();
}

void TFormTitle::endTitle() {
    idle_.stop();
    if (screen_) {
        lastFrame_ = *screen_;
    }
    freePictures();
    player_->Stop();
    player_->Close();
    // The title stays on the screen until the decorating window is there, then
    // goes out of sight until that window has closed.
    if (isVisible()) {
        qApp->installEventFilter(this);
    }
    runMainWindow_();
    qApp->removeEventFilter(this);
    close();
}

bool TFormTitle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window && window != windowHandle() && window->isTopLevel() && window->isExposed()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                hide();
                lastFrame_ = QImage();
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormTitle::freePictures() {
    screen_.reset();
    base_.reset();
    sprite_.reset();
}

int TFormTitle::elapsed() const {
    return TimeThread ? TimeThread->ElapsedMs() : 0;
}

void TFormTitle::resetClock() {
    if (TimeThread) {
        TimeThread->Reset();
    }
}

void TFormTitle::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!player_->Display() && !screen_ && !lastFrame_.isNull()) {
        painter.drawImage(event->rect(), lastFrame_, PicturePixels(lastFrame_, event->rect()));
    } else if (player_->Display() || !screen_) {
        painter.fillRect(event->rect(), Qt::black);
    } else {
        painter.drawImage(event->rect(), *screen_, PicturePixels(*screen_, event->rect()));
    }
}

void TFormTitle::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    emit finished();
}
