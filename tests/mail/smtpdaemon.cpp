#include "smtpdaemon.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace mailtest {

SmtpDaemon::SmtpDaemon(const QString& maildir) : process_(std::make_unique<QProcess>()) {
    {
        QTcpServer probe; // a free port, given back at once for the server to take
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
    }
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start("/usr/bin/python3", {"-m", "aiosmtpd", "-n", "-l", QString("127.0.0.1:%1").arg(port_),
                                         "-c", "aiosmtpd.handlers.Mailbox", maildir});
    if (!process_->waitForStarted(5000)) {
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000 && process_->state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(200)) {
            probe.abort();
            listening_ = true;
            return;
        }
        QThread::msleep(100);
    }
}

SmtpDaemon::~SmtpDaemon() {
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
}

QString SmtpDaemon::log() const {
    return QString::fromUtf8(process_->readAll());
}

} // namespace mailtest
