// TFormTree: the greeting band across the top, a text field on the ribbon. A
// press on it starts editing with the caret where it was pressed; dragging,
// Shift with the arrows, Home and End, Ctrl+A, a double click (a word) and a
// triple click (everything) select; typing, Backspace and Delete replace the
// selection; Ctrl+C, Ctrl+X and Ctrl+V go through the clipboard. A press
// anywhere else, Enter or Escape ends editing. The greeting and its font are
// the tree's; a greeting too long to read on the ribbon shows a hint under it.
#include "controls/control0.h"
#include "mainwindow/formtree.h"
#include "mainwindow/greetinglayout.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "mainwindow/textfit.h"
#include "scene/tree.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

namespace {

// Where the greeting lies in the band.
QRect bandTextRect() {
    return layout::WelcomeText.translated(-layout::Welcome.topLeft());
}

} // namespace

bool TFormTree::WelcomeEditing() const {
    return Welcome->Tag != 0;
}

void TFormTree::SetWelcomeEditing(bool editing) {
    Welcome->Tag = editing ? 1 : 0;
    showWelcomeCursor();
    if (editing) {
        BeginGreetingSession();
        greetingCursor_.Reset(welcomeText());
    } else {
        EndGreetingSession();
    }
    RepaintWelcome();
}

void TFormTree::showWelcomeCursor() {
    // The text cursor over the band while it takes text, the wand while a
    // click starts editing.
    Welcome->setCursor(WelcomeEditing() ? QCursor(Qt::IBeamCursor) : cursors_[crClick]);
}

QString TFormTree::welcomeText() const {
    return tree_ ? QString::fromStdString(tree_->WelcomeText) : QString();
}

void TFormTree::setWelcomeText(const QString& text) {
    if (tree_) {
        tree_->WelcomeText = text.toStdString();
    }
    cursorText_ = text;
    RepaintWelcome();
}

const TGreetingCursor& TFormTree::WelcomeCursor() {
    // The editor, undo or a load may have changed the text: the caret goes to its end.
    const QString text = welcomeText();
    if (text != cursorText_) {
        greetingCursor_.Reset(text);
        cursorText_ = text;
    }
    return greetingCursor_;
}

void TFormTree::RepaintWelcome() {
    Welcome->update();
    if (QAccessible::isActive() && tree_) {
        // A screen reader follows the greeting as it is typed, and the caret
        // and the selection as they move.
        QAccessibleValueChangeEvent changed(Welcome, QString::fromStdString(tree_->WelcomeText));
        QAccessible::updateAccessibility(&changed);
        const TGreetingCursor& cursor = WelcomeCursor();
        QAccessibleTextCursorEvent moved(Welcome, cursor.Caret());
        QAccessible::updateAccessibility(&moved);
        QAccessibleTextSelectionEvent selected(Welcome, cursor.SelectionStart(), cursor.SelectionEnd());
        QAccessible::updateAccessibility(&selected);
    }
}

void TFormTree::WelcomeClick() {
    if (IsHelpShowing()) {
        return;
    }
    if (!WelcomeEditing()) {
        SetWelcomeEditing(true);
    }
}

void TFormTree::NotWelcomeClick() {
    if (WelcomeEditing()) {
        SetWelcomeEditing(false);
    }
}

void TFormTree::Control0NotWelcomeClick() {
    NotWelcomeClick();
}

void TFormTree::WelcomeKeyPress(int key, const QString& text) {
    if (!WelcomeEditing() || !tree_) {
        return;
    }
    WelcomeCursor();
    QString greeting = welcomeText();
    if (key == Qt::Key_Backspace) {
        greetingCursor_.Backspace(greeting);
    } else if (key == Qt::Key_Delete) {
        greetingCursor_.Delete(greeting);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        Welcome->Tag = 0;
        showWelcomeCursor();
        EndGreetingSession();
    } else if (!TGreetingCursor::Printable(text).isEmpty()) {
        // The description file keeps a greeting of a bounded length: typing
        // stops there rather than losing the end at the next start.
        greetingCursor_.Insert(greeting, text, static_cast<qsizetype>(MaxGreetingLength));
    }
    setWelcomeText(greeting);
}

bool TFormTree::WelcomeEditKey(QKeyEvent* event) {
    if (!tree_) {
        return false;
    }
    using Step = TGreetingCursor::Step;
    struct Motion {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        Step step;
    };
    static constexpr Motion motions[] = {
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Step::Left},
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Step::Right},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Step::WordLeft},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Step::WordRight},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Step::Home},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Step::End},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Step::Home},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Step::End},
    };
    WelcomeCursor();
    QString greeting = welcomeText();
    for (const Motion& motion : motions) {
        const bool select = event->matches(motion.select);
        if (select || event->matches(motion.move)) {
            greetingCursor_.Move(greeting, motion.step, select);
            RepaintWelcome();
            return true;
        }
    }
    // Up and Down move between the ribbon's two lines, keeping the caret's place.
    const bool up =
        event->matches(QKeySequence::MoveToPreviousLine) || event->matches(QKeySequence::SelectPreviousLine);
    if (up || event->matches(QKeySequence::MoveToNextLine) || event->matches(QKeySequence::SelectNextLine)) {
        const TGreetingLayout layout(greeting, TreeGreetingStyle(*tree_), bandTextRect());
        const QRect caret = layout.CursorRect(greetingCursor_.Caret());
        const QPoint target(caret.x(), up ? caret.top() - 1 : caret.bottom() + 1);
        const bool onSecondLine = layout.LineCount() == 2 && greetingCursor_.Caret() >= layout.BreakAt();
        if (layout.LineCount() == 2 && onSecondLine == up) {
            greetingCursor_.SetCaret(greeting, layout.CursorAt(target),
                                     event->matches(QKeySequence::SelectPreviousLine) ||
                                         event->matches(QKeySequence::SelectNextLine));
            RepaintWelcome();
        }
        return true;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        greetingCursor_.SelectAll(greeting);
        RepaintWelcome();
        return true;
    }
    // Without a selection Ctrl+C copies the card, as outside the band.
    if ((event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) &&
        greetingCursor_.HasSelection()) {
        QGuiApplication::clipboard()->setText(greetingCursor_.SelectedText(greeting));
        if (event->matches(QKeySequence::Cut)) {
            greetingCursor_.Backspace(greeting);
            setWelcomeText(greeting);
        }
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        // Nothing to paste leaves the selection alone.
        if (TGreetingCursor::Printable(QGuiApplication::clipboard()->text()).isEmpty()) {
            return true;
        }
        greetingCursor_.Insert(greeting, QGuiApplication::clipboard()->text(),
                               static_cast<qsizetype>(MaxGreetingLength));
        setWelcomeText(greeting);
        return true;
    }
    // Ctrl+S, Ctrl+C and the like are the window's (Ctrl with Alt may be a
    // keyboard's way to a letter).
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier) &&
        event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete) {
        return false;
    }
    WelcomeKeyPress(event->key(), event->text());
    return true;
}

void TFormTree::WelcomeMouse(QMouseEvent* event) {
    const bool move = event->type() == QEvent::MouseMove;
    if (IsHelpShowing() || !tree_ || event->button() > Qt::LeftButton ||
        (move && (!(event->buttons() & Qt::LeftButton) || !WelcomeEditing()))) {
        return;
    }
    if (!WelcomeEditing()) {
        SetWelcomeEditing(true);
    }
    WelcomeCursor();
    const QString text = welcomeText();
    const QPoint at = event->position().toPoint();
    const TGreetingLayout layout(text, TreeGreetingStyle(*tree_), bandTextRect());
    const int position = layout.CursorAt(at);
    const auto* hints = QGuiApplication::styleHints();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // A third press soon after a double click, near it, selects everything.
        if (lastDoubleClick_ &&
            event->timestamp() - lastDoubleClick_->time <=
                static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
            (at - lastDoubleClick_->at).manhattanLength() < hints->startDragDistance()) {
            greetingCursor_.SelectAll(text);
            tripleClick_ = true;
        } else {
            greetingCursor_.SetCaret(text, position, event->modifiers().testFlag(Qt::ShiftModifier));
            tripleClick_ = false;
        }
        selectingByDrag_ = !tripleClick_;
        lastDoubleClick_.reset();
        break;
    case QEvent::MouseButtonDblClick:
        // The window system may also call a triple click's press a double one.
        if (!tripleClick_) {
            greetingCursor_.SelectWord(text, position);
            lastDoubleClick_ = BandClick{event->timestamp(), at};
            selectingByDrag_ = false;
        }
        break;
    case QEvent::MouseMove:
        if (selectingByDrag_) {
            greetingCursor_.SetCaret(text, position, true);
        }
        break;
    default:
        return;
    }
    RepaintWelcome();
}

void TFormTree::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool undo = mods == Qt::ControlModifier && event->key() == Qt::Key_Z;
    const bool redo = (mods == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z) ||
                      (mods == Qt::ControlModifier && event->key() == Qt::Key_Y);
    if (undo || redo) {
        undo ? Undo() : Redo();
        event->accept();
        return;
    }
    // While the band is editing the keys are the greeting's first.
    if (WelcomeEditing() && WelcomeEditKey(event)) {
        event->accept();
        return;
    }
    // Ctrl+C copies the greeting card, as it is mailed and printed, so it can
    // be pasted into any chat or document.
    if (event->matches(QKeySequence::Copy) && tree_) {
        QGuiApplication::clipboard()->setImage(GreetingPicture(background_, *tree_));
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Save) && hooks_.SaveCard) {
        hooks_.SaveCard();
        event->accept();
        return;
    }
    // The controls pass their keys on, so every key typed while the window
    // is active comes here; they act on the control that has the focus.
    // Escape never closes the window.
    if (!WelcomeEditing() && KeyboardAction(event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormTree::WelcomePaint() {
    QPainter* canvas = Welcome->Canvas();
    if (!canvas) {
        return;
    }
    Welcome->DrawBk(background_, false);
    if (!tree_) {
        return;
    }
    const TGreetingCursor& cursor = WelcomeCursor();
    const TGreetingLayout layout(welcomeText(), TreeGreetingStyle(*tree_), bandTextRect());
    GreetingMarks marks;
    if (WelcomeEditing()) {
        marks = {cursor.Caret(), cursor.SelectionStart(), cursor.SelectionEnd()};
    }
    layout.Draw(*canvas, marks);
    // The hint under the band follows; shown outside this paint.
    const bool hint = WelcomeEditing() && layout.TooLong();
    if (hint != welcomeHint_->isVisibleTo(this)) {
        QMetaObject::invokeMethod(
            welcomeHint_,
            [label = welcomeHint_, hint] {
                label->setVisible(hint);
                label->raise(); // over the tree
            },
            Qt::QueuedConnection);
    }
}

void TFormTree::createWelcomeHint() {
    welcomeHint_ = new QLabel(tr("This greeting is too long to read well on the ribbon."), this);
    welcomeHint_->setObjectName("WelcomeHint");
    welcomeHint_->setTextFormat(Qt::PlainText);
    // Gold on the ribbon's dark red, as the band's ends are.
    welcomeHint_->setStyleSheet("QLabel { color: rgb(252, 230, 160); background: rgba(70, 6, 14, 220);"
                                " border: 1px solid rgb(150, 104, 34); border-radius: 4px;"
                                " padding: 1px 8px; font-size: 11px; }");
    welcomeHint_->adjustSize();
    welcomeHint_->move(layout::Welcome.center().x() - welcomeHint_->width() / 2,
                       layout::Welcome.bottom() + 2);
    welcomeHint_->hide();
}

void TFormTree::TextFit(QPainter& canvas, int x, int y, int width, int height, bool caret) const {
    if (!tree_) {
        return;
    }
    ::TextFit(canvas, QRect(x, y, width, height), QString::fromStdString(tree_->WelcomeText),
              TreeGreetingStyle(*tree_), caret);
}
