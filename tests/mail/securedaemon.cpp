#include "securedaemon.h"

#include "support/test_paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>

namespace mailtest {

SecureSmtpDaemons::SecureSmtpDaemons(const QString& dir, const QString& user, const QString& password)
    : dir_(dir), process_(std::make_unique<QProcess>()) {
    // A self-signed certificate that names "localhost" only (not 127.0.0.1), so
    // one server serves both a matching and a mismatching name.
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-keyout", dir + "/key.pem", "-out", dir + "/cert.pem", "-days", "2",
                              "-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost"});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
        output_ = "openssl failed: " + QString::fromUtf8(openssl.readAll());
        return;
    }
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start("/usr/bin/python3", {testsupport::sourceDir() + "/tests/mail/secure_smtpd.py", maildir(),
                                         certificate(), dir + "/key.pem", user, password});
    QElapsedTimer clock;
    clock.start();
    static const QRegularExpression readyLine(R"(READY starttls=(\d+) implicit=(\d+) plain=(\d+))");
    while (clock.elapsed() < 20000 && process_->state() != QProcess::NotRunning) {
        process_->waitForReadyRead(200);
        output_ += QString::fromUtf8(process_->readAll());
        const auto match = readyLine.match(output_);
        if (match.hasMatch()) {
            startTls_ = match.captured(1).toUShort();
            implicit_ = match.captured(2).toUShort();
            plain_ = match.captured(3).toUShort();
            ready_ = true;
            return;
        }
    }
}

SecureSmtpDaemons::~SecureSmtpDaemons() {
    if (process_->state() != QProcess::NotRunning) {
        process_->closeWriteChannel(); // the script ends when its input does
        if (!process_->waitForFinished(5000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
}

int SecureSmtpDaemons::mailCount() const {
    return static_cast<int>(QDir(maildir() + "/new").entryList(QDir::Files).size());
}

QString SecureSmtpDaemons::log() {
    output_ += QString::fromUtf8(process_->readAll());
    return output_;
}

} // namespace mailtest
