// Evolution's account: its account sources, one key file per source in
// $XDG_CONFIG_HOME/evolution/sources. A mail account names its identity
// ([Mail Account] IdentityUid), the identity holds name and address and names
// its transport ([Mail Submission] TransportUid), and an SMTP transport holds
// the server ([Authentication] Host and Port).
#include "mail/accounts/accountsecurity.h"
#include "mail/accounts/keyfile.h"
#include "mail/accounts/mailaccountsources.h"

#include <QDir>

namespace mail {
namespace {

bool Enabled(const KeyFile& source) {
    return source.Value("Data Source", "Enabled") != "false";
}

} // namespace

MailAccount EvolutionAccount(const MailAccountPlaces& places) {
    const QDir folder(places.ConfigHome + "/evolution/sources");
    std::map<std::string, KeyFile> sources;
    std::vector<std::string> accounts;
    for (const QString& name : folder.entryList({"*.source"}, QDir::Files, QDir::Name)) {
        const std::string uid = name.chopped(7).toStdString();
        KeyFile source = KeyFile::Read(folder.filePath(name), true);
        if (source.HasGroup("Mail Account") && Enabled(source)) {
            accounts.push_back(uid);
        }
        sources.emplace(uid, std::move(source));
    }
    const auto source = [&](const std::string& uid) -> const KeyFile* {
        const auto found = sources.find(uid);
        return found == sources.end() ? nullptr : &found->second;
    };

    // The first account (in the order of the source names) whose identity
    // sends through an SMTP server; else the first identity found, serverless.
    MailAccount first;
    for (const std::string& uid : accounts) {
        const KeyFile* identity = source(source(uid)->Value("Mail Account", "IdentityUid"));
        if (identity == nullptr || !identity->HasGroup("Mail Identity")) {
            continue;
        }
        MailAccount account;
        account.Source = "Evolution";
        account.Name = identity->Value("Mail Identity", "Name");
        account.Address = identity->Value("Mail Identity", "Address");
        const KeyFile* transport = source(identity->Value("Mail Submission", "TransportUid"));
        if (transport != nullptr && transport->Value("Mail Transport", "BackendName") == "smtp") {
            SetServerValue(account, transport->Value("Authentication", "Host"));
            SetPortValue(account, transport->Value("Authentication", "Port"));
            ApplyAccountSecurity(
                account, EvolutionSecurity([&](const std::string& key) -> std::optional<std::string> {
                    const std::size_t slash = key.find('/');
                    const std::string value = transport->Value(key.substr(0, slash), key.substr(slash + 1));
                    return value.empty() ? std::nullopt : std::optional(value);
                }));
        }
        if (account.Found()) {
            return account;
        }
        if (first.Source.isEmpty()) {
            first = account;
        }
    }
    return first;
}

} // namespace mail
