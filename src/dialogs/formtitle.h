#pragma once
// TFormTitle: the window that opens the program. On the first run it offers a
// desktop launcher; then it plays the logo film on a black full-screen window,
// turns into a 640 × 480 window that seems to come out of the desktop, plays
// the title sound and builds the title picture in five cross-fades; then it
// runs the decorating window and closes when that window has closed. With the
// debug switch the film and the fades are skipped.
//
//   TFormTitle title([&] { formTree.exec(); });
//   QObject::connect(&title, &TFormTitle::finished, &app, &QApplication::quit);
//   title.FormShow();
#include "media/mediaplayer.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class TFormTitle : public QWidget {
    Q_OBJECT
public:
    // runMainWindow shows the decorating window modally and returns when it has closed.
    explicit TFormTitle(std::function<void()> runMainWindow, QWidget* parent = nullptr);
    ~TFormTitle() override;

    // One row of the fade table: how the step's sprite is made, how long it
    // fades in (milliseconds of the program's clock), which picture, where.
    struct Fade {
        int kind; // 0: the whole picture at (x, y); 1: its (x, y, w, h) piece, in place; 2: the whole
                  // picture at (0, 0) with (x, y, w, h) left alone
        int time;
        const char* picture;
        int x, y, width, height;
    };
    static const Fade Fades[5];
    // How long a hint stays up in every window of the program: an hour, so
    // that nobody has to hurry reading one.
    static constexpr int HintHidePause = 3600000;

    // Starts the title: the launcher question on the first run, then the film
    // (or, with the debug switch, the decorating window at once).
    void FormShow();
    // The end of a play: the film's end starts the fades; any other end (the
    // title sound's) changes nothing.
    void MediaPlayerNotify();
    // One turn of the title's animation; a frame timer calls it.
    void AppEventsIdle();
    // Closing is allowed only once the title pictures are gone.
    bool FormCloseQuery() const { return !screen_; }
    // A click, Escape, Space or Enter during the film or the fades: the title ends at once and
    // the decorating window comes (on the next turn of the event loop).
    void Skip();
    // The keys that skip the title: Escape, Space and Enter.
    static bool SkipsTitle(int key);

    // What tests look at.
    int Step() const { return step_; }
    bool StepDone() const { return stepDone_; }
    const QImage* ScreenPicture() const { return screen_ ? &*screen_ : nullptr; }
    const QImage* SpritePicture() const { return sprite_ ? &*sprite_ : nullptr; }
    TMediaPlayer& MediaPlayer() { return *player_; }
    void SetIdleTimerEnabled(bool enabled) { idleEnabled_ = enabled; }

    // The launcher question; the default asks with a message box (Yes is the
    // default button). True for Yes.
    std::function<bool()> AskShortcut;

signals:
    // The title window has closed after the decorating window: the program ends.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    bool askShortcutWithBox() const;
    void centreFilm();
    void beginStep();
    void runFade();
    void endTitle();
    void freePictures();
    int elapsed() const;
    void resetClock();

    std::function<void()> runMainWindow_;
    TMediaPlayer* player_ = nullptr; // a child
    QTimer idle_;
    bool idleEnabled_ = true;
    QRect normalGeometry_;

    std::optional<QImage> sprite_;
    std::optional<QImage> base_;
    std::optional<QImage> screen_;
    // What the window shows after its pictures are gone, until the decorating
    // window is on the screen: the finished title, so there is never a moment
    // without a window.
    QImage lastFrame_;
    int step_ = 0;
    bool stepDone_ = false;
};
