#include "mainwindow/greetingcursor.h"

#include "controls/utf8limitvalidator.h"

#include <QTextBoundaryFinder>

namespace {

int size(const QString& text) {
    return static_cast<int>(text.size());
}

// The next or previous boundary of kind from position (the text's ends when
// there is none).
int boundary(const QString& text, QTextBoundaryFinder::BoundaryType kind, int position, bool forward) {
    QTextBoundaryFinder finder(kind, text);
    finder.setPosition(position);
    const qsizetype next = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
    return next < 0 ? (forward ? size(text) : 0) : static_cast<int>(next);
}

// Word steps land on the start of a word going left and the end of one going
// right, passing over spaces and punctuation as text fields do.
int wordStep(const QString& text, int position, bool forward) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    finder.setPosition(position);
    const auto wanted = forward ? QTextBoundaryFinder::EndOfItem : QTextBoundaryFinder::StartOfItem;
    for (qsizetype at = forward ? finder.toNextBoundary() : finder.toPreviousBoundary(); at >= 0;
         at = forward ? finder.toNextBoundary() : finder.toPreviousBoundary()) {
        if (finder.boundaryReasons() & wanted) {
            return static_cast<int>(at);
        }
    }
    return forward ? size(text) : 0;
}

} // namespace

QString TGreetingCursor::SelectedText(const QString& text) const {
    return text.mid(SelectionStart(), SelectionEnd() - SelectionStart());
}

void TGreetingCursor::Reset(const QString& text) {
    caret_ = anchor_ = size(text);
}

void TGreetingCursor::Clamp(const QString& text) {
    caret_ = std::clamp(caret_, 0, size(text));
    anchor_ = std::clamp(anchor_, 0, size(text));
}

void TGreetingCursor::SetCaret(const QString& text, int position, bool select) {
    caret_ = std::clamp(position, 0, size(text));
    if (!select) {
        anchor_ = caret_;
    }
}

void TGreetingCursor::Move(const QString& text, Step step, bool select) {
    // Without Shift an arrow first collapses a selection to its side.
    if (!select && HasSelection() && (step == Left || step == Right)) {
        SetCaret(text, step == Left ? SelectionStart() : SelectionEnd(), false);
        return;
    }
    int to = caret_;
    switch (step) {
    case Left:
    case Right:
        to = boundary(text, QTextBoundaryFinder::Grapheme, caret_, step == Right);
        break;
    case WordLeft:
    case WordRight:
        to = wordStep(text, caret_, step == WordRight);
        break;
    case Home:
        to = 0;
        break;
    case End:
        to = size(text);
        break;
    }
    SetCaret(text, to, select);
}

void TGreetingCursor::SelectAll(const QString& text) {
    anchor_ = 0;
    caret_ = size(text);
}

void TGreetingCursor::SelectWord(const QString& text, int position) {
    const int length = size(text);
    if (length == 0) {
        caret_ = anchor_ = 0;
        return;
    }
    int at = std::clamp(position, 0, length - 1);
    // A press just after a word's last letter takes that word.
    if (position > 0 && (position >= length || !text.at(at).isLetterOrNumber()) &&
        text.at(position - 1).isLetterOrNumber()) {
        at = position - 1;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    finder.setPosition(at);
    const qsizetype start = finder.isAtBoundary() ? at : finder.toPreviousBoundary();
    finder.setPosition(at);
    const qsizetype end = finder.toNextBoundary();
    anchor_ = start < 0 ? 0 : static_cast<int>(start);
    caret_ = end < 0 ? length : static_cast<int>(end);
}

QString TGreetingCursor::Printable(const QString& typed) {
    QString printable;
    printable.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c == u'\r' && i + 1 < typed.size() && typed.at(i + 1) == u'\n') {
            continue; // CR LF is one break
        }
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            printable.append(u' ');
        } else if (c.category() != QChar::Other_Control) {
            printable.append(c);
        }
    }
    return printable;
}

void TGreetingCursor::removeSelection(QString& text) {
    text.remove(SelectionStart(), SelectionEnd() - SelectionStart());
    caret_ = anchor_ = SelectionStart();
}

void TGreetingCursor::Insert(QString& text, const QString& typed, qsizetype maxBytes) {
    Clamp(text);
    removeSelection(text);
    // What is typed or pasted gives way, never the rest of the greeting.
    const qsizetype room = maxBytes - text.toUtf8().size();
    const QString taken = Utf8Prefix(Printable(typed), std::max<qsizetype>(room, 0));
    text.insert(caret_, taken);
    caret_ = anchor_ = caret_ + size(taken);
}

void TGreetingCursor::Backspace(QString& text) {
    Clamp(text);
    if (HasSelection()) {
        removeSelection(text);
        return;
    }
    if (caret_ == 0) {
        return;
    }
    const bool pair =
        caret_ >= 2 && text.at(caret_ - 1).isLowSurrogate() && text.at(caret_ - 2).isHighSurrogate();
    const int from = caret_ - (pair ? 2 : 1);
    text.remove(from, caret_ - from);
    caret_ = anchor_ = from;
}

void TGreetingCursor::Delete(QString& text) {
    Clamp(text);
    if (HasSelection()) {
        removeSelection(text);
        return;
    }
    const int to = boundary(text, QTextBoundaryFinder::Grapheme, caret_, true);
    text.remove(caret_, to - caret_);
}
