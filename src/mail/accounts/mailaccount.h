#pragma once
// The user's own mail account, found in the settings that the user's mail
// programs already keep: who the mail is from and which server takes it. The
// program has no mail settings of its own.
//
// The sources are tried in a fixed order (Thunderbird, Evolution, msmtp, git
// send-email, a mail server on this machine); each one gives a whole account
// (empty fields where it has no value), and the first one that names a server
// wins. Nothing is ever written to another program's settings.
#include "mail/smtpsecurity.h"

#include <QString>
#include <cstdint>
#include <string>

namespace mail {

struct MailAccount {
    std::string Name;    // the sender's display name
    std::string Address; // the sender's address
    std::string Server;  // the outgoing (SMTP) server: a host name or a dotted address
    uint16_t Port = 25;  // the server's port
    // Encryption and login as the program's settings ask for them.
    SmtpSecurity Security;
    // Which program's settings the account comes from ("Thunderbird", ...);
    // empty when no source had anything.
    QString Source;

    bool Found() const { return !Server.empty(); }
};

// Where the sources look: the user's folders and this machine's mail port.
// FromEnvironment() reads them from the process environment; tests point them
// at a folder of their own.
struct MailAccountPlaces {
    QString Home;       // $HOME
    QString ConfigHome; // $XDG_CONFIG_HOME, or Home + "/.config"
    QString DataHome;   // $XDG_DATA_HOME, or Home + "/.local/share"
    QString LoginName;  // the user's login name
    QString RealName;   // the user's full name from the account database (may be empty)
    QString HostName;   // this machine's name
    QString Email;      // $EMAIL (may be empty)
    // The mail server on this machine: a loopback address and port.
    QString LocalServer = "127.0.0.1";
    uint16_t LocalPort = 25;
    // How long the probe of the local server may wait for the connection.
    int LocalProbeMs = 1000;

    static MailAccountPlaces FromEnvironment();
};

// Runs the sources in order and returns the account of the first one that
// names a server; when none does, the (serverless) result of the last one.
MailAccount FindMailAccount(const MailAccountPlaces& places = MailAccountPlaces::FromEnvironment());

// The compatibility message shown when no account is found.
QString NoMailAccountMessage();

// Stores a server value as the mail programs write it: "host", "host:port" or
// "[address]:port". The port, when valid, replaces the account's port.
void SetServerValue(MailAccount& account, const std::string& value);
// Sets the account's port from a stored port value; 0, empty and invalid
// values (the programs' "use the default") leave it unchanged.
void SetPortValue(MailAccount& account, const std::string& value);

} // namespace mail
