#pragma once
// The user's own mail program, opened through xdg-email with the card attached
// and the recipient and subject filled in: the way every user can still send the
// card when this program finds no account or the login fails.
#include <QString>
#include <QStringList>

namespace mail {

// xdg-email's arguments. The address goes in as a mailto: address, so whatever
// was typed is never read as one of xdg-email's options.
QStringList OwnMailProgramArguments(const QString& to, const QString& subject, const QString& attachment);

// Starts xdg-email on its own (it hands over to the mail program and ends);
// false when it cannot be started.
bool OpenOwnMailProgram(const QString& to, const QString& subject, const QString& attachment);

} // namespace mail
