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

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

bool TFormTree::WelcomeEditing() const {
    return Welcome->Tag != 0;
}

void TFormTree::SetWelcomeEditing(bool editing) {
    Welcome->Tag = editing ? 1 : 0;
    RepaintWelcome();
}

void TFormTree::RepaintWelcome() {
    Welcome->update();
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
    // Ctrl+C copies the greeting card, as it is mailed and printed, so it can
    // be pasted into any chat or document.
    if (event->matches(QKeySequence::Copy) && tree_) {
        QGuiApplication::clipboard()->setImage(GreetingPicture(background_, *tree_));
        event->accept();
        return;
    }
    // The controls take no keys, so every key typed while the window is
    // active comes here. Escape ends editing only; it never closes the window.
    WelcomeKeyPress(event->key(), event->text());
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
