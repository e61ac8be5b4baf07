#pragma once
// TFormTree: the main window, a skinned borderless 640 × 480 dialog in which
// the user decorates the tree. It holds the tree (TTree) and the greeting band,
// the seven cases with their 49 toy slots, the six command buttons, and runs
// the decorating state machine and the animation step.
//
// The code is split by what it does:
//   formtree.cpp        components, show / activate / destroy, command buttons, moving the window
//   formtreepaint.cpp   painting of the window, the tree, the buttons and the cases
//   formtreeframes.cpp  the frame timer, paused while the window cannot be seen
//   greetingband.cpp    the greeting band and its editing from the keyboard
//   decorating.cpp      the pointer state machine (cases, slots, toys, turning) and IdleStep
//   music.cpp           the music button and the players
//   undo.cpp            undo and redo of the decoration's changes
#include "mainwindow/decorationhistory.h"
#include "mainwindow/formhooks.h"
#include "mainwindow/greetingcursor.h"

#include <QCursor>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class TControl0;
class THelp;
class THelpItem;
class TControlNR;
class TFocusFrame;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPainter;
class TDescToy;
class TMediaPlayer;
class TSoundPlayer;
class TToy;
class TTree;
class TWindowCover;
namespace media {
class AudioDevice;
}

class TFormTree : public QDialog {
    Q_OBJECT
public:
    // InputState values (besides the pointer over a half of the tree or a slot,
    // bit 7 marks a held left button).
    enum : int {
        StateRest = 0,
        StateTreeLeft = 1,
        StateTreeRight = 2,
        StateSlot = 4,
        StateFalling = 5,
        StateLanding = 6,
        StateHeld = 128,
        StateTurnLeft = 129,
        StateTurnRight = 130,
        StateRemove = 131,
        StateDragSlot = 132,
    };
    // The program's cursors by number: 1 ROTATEL, 2 ROTATER, 3 DRAG, 4 CLICK.
    enum Cursor : int { crRotateL = 1, crRotateR = 2, crDrag = 3, crClick = 4 };

    explicit TFormTree(TFormHooks hooks = {}, QWidget* parent = nullptr);
    ~TFormTree() override;

    // Ends the window as Exit and Yes do, without asking: at logout and on a
    // termination signal. A toy still falling or landing is taken off first,
    // so it is not saved half-way down.
    void CloseWithoutAsking();

    // The hooks to the dialogs; the entry may fill them after construction.
    TFormHooks& hooks() { return hooks_; }

    // One animation step; a frame timer calls it once per display frame.
    void IdleStep();
    // The step's timer interval in milliseconds (the screen's refresh rate).
    int FrameInterval() const { return frameTimer_.interval(); }
    // Whether any of the window can be seen: a minimised window, one covered by
    // others or one on another workspace is not stepped (the time thread keeps
    // counting, so what was moving catches up when the window shows again).
    bool WindowExposed() const;
    bool Stepping() const { return frameTimer_.isActive(); }

    // The dialogs read these (greeting editor, driver dialog, About box, output dialog).
    TTree* tree() const { return tree_.get(); }
    const QImage& BackgroundPicture() const { return background_; }
    const QImage& CasesPicture() const { return cases_; }
    const QImage& ButtonsPicture() const { return buttons_; }
    const QImage& SetupPicture() const { return setup_; }
    const QImage& AboutPicture() const { return about_; }
    const QImage& OutPicture() const { return out_; }
    TControl0* WelcomeBand() const { return Welcome; }
    TControl0* treeControl() const { return TreeControl; }
    QCursor ProgramCursor(int number) const;

    // The greeting band: editing mode (the caret shows) and a repaint after a change.
    bool WelcomeEditing() const;
    void SetWelcomeEditing(bool editing);
    void RepaintWelcome();
    // Draws the greeting fitted into (x, y, width, height), as the band does;
    // the output dialog uses it without the caret for its picture.
    void TextFit(QPainter& canvas, int x, int y, int width, int height, bool caret) const;

    // Undo and redo (Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y): false when there was
    // nothing to do, or while a toy is carried, falling or landing.
    bool Undo();
    bool Redo();
    TDecorationHistory* history() const { return history_.get(); }

    // The help balloons' action handler: 1 shows the About box's information,
    // 2 hides the balloons; other codes do nothing.
    void HelpAction(THelpItem* balloon, int action);
    // The balloons, read from the help script when first asked for once the
    // window has been shown (most sessions never open them); none before.
    THelp* help();
    bool IsHelpShowing() const;

    // State, for the dialogs and for tests.
    int InputState = StateRest;
    int AutoRotate = 0;
    TToy* DropToy = nullptr;
    TControlNR* DraggedSlot = nullptr;
    int LastTick = 0;

    // The handlers of the components (public so that the controls' events and
    // the tests can reach them; each is named after its component and event).
    void FormShow();
    void FormActivate();
    void NotWelcomeClick();
    void Control0NotWelcomeClick();
    void WelcomeClick();
    void WelcomeKeyPress(int key, const QString& text);
    // The band as a text field: the keys that move the caret, select and go
    // through the clipboard (true when the key was the band's), and the
    // presses, double and triple clicks and drags on it.
    bool WelcomeEditKey(QKeyEvent* event);
    void WelcomeMouse(QMouseEvent* event);
    // The band's caret and selection in the greeting as it is now.
    const TGreetingCursor& WelcomeCursor();
    void bOutClick();
    void bWelcomeClick();
    void bMusicMouseUp(Qt::MouseButton button, int x, int y);
    void bOptionsClick();
    void b2HelpClick();
    void b2QuitClick();
    // Saves the decoration as the program ends. When the file can't be
    // written, a box says why and offers Retry or Quit without saving; either
    // way the tree writes nothing more afterwards. A decoration whose file
    // failed to load is not saved (the user was told at the start).
    void SaveDecoration();
    void CaseClick(TControl0* sender);
    void ToyMouseEnter(TControl0* sender);
    void ToyMouseLeave(TControl0* sender);
    void ToyMouseDown(TControl0* sender, Qt::MouseButton button);
    void ToyMouseMove(TControl0* sender, int x, int y);
    void ToyMouseUp(TControl0* sender, int x, int y);
    void TreeMouseDown(Qt::MouseButton button, int x, int y);
    void TreeMouseUp(int x, int y);
    void TreeMouseMove(int x, int y);
    void TreeControlDblClick();
    void FormMouseMove();

    // Keyboard decorating (keyboard.cpp): Tab moves the focus, Enter or Space
    // clicks; on a slot Enter picks the toy up and the arrow keys carry it
    // over the tree, shown by the target marker; Enter hangs it, Escape puts
    // it back. On the tree the arrows move the marker, Delete removes the toy
    // nearest to it, Page Up / Page Down turn the tree.
    bool KeyboardAction(QKeyEvent* event);
    void PickUpSlot(TControlNR* slot);
    void HangCarried();
    void PutBackCarried();
    void MoveMarker(QPoint by);
    void RemoveNearestToy();
    void TurnByKey(bool left);
    TControlNR* CarriedSlot() const { return carriedSlot_; }
    // The target marker, in tree control pixels.
    QPoint Marker() const { return marker_; }
    void SetMarker(QPoint p);
    bool MarkerShown() const;
    // Steps of the marker and of the tree per key press.
    static constexpr int MarkerStep = 8;
    static constexpr int MarkerFineStep = 1;
    static constexpr int TurnsPerRound = 16;

    // Music (music.cpp): restarts the current song when music is on; the
    // player that plays landing and fetch sounds.
    void RestartMusic();
    TSoundPlayer* DropMediaPlayer() const;
    void MediaPlayerNotify();
    void DropMediaPlayerNotify();
    // The two hidden players: the songs, and the landing and fetch sounds.
    TMediaPlayer* MediaPlayer = nullptr;
    TMediaPlayer* DropPlayer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // The window manager's close and Escape of a dialog: quitting goes through
    // the exit question (b2QuitClick).
    void reject() override;

private:
    void createComponents();
    void createPlayers();
    void loadPictures();
    void createTree();
    void placeSlots();
    void loadCursors();
    void FormDestroy();
    void startFrameTimer();
    // Runs the frame timer while the window is exposed and stops it while not.
    void followExposure();
    // The one place the scene is drawn from the window's step.
    void RenderTree();
    bool ToysAnimate() const;
    bool DialogShowing() const;
    void HourglassOn();
    void HourglassOff();
    void closeAfterYes();
    void ReleaseToyAt(TDescToy& descToy, QPoint p);
    void setupKeyboard();
    // Names and descriptions for screen readers (accessibility.cpp).
    void setupAccessibility();
    void NameSlots();
    void NameTree();
    void clickByKey(TControl0* control);
    void placeCarried();
    void DrawMarker(QPainter& canvas) const;
    // A greeting editing session (the band's or the editor's) is one step.
    void BeginGreetingSession();
    void EndGreetingSession();
    bool HistoryLocked() const;
    void SettingsRestored(const TDecorationSettings& previous);

    void ButtonPaint(TControl0* sender);
    void Button2Paint(TControl0* sender);
    void CasePaint(TControl0* sender);
    void TreePaint();
    void WelcomePaint();
    void createWelcomeHint();
    void showWelcomeCursor();
    QString welcomeText() const;
    // Puts an edit of the band into the tree and repaints.
    void setWelcomeText(const QString& text);

    TFormHooks hooks_;

    // Components.
    TControl0* Welcome = nullptr;
    TControl0* TreeControl = nullptr;
    TControl0* bOut = nullptr;
    TControl0* bWelcome = nullptr;
    TControl0* bMusic = nullptr;
    TControl0* bOptions = nullptr;
    TControl0* b2Help = nullptr;
    TControl0* b2Quit = nullptr;
    std::array<TControlNR*, 7> Cases{};
    std::array<TControl0*, 7> Positions{};
    std::array<TControlNR*, 49> Toys{};

    // Pictures: the window face and the sprite sheets lent to the dialogs.
    QImage background_;
    QImage cases_;
    QImage buttons_;
    QImage setup_;
    QImage about_;
    QImage out_;
    std::unique_ptr<TTree> tree_;
    std::unique_ptr<THelp> help_;
    // Held while music is on: the audio device and the synthesiser with its
    // soundfont stay open across songs and sounds.
    std::shared_ptr<media::AudioDevice> audio_;
    std::unique_ptr<TDecorationHistory> history_;
    std::optional<TDecorationSettings> greetingBefore_;

    // The band's caret and selection, and the text they were set in.
    TGreetingCursor greetingCursor_;
    QString cursorText_;
    // The last double click on the band (a press soon after it is a triple click).
    struct BandClick {
        quint64 time = 0;
        QPoint at;
    };
    std::optional<BandClick> lastDoubleClick_;
    // A press (not a double or triple click) may be dragged to select.
    bool selectingByDrag_ = false;
    bool tripleClick_ = false;
    // Shown under the band while a greeting too long to read is edited.
    QLabel* welcomeHint_ = nullptr;
    std::array<QCursor, 5> cursors_;

    // Where the dragged slot sat, and its point that follows the pointer.
    int slotHomeLeft_ = 0;
    int slotHomeTop_ = 0;
    int grabX_ = 0;
    int grabY_ = 0;

    // Keyboard decorating.
    TFocusFrame* focusFrame_ = nullptr;
    TControlNR* carriedSlot_ = nullptr;
    QPoint marker_;
    int markerOver_ = 0; // what lies under the marker: a TPickResult::Kind

    QTimer frameTimer_;
    bool shown_ = false;
    bool firstActivation_ = true;
    bool closing_ = false;
    // The frame timer belongs to a shown window that is not closing; it runs
    // only while the window is exposed.
    bool stepping_ = false;
    // Whether other windows cover all of this one (Qt still calls it exposed).
    TWindowCover* cover_ = nullptr;
    int hourglass_ = 0;
    // Moving the window by hand when no window manager does it.
    bool movingByHand_ = false;
    QPoint moveOffset_;
};

// The toy description a slot is bound to (null for an empty slot).
TDescToy* SlotDescToy(const QWidget* slot);

// The one main window, set by the program's entry (the dialogs reach it here).
extern TFormTree* FormTree;
