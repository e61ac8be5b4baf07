#pragma once
// Reading one address book file within bounds.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mail {

// The largest book file read (a vCard file, an alias file, abook's file).
inline constexpr qint64 kMaxBookFile = 64 << 20;

// Reads a regular file of at most kMaxBookFile bytes into bytes. A missing
// file reads as absent (false, no warning); a folder, device or pipe, an
// unreadable or a larger file gives a warning "FILE: reason" and false.
bool ReadBookFile(const QString& path, QByteArray& bytes, QStringList& warnings);

// "FILE: reason" for the warnings of a book.
QString BookWarning(const QString& path, const QString& reason);

} // namespace mail
