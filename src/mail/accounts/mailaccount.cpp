#include "mail/accounts/mailaccount.h"

#include "mail/accounts/mailaccountsources.h"

#include <QCoreApplication>
#include <QDir>
#include <charconv>
#include <pwd.h>
#include <unistd.h>

namespace mail {

MailAccountPlaces MailAccountPlaces::FromEnvironment() {
    MailAccountPlaces places;
    places.Home = qEnvironmentVariable("HOME", QDir::homePath());
    places.ConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (places.ConfigHome.isEmpty()) {
        places.ConfigHome = places.Home + "/.config";
    }
    places.DataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (places.DataHome.isEmpty()) {
        places.DataHome = places.Home + "/.local/share";
    }
    if (const passwd* user = getpwuid(getuid())) {
        places.LoginName = QString::fromLocal8Bit(user->pw_name);
        // The first field of the account's comment is the full name.
        places.RealName = QString::fromLocal8Bit(user->pw_gecos).section(',', 0, 0).trimmed();
    }
    if (places.LoginName.isEmpty()) {
        places.LoginName = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    }
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        places.HostName = QString::fromLocal8Bit(host);
    }
    places.Email = qEnvironmentVariable("EMAIL");
    return places;
}

MailAccount FindMailAccount(const MailAccountPlaces& places) {
    using Source = MailAccount (*)(const MailAccountPlaces&);
    MailAccount account;
    for (Source source :
         {ThunderbirdAccount, EvolutionAccount, MsmtpAccount, GitAccount, LocalServerAccount}) {
        account = source(places);
        if (account.Found()) {
            break;
        }
    }
    return account;
}

QString NoMailAccountMessage() {
    return QCoreApplication::translate("MailError",
                                       "Sorry, but this software is compatible with:\n * Thunderbird\n"
                                       " * Evolution\n * msmtp\n * git send-email\n * a local mail server");
}

namespace {

bool ParsePort(std::string_view text, uint16_t& port) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) {
        return false;
    }
    port = static_cast<uint16_t>(value);
    return true;
}

} // namespace

void SetServerValue(MailAccount& account, const std::string& value) {
    std::string host = value;
    std::string port;
    if (!value.empty() && value.front() == '[') {
        // A bracketed address, optionally followed by ":port".
        const auto close = value.find(']');
        if (close != std::string::npos) {
            host = value.substr(1, close - 1);
            if (close + 1 < value.size() && value[close + 1] == ':') {
                port = value.substr(close + 2);
            }
        }
    } else if (const auto colon = value.find(':');
               colon != std::string::npos && value.find(':', colon + 1) == std::string::npos) {
        // One colon: "host:port". (Several are an address of their own.)
        host = value.substr(0, colon);
        port = value.substr(colon + 1);
    }
    account.Server = host;
    if (!port.empty()) {
        ParsePort(port, account.Port);
    }
}

void SetPortValue(MailAccount& account, const std::string& value) {
    ParsePort(value, account.Port);
}

} // namespace mail
