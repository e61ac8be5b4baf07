#pragma once
// The personal note under the card: made fit to send, bounded, and made out
// to each recipient by their first name.
#include <QString>

namespace output {

// The longest note, in characters.
inline constexpr int kMaxNoteCharacters = 2000;

// The note made out to one recipient: each {name} becomes firstName. Without
// one, {name} goes with the blanks before it, or with a comma before it
// ("Hello, {name}!" -> "Hello!"); at the start of a line, with the comma and
// blanks after it, and the next letter is raised ("{name}, merry" -> "Merry").
QString NoteFor(const QString& note, const QString& firstName);

// A note as typed or read from a file, made fit to send: line breaks as "\n",
// control characters dropped, trailing blank lines gone. False (with *error)
// when it is longer than kMaxNoteCharacters.
bool CleanNote(const QString& text, QString* note, QString* error);

} // namespace output
