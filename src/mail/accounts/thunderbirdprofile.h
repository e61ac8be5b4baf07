#pragma once
// Where Thunderbird keeps the user's default profile.
#include "mail/accounts/mailaccount.h"

#include <QString>

namespace mail {

// The folder of the default profile: the first of Thunderbird's folders (the
// classic one, then those of the sandboxed packages) that has a profiles.ini,
// and in it the install's default profile, else the one marked Default=1,
// else the first. Empty when there is none.
QString ThunderbirdProfile(const MailAccountPlaces& places);

} // namespace mail
