#pragma once
// Where the password of a mail login comes from, in this order: the account's
// own settings (the password itself, or the output of its password command), then
// the desktop keyring. What is found is never printed or logged; Problem says
// only where it was looked for.
#include "mail/smtpsecurity.h"

#include <optional>
#include <string>

namespace mail {

enum class PasswordOrigin { None, Settings, Command, Keyring };

struct PasswordResult {
    std::string Password;
    PasswordOrigin Origin = PasswordOrigin::None;
    // When none was found: what is missing, in words for the user.
    std::string Problem;
    bool Found() const { return Origin != PasswordOrigin::None; }
};

// The password for logging in to server as security.User. May run the account's
// password command and ask the keyring: off the GUI thread when it must not wait.
PasswordResult FindPassword(const SmtpSecurity& security, const std::string& server);

// How long a password command may take before it is stopped.
constexpr int kPasswordCommandLimitMs = 30000;

// Runs a password command as msmtp runs it (through the shell) and returns the
// first line of what it prints; nullopt when it cannot run, fails, or does not
// finish within limitMs (then *timedOut is set, and the command's whole process
// group has been ended). Blocks its caller until then: the window calls it on a
// worker thread.
std::optional<std::string> RunPasswordCommand(const std::string& command,
                                              int limitMs = kPasswordCommandLimitMs,
                                              bool* timedOut = nullptr);

} // namespace mail
