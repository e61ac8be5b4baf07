#pragma once
// THelpItem: one help balloon over the main window. It shows a short text
// (lines separated by "*") centred on a point of the main window, either on a
// picture of the help folder or on a drawn ellipse whose colour fades into
// the screen at its rim. When shown, the balloon starts as an exact copy of
// the screen under it and fades to its own look as the shared fade clock runs
// from 0 to 1024 (Fade). A click hides it (action code 0) or calls the
// owner's action handler with the code; with the debug switch on, it can be
// dragged instead, and shows its centre while dragged, for placing balloons
// when writing the help script.
#include "controls/controlnr.h"
#include "platform/desctext.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;
class THelpItem;

// Called for a click on a balloon whose action code is not 0.
using THelpActionEvent = std::function<void(THelpItem* sender, int actionCode)>;

// The fields of a "HelpItem=" line of the help script.
struct THelpItemLine {
    int BackgroundIndex = -1; // out of range: a drawn ellipse balloon
    int ActionCode = 0;
    int FontSizeStep = 0;
    int Bold = 0;
    TPoint Centre;           // in the main window's client coordinates
    TColor BalloonColor = 0; // red in the low byte, as files hold colours
    TColor TextColor = 0;
    QString Text; // "*" separates lines
};

// Parses the value of a "HelpItem=" line (the key already cut): eight fields
// separated by commas. Throws EConvertError for a number that is not one.
THelpItemLine ParseHelpItemLine(const std::string& value);

class THelpItem {
public:
    // backgrounds, elapsed, debug and cursor belong to the owning THelp and outlive the item.
    THelpItem(QWidget* mainWindow, THelpItemLine line, const std::vector<QImage>& backgrounds,
              const int& elapsed, const int& debug, const QCursor& cursor, THelpActionEvent onAction);
    ~THelpItem();
    THelpItem(const THelpItem&) = delete;
    THelpItem& operator=(const THelpItem&) = delete;

    // Builds the balloon over the screen as it is now and shows it at fade 0.
    void Show();
    // Removes the balloon's window and its pictures.
    void Hide();
    // Blends the window's look for the current fade clock; at 1024 the
    // balloon has its final look and the pictures are let go.
    void Fade();

    bool IsShown() const { return !window_.isNull(); }
    const THelpItemLine& Line() const { return line_; }
    // The balloon's window while shown, else null.
    TControlNR* Window() const { return window_.data(); }
    // The pictures kept during the fade (null images otherwise).
    const QImage& ScreenPicture() const { return screenPicture_; }
    const QImage& BalloonPicture() const { return balloonPicture_; }

private:
    void Click();
    void DragStart(int x, int y);
    void DragMove(int x, int y);

    QPointer<QWidget> mainWindow_;
    THelpItemLine line_;
    const std::vector<QImage>& backgrounds_;
    const int& elapsed_;
    const int& debug_;
    const QCursor& cursor_;
    THelpActionEvent onAction_;

    QPointer<TControlNR> window_;
    bool dragging_ = false;
    int dragStartX_ = 0;
    int dragStartY_ = 0;
    QImage screenPicture_;
    QImage balloonPicture_;
};
