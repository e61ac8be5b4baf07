// A mail server on this machine: whatever listens on the loopback mail port
// (a local MTA relays for its own users). The sender is the user: the full
// name from the account database and the address from $EMAIL, else
// login@host.
#include "mail/accounts/mailaccountsources.h"

#include <QTcpSocket>

namespace mail {

MailAccount LocalServerAccount(const MailAccountPlaces& places) {
    MailAccount account;
    QTcpSocket probe;
    probe.connectToHost(places.LocalServer, places.LocalPort);
    const bool listening = probe.waitForConnected(places.LocalProbeMs);
    probe.abort();
    if (!listening) {
        return account;
    }
    account.Source = "a local mail server";
    account.Name = (places.RealName.isEmpty() ? places.LoginName : places.RealName).toStdString();
    account.Address = places.Email.isEmpty() ? (places.LoginName + "@" + places.HostName).toStdString()
                                             : places.Email.toStdString();
    account.Server = places.LocalServer.toStdString();
    account.Port = places.LocalPort;
    return account;
}

} // namespace mail
