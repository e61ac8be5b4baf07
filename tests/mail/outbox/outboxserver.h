#pragma once
#include "mail/outbox/outbox.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>

namespace mailtest {

// The server of outbox_smtpd.py on a port chosen once, so it can be stopped
// and started again where the outbox's sender looks for it.
class OutboxServer {
public:
    explicit OutboxServer(const QString& maildir) : maildir_(maildir) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
    }
    ~OutboxServer() { Stop(); }
    bool Start() {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start("/usr/bin/python3",
                       {QString(PINEWICK_OUTBOX_SMTPD), QString::number(port_), maildir_});
        return process_.waitForReadyRead(15000) && process_.readAll().contains("listening");
    }
    void Stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
    }
    quint16 Port() const { return port_; }
    int Stored() const { return QDir(maildir_ + "/new").entryList(QDir::Files).size(); }

private:
    QString maildir_;
    quint16 port_ = 0;
    QProcess process_;
};

// Puts a small card for each address in the outbox, due at due; its id.
inline QString ScheduleCard(mail::Outbox& outbox, const std::vector<std::string>& addresses,
                            const QDateTime& due) {
    std::vector<mail::ReadyMessage> messages;
    for (const std::string& address : addresses) {
        messages.push_back({address, {}, "Subject: card\r\nTo: <" + address + ">\r\n\r\nA card\r\n"});
    }
    QString error;
    return outbox.Add(messages, due, "card", &error);
}

} // namespace mailtest
