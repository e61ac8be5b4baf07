#pragma once
// The sources of the mail account, one function per mail program; each returns
// a whole account (empty fields where the program has no value).
#include "mail/accounts/mailaccount.h"

namespace mail {

// Thunderbird's default profile: the default account's first identity and its
// outgoing server (prefs.js).
MailAccount ThunderbirdAccount(const MailAccountPlaces& places);
// Evolution's account sources ($XDG_CONFIG_HOME/evolution/sources).
MailAccount EvolutionAccount(const MailAccountPlaces& places);
// msmtp's user configuration, its default account.
MailAccount MsmtpAccount(const MailAccountPlaces& places);
// git's global user.name, user.email and sendemail.smtpServer.
MailAccount GitAccount(const MailAccountPlaces& places);
// A mail server listening on this machine's mail port.
MailAccount LocalServerAccount(const MailAccountPlaces& places);

} // namespace mail
