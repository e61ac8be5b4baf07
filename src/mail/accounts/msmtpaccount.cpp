// msmtp's account: the user configuration (~/.msmtprc, else
// $XDG_CONFIG_HOME/msmtp/config), read as msmtp reads it: "defaults" values
// fill every account defined after them, "account NAME : A, B" inherits the
// listed accounts' settings, and the account named "default" is the one used.
// msmtp keeps no display name: the user's full name stands in for it.
#include "mail/accounts/accountsecurity.h"
#include "mail/accounts/mailaccountsources.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace mail {
namespace {

using Settings = std::map<std::string, std::string>;

// A command's argument: the rest of the line, or a double-quoted string.
std::string Argument(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"')) {
        QString out;
        for (qsizetype i = 1; i + 1 < text.size(); ++i) {
            if (text[i] == '\\' && i + 2 < text.size()) {
                ++i;
            }
            out += text[i];
        }
        return out.toStdString();
    }
    return text.toStdString();
}

// msmtp's substitutions in "from": %U the user, %H the host.
std::string Substituted(const std::string& from, const MailAccountPlaces& places) {
    QString text = QString::fromStdString(from);
    text.replace("%U", places.LoginName);
    text.replace("%H", places.HostName);
    return text.toStdString();
}

} // namespace

MailAccount MsmtpAccount(const MailAccountPlaces& places) {
    MailAccount account;
    QString path = places.Home + "/.msmtprc";
    if (!QFileInfo::exists(path)) {
        path = places.ConfigHome + "/msmtp/config";
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return account;
    }
    Settings defaults;
    std::map<std::string, Settings> accounts;
    std::vector<std::string> order;
    Settings* current = &defaults;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QString command = line.section(QRegularExpression(R"(\s+)"), 0, 0);
        const QString rest = line.mid(command.size());
        if (command == "defaults") {
            current = &defaults;
        } else if (command == "account") {
            const std::string name = rest.section(':', 0, 0).trimmed().toStdString();
            Settings settings = defaults;
            if (rest.contains(':')) {
                for (const QString& parent : rest.section(':', 1).split(',')) {
                    const auto found = accounts.find(parent.trimmed().toStdString());
                    if (found != accounts.end()) {
                        for (const auto& [key, value] : found->second) {
                            settings[key] = value;
                        }
                    }
                }
            }
            if (!accounts.count(name)) {
                order.push_back(name);
            }
            current = &(accounts[name] = settings);
        } else {
            (*current)[command.toStdString()] = Argument(rest);
        }
    }
    if (order.empty()) {
        return account;
    }
    // The account msmtp uses without -a; a single named account otherwise.
    const Settings& chosen = accounts.count("default") ? accounts["default"] : accounts[order.front()];
    const auto value = [&](const char* key) {
        const auto found = chosen.find(key);
        return found == chosen.end() ? std::string() : found->second;
    };
    account.Source = "msmtp";
    account.Name = places.RealName.isEmpty() ? places.LoginName.toStdString() : places.RealName.toStdString();
    account.Address = Substituted(value("from"), places);
    SetServerValue(account, value("host"));
    SetPortValue(account, value("port"));
    ApplyAccountSecurity(account, MsmtpSecurity([&](const std::string& key) -> std::optional<std::string> {
                             const auto found = chosen.find(key);
                             return found == chosen.end() ? std::nullopt : std::optional(found->second);
                         }));
    return account;
}

} // namespace mail
