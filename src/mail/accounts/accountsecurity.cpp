#include "mail/accounts/accountsecurity.h"

#include <QString>
#include <QStringList>

namespace mail {

namespace {

QString Lower(const std::optional<std::string>& text) {
    return QString::fromStdString(text.value_or("")).trimmed().toLower();
}

// An msmtp switch: a bare command or "on" is on.
bool On(const std::optional<std::string>& text) {
    return text && (Lower(text).isEmpty() || Lower(text) == "on");
}

bool PortGiven(const std::optional<std::string>& text) {
    const int port = QString::fromStdString(text.value_or("")).trimmed().toInt();
    return port > 0 && port < 65536;
}

// A method name the account gives: PLAIN or LOGIN are used as asked; any other
// (the ones that avoid sending the password, which this program does not speak)
// lets the program use what the server offers inside TLS.
AuthMethod Method(const QString& name) {
    const QString lower = name.toLower();
    if (lower == "plain") {
        return AuthMethod::Plain;
    }
    if (lower == "login") {
        return AuthMethod::Login;
    }
    return AuthMethod::Automatic;
}

uint16_t DefaultPortFor(TlsMode tls, const std::optional<std::string>& port) {
    return tls == TlsMode::Tls && !PortGiven(port) ? 465 : 0;
}

} // namespace

AccountSecurity MsmtpSecurity(const SettingValue& value) {
    AccountSecurity out;
    SmtpSecurity& s = out.Security;
    // "tls" alone (or "on") turns TLS on; tls_starttls (default on) picks the variant.
    if (On(value("tls"))) {
        s.Tls = Lower(value("tls_starttls")) == "off" ? TlsMode::Tls : TlsMode::StartTls;
    }
    // "system" is the system's store, which is always used; an empty value (no CA
    // at all) cannot be honoured without turning verification off, so it is not.
    if (Lower(value("tls_trust_file")) != "system") {
        s.TrustFile = value("tls_trust_file").value_or("");
    }
    const auto auth = value("auth");
    if (On(auth)) {
        s.Auth = AuthMethod::Automatic;
    } else if (auth && Lower(auth) != "off") {
        s.Auth = Method(Lower(auth));
    }
    s.User = value("user").value_or("");
    s.Password = value("password").value_or("");
    s.PasswordEval = value("passwordeval").value_or("");
    out.DefaultPort = DefaultPortFor(s.Tls, value("port"));
    return out;
}

AccountSecurity GitSecurity(const SettingValue& value) {
    AccountSecurity out;
    SmtpSecurity& s = out.Security;
    // "tls" is STARTTLS, "ssl" TLS from the first byte; anything else is plain.
    const QString encryption = Lower(value("smtpencryption"));
    if (encryption == "tls") {
        s.Tls = TlsMode::StartTls;
    } else if (encryption == "ssl") {
        s.Tls = TlsMode::Tls;
    }
    // A user name turns the login on; smtpAuth "none" turns it off again, and a
    // list of mechanisms picks PLAIN or LOGIN when it names only one of them.
    s.User = value("smtpuser").value_or("");
    const QString mechanisms = Lower(value("smtpauth"));
    if (!s.User.empty() && mechanisms != "none") {
        const QStringList names = mechanisms.split(' ', Qt::SkipEmptyParts);
        const bool plain = names.isEmpty() || names.contains("plain");
        const bool login = names.isEmpty() || names.contains("login");
        s.Auth = plain && login ? AuthMethod::Automatic
                 : plain        ? AuthMethod::Plain
                 : login        ? AuthMethod::Login
                                : AuthMethod::Automatic;
    }
    s.Password = value("smtppass").value_or("");
    // smtpSslCertPath: a CA file (a folder is the system's kind of store and is
    // not read here); empty would turn verification off, which never happens.
    s.TrustFile = value("smtpsslcertpath").value_or("");
    out.DefaultPort = DefaultPortFor(s.Tls, value("smtpserverport"));
    return out;
}

AccountSecurity ThunderbirdSecurity(const SettingValue& value) {
    AccountSecurity out;
    SmtpSecurity& s = out.Security;
    // try_ssl: 0 none, 1 STARTTLS when offered (taken as STARTTLS, never as plain
    // text), 2 STARTTLS, 3 TLS from the first byte.
    const int trySsl = QString::fromStdString(value("try_ssl").value_or("")).toInt();
    if (trySsl == 1 || trySsl == 2) {
        s.Tls = TlsMode::StartTls;
    } else if (trySsl == 3) {
        s.Tls = TlsMode::Tls;
    }
    // authMethod 1 is "no authentication"; unset means Thunderbird's default (a
    // normal password). A login needs a user name either way.
    s.User = value("username").value_or("");
    if (!s.User.empty() && QString::fromStdString(value("authMethod").value_or("")).toInt() != 1) {
        s.Auth = AuthMethod::Automatic;
    }
    out.DefaultPort = DefaultPortFor(s.Tls, value("port"));
    return out;
}

AccountSecurity EvolutionSecurity(const SettingValue& value) {
    AccountSecurity out;
    SmtpSecurity& s = out.Security;
    const QString security = Lower(value("Security/Method"));
    if (security == "starttls-on-standard-port") {
        s.Tls = TlsMode::StartTls;
    } else if (security == "ssl-on-alternate-port") {
        s.Tls = TlsMode::Tls;
    }
    s.User = value("Authentication/User").value_or("");
    const QString method = QString::fromStdString(value("Authentication/Method").value_or("")).trimmed();
    if (!s.User.empty() && !method.isEmpty() && method.toLower() != "none") {
        s.Auth = Method(method);
    }
    out.DefaultPort = DefaultPortFor(s.Tls, value("Authentication/Port"));
    return out;
}

void ApplyAccountSecurity(MailAccount& account, const AccountSecurity& security) {
    account.Security = security.Security;
    if (security.DefaultPort != 0 && account.Port == 25) {
        account.Port = security.DefaultPort;
    }
}

} // namespace mail
