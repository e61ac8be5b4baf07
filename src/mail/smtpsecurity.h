#pragma once
// SmtpSecurity: how a mail account wants its server reached: encryption, login,
// and where the password comes from. An account that asks for none of it keeps
// the plain dialogue (HELO, no encryption, no login).
#include <string>

namespace mail {

enum class TlsMode {
    None,     // plain text from start to end
    StartTls, // plain greeting, then STARTTLS; never goes on unencrypted
    Tls,      // TLS from the first byte (the submissions port 465)
};

enum class AuthMethod {
    None,      // no login
    Automatic, // PLAIN when the server offers it, else LOGIN
    Plain,
    Login,
};

struct SmtpSecurity {
    TlsMode Tls = TlsMode::None;
    AuthMethod Auth = AuthMethod::None;
    std::string User;
    // A PEM file of certificate authorities trusted besides the system's.
    std::string TrustFile;
    // The password as the account's settings give it (never printed or logged):
    // the password itself, or a shell command whose first output line it is.
    std::string Password;
    std::string PasswordEval;

    bool Asks() const { return Tls != TlsMode::None || Auth != AuthMethod::None; }
    bool NeedsPassword() const { return Auth != AuthMethod::None; }
};

} // namespace mail
