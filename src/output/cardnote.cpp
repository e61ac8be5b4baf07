#include "output/cardnote.h"

#include <QCoreApplication>
#include <QStringList>

namespace output {

namespace {

bool IsBlank(QChar c) {
    return c == ' ' || c == '\t';
}

} // namespace

QString NoteFor(const QString& note, const QString& firstName) {
    static const QString placeholder = QStringLiteral("{name}");
    if (!firstName.isEmpty()) {
        return QString(note).replace(placeholder, firstName);
    }
    // Without a name, the words around it still have to read well.
    QStringList lines = note.split('\n');
    for (QString& line : lines) {
        QString out;
        qsizetype from = 0;
        qsizetype raiseAt = -1;
        for (qsizetype at; (at = line.indexOf(placeholder, from)) >= 0;) {
            out += line.mid(from, at - from);
            qsizetype end = out.size();
            while (end > 0 && IsBlank(out[end - 1])) {
                --end;
            }
            from = at + placeholder.size();
            if (end == 0) {
                // Opening the line: the comma and blanks after it go too.
                if (from < line.size() && line[from] == ',') {
                    ++from;
                }
                while (from < line.size() && IsBlank(line[from])) {
                    ++from;
                }
                raiseAt = out.size();
                continue;
            }
            if (out[end - 1] == ',') {
                --end;
                while (end > 0 && IsBlank(out[end - 1])) {
                    --end;
                }
            }
            out.truncate(end);
        }
        out += line.mid(from);
        if (raiseAt >= 0 && raiseAt < out.size()) {
            out[raiseAt] = out[raiseAt].toUpper();
        }
        line = out;
    }
    return lines.join('\n');
}

bool CleanNote(const QString& text, QString* note, QString* error) {
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r') {
            clean += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n' || c == '\t' || c.category() != QChar::Other_Control) {
            clean += c;
        }
    }
    while (clean.endsWith('\n') || clean.endsWith(' ') || clean.endsWith('\t')) {
        clean.chop(1);
    }
    const qsizetype characters = clean.toUcs4().size();
    if (characters > kMaxNoteCharacters) {
        if (error) {
            *error = QCoreApplication::translate("CardNote",
                                                 "The note has %1 characters; a note holds at most %2.")
                         .arg(characters)
                         .arg(kMaxNoteCharacters);
        }
        return false;
    }
    *note = clean;
    return true;
}

} // namespace output
