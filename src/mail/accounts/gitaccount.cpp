// git send-email's account: the user's global git settings user.name,
// user.email, sendemail.smtpServer and sendemail.smtpServerPort, asked from
// git itself so that its include files and both settings files count.
#include "mail/accounts/accountsecurity.h"
#include "mail/accounts/mailaccountsources.h"

#include <QProcess>
#include <map>

namespace mail {

MailAccount GitAccount(const MailAccountPlaces& places) {
    MailAccount account;
    QProcess git;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", places.Home);
    environment.insert("XDG_CONFIG_HOME", places.ConfigHome);
    git.setProcessEnvironment(environment);
    git.setWorkingDirectory(places.Home);
    git.start(
        "git",
        {"config", "--global", "--includes", "--null", "--get-regexp",
         R"(^(user\.(name|email)|sendemail\.(smtpserver(port)?|smtpencryption|smtpuser|smtppass|smtpsslcertpath|smtpauth))$)"});
    if (!git.waitForFinished(5000) || git.exitStatus() != QProcess::NormalExit) {
        git.kill();
        git.waitForFinished(1000);
        return account;
    }
    // Entries are "key\nvalue\0"; keys come lower-cased. The last one wins.
    std::map<std::string, std::string> values;
    for (const QByteArray& entry : git.readAllStandardOutput().split('\0')) {
        const auto newline = entry.indexOf('\n');
        if (newline > 0) {
            // git hands over bytes; settings are UTF-8, a damaged byte reads as U+FFFD.
            values[entry.left(newline).toStdString()] =
                QString::fromUtf8(entry.mid(newline + 1)).toStdString();
        }
    }
    if (values.empty()) {
        return account;
    }
    account.Source = "git send-email";
    account.Name = values["user.name"];
    account.Address = values["user.email"];
    // A server given as a program's path (a sendmail-like command) is no server.
    const std::string& server = values["sendemail.smtpserver"];
    if (!server.empty() && server.front() != '/') {
        SetServerValue(account, server);
        SetPortValue(account, values["sendemail.smtpserverport"]);
        ApplyAccountSecurity(account, GitSecurity([&](const std::string& key) -> std::optional<std::string> {
                                 const auto found = values.find("sendemail." + key);
                                 return found == values.end() ? std::nullopt : std::optional(found->second);
                             }));
    }
    return account;
}

} // namespace mail
