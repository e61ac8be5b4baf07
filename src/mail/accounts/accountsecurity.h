#pragma once
// The security settings of a discovered mail account, read from the same
// program's settings as the account itself: encryption, login, user, password
// (or the command that gives it) and an extra trusted CA file. Each function gets
// the program's values through a lookup by key: nullopt when the key is not set,
// an empty string when it is set with no value (msmtp's bare "tls" means on).
#include "mail/accounts/mailaccount.h"
#include "mail/smtpsecurity.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace mail {

using SettingValue = std::function<std::optional<std::string>(const std::string& key)>;

struct AccountSecurity {
    SmtpSecurity Security;
    // The port the program itself would use when its settings name none (465 for
    // TLS from the first byte); 0 when the settings name one or the usual 25 holds.
    uint16_t DefaultPort = 0;
};

// msmtp's account: tls, tls_starttls, tls_trust_file, auth, user, password,
// passwordeval and port (only whether it is set).
AccountSecurity MsmtpSecurity(const SettingValue& value);
// git send-email's sendemail.* settings, keys in lower case: smtpencryption,
// smtpuser, smtppass, smtpsslcertpath, smtpauth and smtpserverport.
AccountSecurity GitSecurity(const SettingValue& value);
// Thunderbird's outgoing server, keys without their "mail.smtpserver.<id>."
// prefix: try_ssl, authMethod, username and port.
AccountSecurity ThunderbirdSecurity(const SettingValue& value);
// Evolution's submission (transport) source, keys as "Group/Key":
// Security/Method, Authentication/Method, Authentication/User, Authentication/Port.
AccountSecurity EvolutionSecurity(const SettingValue& value);

// Gives the account its security, and the port that goes with it when the
// settings name none.
void ApplyAccountSecurity(MailAccount& account, const AccountSecurity& security);

} // namespace mail
