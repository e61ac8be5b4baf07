// The encrypted and logged-in part of SendMail's dialogue: EHLO and the server's
// extensions, STARTTLS or TLS from the first byte, and the login by AUTH PLAIN or
// AUTH LOGIN. It runs between the greeting and MAIL FROM, and only for accounts
// that ask for encryption or a login.
#include "mail/base64.h"
#include "mail/headerfields.h"
#include "mail/sendmail.h"
#include "mail/tlsstream.h"

#include <QRegularExpression>
#include <QString>
#include <openssl/crypto.h>

namespace mail {

void SendMail::SendEhlo() {
    extensions_.clear();
    SendCommand("EHLO " + HeloName());
    step_ = kEhlo;
}

// Keeps the keyword line of each line of the EHLO answer ("250-AUTH PLAIN LOGIN").
void SendMail::NoteExtension(const std::string& line) {
    if (line.size() > 4) {
        extensions_.push_back(QString::fromStdString(line.substr(4)).trimmed().toUpper().toStdString());
    }
}

// Whether the server named an extension: "STARTTLS", or "AUTH PLAIN" for the
// mechanism PLAIN of AUTH (also in the old form "AUTH=PLAIN").
bool SendMail::HasExtension(const std::string& keyword) const {
    const QString wanted = QString::fromStdString(keyword);
    const QString name = wanted.section(' ', 0, 0);
    const QString argument = wanted.section(' ', 1);
    for (const std::string& extension : extensions_) {
        QStringList words =
            QString::fromStdString(extension).split(QRegularExpression("[ =]"), Qt::SkipEmptyParts);
        if (words.isEmpty() || words.takeFirst() != name) {
            continue;
        }
        if (argument.isEmpty() || words.contains(argument)) {
            return true;
        }
    }
    return false;
}

bool SendMail::Encrypted() const {
    return tls_ && stream_ == tls_.get();
}

void SendMail::AfterEhlo() {
    if (Security.Tls == TlsMode::StartTls && !Encrypted()) {
        if (!HasExtension("STARTTLS")) {
            SecureFailure(SendMailError::NoStartTls, {});
            return;
        }
        SendCommand("STARTTLS");
        step_ = kStartTls;
        return;
    }
    if (Security.Auth != AuthMethod::None) {
        SendLogin();
        return;
    }
    SendMailFrom();
}

void SendMail::StartTls() {
    tls_ = std::make_unique<TTlsStream>(*this, Server, Security.TrustFile);
    if (!tls_->Start()) {
        SecureFailure(SendMailError::TlsHandshakeFailed, tls_->FailureText());
        return;
    }
    step_ = kTlsHandshake;
    // The whole handshake has one reply time, however its bytes trickle in.
    TouchReplyTimer();
    ContinueHandshake();
}

// Takes the handshake on; true once it is done and the dialogue goes on
// encrypted, false while it is under way or after it failed.
bool SendMail::ContinueHandshake() {
    switch (tls_->ContinueHandshake()) {
    case TTlsStream::Handshake::InProgress:
        return false;
    case TTlsStream::Handshake::Failed:
        SecureFailure(tls_->CertificateRejected() ? SendMailError::CertificateNotTrusted
                                                  : SendMailError::TlsHandshakeFailed,
                      tls_->FailureText());
        return false;
    case TTlsStream::Handshake::Done:
        break;
    }
    SetStream(tls_.get());
    Info(SendMailInfo::Encrypted, tls_->ProtocolName());
    if (Security.Tls == TlsMode::Tls) {
        step_ = kGreeting; // the server greets through TLS
    } else {
        SendEhlo(); // the extensions are asked again: only what it offers encrypted counts
    }
    return !cancelled_;
}

void SendMail::SendLogin() {
    // PLAIN and LOGIN carry the password readable: only inside TLS.
    if (!Encrypted()) {
        SecureFailure(SendMailError::NoLogin,
                      "a login needs an encrypted connection, and the account asks for none");
        return;
    }
    const bool plain = HasExtension("AUTH PLAIN");
    const bool login = HasExtension("AUTH LOGIN");
    const bool usePlain = plain && Security.Auth != AuthMethod::Login;
    const bool useLogin = !usePlain && login && Security.Auth != AuthMethod::Plain;
    if (!usePlain && !useLogin) {
        SecureFailure(SendMailError::NoLogin, {});
        return;
    }
    if (Security.Password.empty()) {
        SecureFailure(SendMailError::LoginFailed, "no password");
        return;
    }
    if (usePlain) {
        std::string credentials;
        credentials += '\0';
        credentials += Security.User;
        credentials += '\0';
        credentials += Security.Password;
        std::string line = "AUTH PLAIN " + Base64Encode(credentials);
        SendSecretLine(line, "AUTH PLAIN ********");
        OPENSSL_cleanse(credentials.data(), credentials.size());
        OPENSSL_cleanse(line.data(), line.size());
        step_ = kAuthPlain;
    } else {
        SendCommand("AUTH LOGIN");
        step_ = kAuthLoginUser;
    }
}

void SendMail::SendMailFrom() {
    // An address beyond ASCII before its @ goes only to a server that takes it.
    const bool utf8 = NeedsSmtpUtf8();
    if (utf8 && !HasExtension("SMTPUTF8")) {
        SecureFailure(SendMailError::NoSmtpUtf8, {});
        return;
    }
    SendCommand("MAIL FROM:<" + AsciiAddress(FROM_Address) + ">" + (utf8 ? " SMTPUTF8" : ""));
    step_ = kMailFrom;
}

// A 4xx or 5xx answer in the encrypted and logged-in part.
void SendMail::SecureRefusal(const std::string& line) {
    switch (step_) {
    case kAuthPlain:
    case kAuthLoginUser:
    case kAuthLoginPassword:
    case kAuthLoginDone:
        SecureFailure(SendMailError::LoginFailed, line);
        return;
    case kStartTls:
        SecureFailure(SendMailError::NoStartTls, line);
        return;
    case kEhlo:
        // A server that knows no EHLO has no STARTTLS and no AUTH either.
        if (Security.Tls == TlsMode::StartTls && !Encrypted()) {
            SecureFailure(SendMailError::NoStartTls, line);
            return;
        }
        if (Security.Auth != AuthMethod::None) {
            SecureFailure(SendMailError::NoLogin, line);
            return;
        }
        if (NeedsSmtpUtf8()) {
            SecureFailure(SendMailError::NoSmtpUtf8, line);
            return;
        }
        break;
    default:
        break;
    }
    lastError_ = SendMailError::UnexpectedResponse;
    Error(SendMailError::UnexpectedResponse,
          TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "Unexpected response: %1"), line));
    Abort();
}

void SendMail::SecureFailure(SendMailError error, const std::string& detail) {
    lastError_ = error;
    Error(error, SecureMailErrorText(error, detail));
    Abort();
}

// The socket takes data again: encrypted bytes that waited go out.
void SendMail::WriteReady() {
    if (!tls_ || cancelled_) {
        return;
    }
    if (step_ == kTlsHandshake) {
        ContinueHandshake();
        return;
    }
    tls_->FlushPending();
    CheckSocketError();
}

// A line that carries a secret: it is reported (info 2) as `shown`.
void SendMail::SendSecretLine(std::string_view line, std::string_view shown) {
    if (cancelled_) {
        return;
    }
    Info(SendMailInfo::TextSent, std::string(shown) + "\r\n");
    std::string text(line); // not cut: a login line may be longer than a command
    text += "\r\n";
    Queue(text);
    OPENSSL_cleanse(text.data(), text.size());
}

} // namespace mail
