#pragma once
// THelp: the help balloons of the main window, read from a help script (a
// description-style file, "Data/Help/desc_hlp"):
//
//   HelpBk=Balloon.bmp,BalloonUp.bmp     balloon pictures, in order (index 0 first)
//   Debug=0                              non-zero: balloons are dragged, not clicked
//   HelpItem=1,0,0,1,90:66,FF:F6:E0,5A:10:14,First line*second line
//            picture index (out of range: a drawn ellipse), action code, font size
//            step, bold, centre x:y in the window, balloon colour, text colour, text
//
// Start shows every balloon as a copy of the screen under it and fades them to
// their own look over eight ticks of a 128 ms timer; Stop hides them; Toggle
// is what the Help button does. A click on a balloon with action code 0 hides
// it; any other code goes to the action handler. Escape, pressed anywhere in
// the main window while balloons show, does what the balloon with action code
// 2 ("Close the help") does, or hides them all when the script has none. A missing script gives no
// balloons; a line that cannot be read is skipped with a warning on stderr.
//
// The main window owns one, made when the balloons are first asked for:
//
//   help_ = std::make_unique<THelp>(this, DataFile("Help/"), "desc_hlp",
//                                   [this](THelpItem* balloon, int code) { HelpAction(balloon, code); });
//   help_->SetBalloonCursor(the CLICK cursor);
//   void TFormTree::b2HelpClick(TControl0*) {     // hourglass on/off around it
//       help_->Toggle();
//       TimeThread->Reset();
//   }
//   // HelpAction: code 1 opens the About box (ShowInfo), code 2 calls b2HelpClick.
//   // While help_->IsShowing(), toys, cases, the greeting band, the output,
//   // greeting and driver buttons and IdleStep do nothing.
//
// The balloons are child widgets of the main window; THelp may be destroyed
// before or after it.
#include "help/helpitem.h"

#include <QCursor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class QWidget;

class THelp {
public:
    // Reads helpFolder + scriptName (the folder may end with "/" or not) and
    // the balloon pictures it names, relative to helpFolder.
    THelp(QWidget* mainWindow, const QString& helpFolder, const QString& scriptName,
          THelpActionEvent onAction);
    ~THelp();
    THelp(const THelp&) = delete;
    THelp& operator=(const THelp&) = delete;

    // True while at least one balloon is shown.
    bool IsShowing() const;
    // Shows every balloon at fade 0 and starts the fade timer.
    void Start();
    // Hides every balloon.
    void Stop();
    // Stop when showing, else Start: the Help button.
    void Toggle();
    // The mouse cursor over balloons shown from now on (clickable ones only;
    // debug balloons keep the arrow).
    void SetBalloonCursor(const QCursor& cursor) { balloonCursor_ = cursor; }
    const QCursor& BalloonCursor() const { return balloonCursor_; }
    // Escape while balloons show: the action of the first balloon with code 2,
    // else Stop. Returns false (and does nothing) while none shows.
    bool CloseByKey();
    // One tick of the fade timer: the clock advances by 128 ms up to 1024,
    // where the timer stops, and every balloon fades to the new value.
    void OnTimer();

    const std::vector<std::unique_ptr<THelpItem>>& Items() const { return items_; }
    // The "HelpBk=" pictures; one that could not be loaded is a null image.
    const std::vector<QImage>& Backgrounds() const { return backgrounds_; }
    int Elapsed() const { return elapsed_; }
    int Debug() const { return debug_; }
    const QTimer& FadeTimer() const { return timer_; }
    // The script's lines that were skipped, as "FILE:LINE: message".
    const std::vector<std::string>& Warnings() const { return warnings_; }

    // Balloons a script may show at once, and background pictures it may name:
    // each balloon is a window of its own with its picture, so a damaged script
    // of thousands of lines would take the machine's memory.
    static constexpr std::size_t MaxItems = 64;
    static constexpr std::size_t MaxBackgrounds = 16;
    static constexpr long long MaxScriptBytes = 1 << 20;
    static constexpr int FadeInterval = 128;
    static constexpr int FadeEnd = 1024;

private:
    void ReadScript(const QString& helpFolder, const QString& path, QWidget* mainWindow,
                    const THelpActionEvent& onAction);

    std::vector<std::unique_ptr<THelpItem>> items_;
    std::vector<QImage> backgrounds_;
    THelpActionEvent onAction_;
    // Sees Escape before the main window's controls do.
    std::unique_ptr<QObject> escapeKey_;
    QTimer timer_;
    int elapsed_ = 0;
    int debug_ = 0;
    QCursor balloonCursor_;
    std::vector<std::string> warnings_;
};
