// TFormTree: the greeting band across the top. A click on it starts editing
// (the caret shows), typing then changes the greeting, and a press anywhere
// else, Enter or Escape ends it. The greeting and its font are the tree's.
#include "controls/control0.h"
#include "controls/utf8limitvalidator.h"
#include "mainwindow/formtree.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "mainwindow/textfit.h"
#include "scene/tree.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

bool TFormTree::WelcomeEditing() const {
    return Welcome->Tag != 0;
}

void TFormTree::SetWelcomeEditing(bool editing) {
    Welcome->Tag = editing ? 1 : 0;
    if (editing) {
        BeginGreetingSession();
    } else {
        EndGreetingSession();
    }
    RepaintWelcome();
}

void TFormTree::RepaintWelcome() {
    Welcome->update();
    if (QAccessible::isActive() && tree_) {
        // A screen reader follows the greeting as it is typed.
        QAccessibleValueChangeEvent changed(Welcome, QString::fromStdString(tree_->WelcomeText));
        QAccessible::updateAccessibility(&changed);
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
    QString greeting = QString::fromStdString(tree_->WelcomeText);
    if (key == Qt::Key_Backspace) {
        if (!greeting.isEmpty()) {
            // One character, even when it takes two UTF-16 units.
            greeting.chop(greeting.size() >= 2 && greeting.back().isLowSurrogate() ? 2 : 1);
        }
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        Welcome->Tag = 0;
        tree_->WelcomeText = greeting.toStdString();
        EndGreetingSession();
    } else {
        // Control characters would break the greeting's line in the description file.
        for (const QChar c : text) {
            if (c.unicode() >= 0x20 && c.unicode() != 0x7F) {
                greeting.append(c);
            }
        }
        // The description file keeps a greeting of a bounded length: typing
        // stops there rather than losing the end at the next start.
        greeting = Utf8Prefix(greeting, MaxGreetingLength);
    }
    tree_->WelcomeText = greeting.toStdString();
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
    // is active comes here. While the band is editing the keys are the
    // greeting's; otherwise they act on the control that has the focus.
    // Escape never closes the window.
    if (WelcomeEditing()) {
        WelcomeKeyPress(event->key(), event->text());
    } else if (KeyboardAction(event)) {
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
    const QRect text = layout::WelcomeText.translated(-layout::Welcome.topLeft());
    TextFit(*canvas, text.x(), text.y(), text.width(), text.height(), WelcomeEditing());
}

void TFormTree::TextFit(QPainter& canvas, int x, int y, int width, int height, bool caret) const {
    if (!tree_) {
        return;
    }
    ::TextFit(canvas, QRect(x, y, width, height), QString::fromStdString(tree_->WelcomeText),
              TreeGreetingStyle(*tree_), caret);
}
