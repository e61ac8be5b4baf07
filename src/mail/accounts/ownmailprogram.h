#pragma once
// The user's own mail program, opened through xdg-email with the card attached
// and the recipient and subject filled in: the way every user can still send the
// card when this program finds no account or the login fails.
#include <QString>
#include <QStringList>
#include <functional>

class QObject;

namespace mail {

// xdg-email's arguments. The address goes in as a mailto: address, so whatever
// was typed is never read as one of xdg-email's options.
QStringList OwnMailProgramArguments(const QString& to, const QString& subject, const QString& attachment);

// Starts xdg-email, which hands the mail over to the user's mail program; that
// program may stay open after this one has ended. Once xdg-email has ended,
// ended gets an empty text, or a short reason when xdg-email could not be
// started or ended with an error. ended runs on context's thread, and not at
// all once context is gone.
void OpenOwnMailProgram(const QString& to, const QString& subject, const QString& attachment,
                        QObject* context, std::function<void(const QString& problem)> ended);

// The reason shown for xdg-email's exit status (0: none).
QString OwnMailProgramProblem(int exitStatus);

} // namespace mail
