#pragma once
// TGreetingCursor: the caret and the selection of the greeting band, and the
// edits a text field makes with them. Positions count UTF-16 units of the
// text; the caret moves by whole characters as a reader sees them (an emoji
// with its skin tone, a letter with its accent), Backspace takes one code
// point (never half of a surrogate pair), and what is typed or pasted
// replaces the selection and stops at the greeting's byte limit.
//
//   TGreetingCursor cursor;
//   cursor.Reset(text);                      // caret at the end
//   cursor.Move(text, TGreetingCursor::Left, /*select*/ true);
//   cursor.Insert(text, "Frohe Weihnachten", MaxGreetingLength);
#include <QString>
#include <algorithm>

class TGreetingCursor {
public:
    enum Step { Left, Right, WordLeft, WordRight, Home, End };

    int Caret() const { return caret_; }
    int Anchor() const { return anchor_; }
    bool HasSelection() const { return caret_ != anchor_; }
    int SelectionStart() const { return std::min(caret_, anchor_); }
    int SelectionEnd() const { return std::max(caret_, anchor_); }
    QString SelectedText(const QString& text) const;

    // The caret at the end of text, nothing selected.
    void Reset(const QString& text);
    // Keeps the caret and the anchor inside text (after it changed elsewhere).
    void Clamp(const QString& text);
    // Puts the caret at position; with select the anchor stays.
    void SetCaret(const QString& text, int position, bool select);
    void Move(const QString& text, Step step, bool select);
    void SelectAll(const QString& text);
    // Selects the word (or the run of spaces or punctuation) at position.
    void SelectWord(const QString& text, int position);

    // Replaces the selection with what was typed or pasted: a line break or
    // a tab becomes a space, other control characters are dropped, and only
    // as much as keeps the text within maxBytes of UTF-8 is taken.
    void Insert(QString& text, const QString& typed, qsizetype maxBytes);
    // Removes the selection, or the code point before the caret.
    void Backspace(QString& text);
    // Removes the selection, or the character after the caret.
    void Delete(QString& text);

    // The text to insert: line breaks and tabs as spaces, no control characters.
    static QString Printable(const QString& typed);

private:
    void removeSelection(QString& text);

    int caret_ = 0;
    int anchor_ = 0;
};
