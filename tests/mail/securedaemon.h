#pragma once
// Real SMTP servers with TLS and a login for the encrypted sending tests:
// secure_smtpd.py (aiosmtpd) on three loopback ports, with a certificate for
// "localhost" made here with openssl. Mail they accept lands in one Maildir.
#include <QProcess>
#include <QString>
#include <memory>

namespace mailtest {

class SecureSmtpDaemons {
public:
    // dir receives the certificate, its key and the Maildir.
    SecureSmtpDaemons(const QString& dir, const QString& user, const QString& password);
    ~SecureSmtpDaemons();
    bool running() const { return ready_; }
    // STARTTLS then a login; TLS from the first byte then AUTH LOGIN; plain only.
    quint16 startTlsPort() const { return startTls_; }
    quint16 implicitTlsPort() const { return implicit_; }
    quint16 plainPort() const { return plain_; }
    // The certificate (PEM) the servers show: a client trusts it as a CA file.
    QString certificate() const { return dir_ + "/cert.pem"; }
    QString maildir() const { return dir_ + "/maildir"; }
    // Files in the Maildir's "new" folder.
    int mailCount() const;
    // What the servers printed: one line per login attempt, and any failure.
    QString log();

private:
    QString dir_;
    std::unique_ptr<QProcess> process_;
    QString output_;
    quint16 startTls_ = 0;
    quint16 implicit_ = 0;
    quint16 plain_ = 0;
    bool ready_ = false;
};

} // namespace mailtest
