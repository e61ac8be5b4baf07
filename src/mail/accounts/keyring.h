#pragma once
// The desktop keyring (the Secret Service, through libsecret), holding mail
// passwords the way msmtp keeps them: schema "de.marlam.msmtp.password" with the
// attributes host (the SMTP server), service ("smtp") and user (the login name).
// Entries are matched by these attributes alone, so one stored with
//   secret-tool store --label=msmtp host SERVER service smtp user USER
// is found as well. The calls talk to the keyring over D-Bus and may wait on it
// (an unlock prompt): callers on the GUI thread run them on a worker thread.
#include <optional>
#include <string>

namespace mail {

// The password stored for this server and user; nullopt when there is none or no
// keyring answers (error, when given, then says why).
std::optional<std::string> KeyringLookup(const std::string& host, const std::string& user,
                                         std::string* error = nullptr);
// Stores (or replaces) the password for this server and user; false with error
// when no keyring takes it.
bool KeyringStore(const std::string& host, const std::string& user, const std::string& password,
                  std::string* error = nullptr);

} // namespace mail
