#pragma once
// A real SMTP server for the delivery test and benchmark: aiosmtpd on a free
// loopback port, storing every mail it accepts in a Maildir.
#include <QProcess>
#include <QString>
#include <memory>

namespace mailtest {

class SmtpDaemon {
public:
    // Starts the server storing into maildir; running() tells whether it listens.
    explicit SmtpDaemon(const QString& maildir);
    ~SmtpDaemon();
    bool running() const { return listening_; }
    quint16 port() const { return port_; }
    QString log() const;

private:
    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
    bool listening_ = false;
};

} // namespace mailtest
