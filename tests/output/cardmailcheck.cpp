#include "cardmailcheck.h"

#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

namespace mailtest {

void WriteMsmtpConfig(const QString& configHome, quint16 port, const QString& from) {
    QDir().mkpath(configHome + "/msmtp");
    QFile file(configHome + "/msmtp/config");
    file.open(QIODevice::WriteOnly);
    file.write(
        QString("defaults\nport %1\n\naccount card\nhost 127.0.0.1\nfrom %2\n\naccount default : card\n")
            .arg(port)
            .arg(from)
            .toUtf8());
}

QJsonArray ReadMails(const QString& maildir) {
    static QTemporaryDir parts;
    QProcess reader;
    reader.start("/usr/bin/python3",
                 {testsupport::sourceDir() + "/tests/output/read_card_mail.py", maildir, parts.path()});
    reader.waitForFinished(30000);
    const QByteArray problems = reader.readAllStandardError();
    if (!problems.isEmpty()) {
        qWarning("read_card_mail.py: %s", problems.constData());
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

QStringList HeaderLines(const QJsonObject& mail) {
    QStringList lines;
    for (const QJsonValue& header : mail["headers"].toArray()) {
        lines << header[0].toString() + ": " + header[1].toString();
    }
    return lines;
}

QImage CardPicture(const QJsonObject& mail) {
    const QJsonArray parts = mail["parts"].toArray();
    if (parts.size() != 1) {
        return {};
    }
    QFile file(parts[0]["file"].toString());
    file.open(QIODevice::ReadOnly);
    return QImage::fromData(file.readAll(), "JPEG");
}

QString CheckCardMail(const QJsonObject& mail, const QString& from, const QString& to,
                      const QString& greeting) {
    QStringList problems;
    const auto expect = [&](const QString& what, const QString& got, const QString& want) {
        if (got != want) {
            problems << what + ": got \"" + got + "\", want \"" + want + "\"";
        }
    };
    QStringList headers = HeaderLines(mail);
    QStringList want{"From: " + from, "To: " + to + " <" + to + ">"};
    if (!greeting.isEmpty()) {
        expect("decoded subject", mail["subject"].toString().trimmed(), greeting);
        // The Subject line itself is checked by name only (it may be encoded).
        if (!headers.value(2).startsWith("Subject: ")) {
            problems << "no Subject line third";
        }
        want << headers.value(2);
    } else if (!mail["subject"].isNull()) {
        problems << "a Subject line for an empty greeting";
    }
    want << "Mime-Version: 1.0";
    for (int i = 0; i < want.size(); ++i) {
        expect("header " + QString::number(i + 1), headers.value(i), want[i]);
    }
    expect("content type", mail["content_type"].toString(), "multipart/mixed");
    const QJsonArray parts = mail["parts"].toArray();
    if (parts.size() != 1) {
        problems << QString("%1 parts instead of one").arg(parts.size());
    } else {
        QStringList partHeaders;
        for (const QJsonValue& header : parts[0]["headers"].toArray()) {
            partHeaders << header[0].toString() + ": " + header[1].toString();
        }
        expect("part headers", partHeaders.join(" | "),
               "Content-Type: application/octet-stream; name=\"Pinewick.jpg\" | "
               "Content-Transfer-Encoding: base64 | "
               "Content-Disposition: attachment; filename=\"Pinewick.jpg\"");
    }
    const QImage picture = CardPicture(mail);
    if (picture.size() != QSize(640, 422)) {
        problems << QString("the picture is %1 x %2").arg(picture.width()).arg(picture.height());
    }
    return problems.join("\n");
}

void SetGreeting(const QString& descFile, const QByteArray& greeting) {
    QFile file(descFile);
    file.open(QIODevice::ReadOnly);
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    for (QByteArray& line : lines) {
        if (line.startsWith("WelcomeText=")) {
            line = "WelcomeText=" + greeting;
        }
    }
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(lines.join('\n'));
}

int ChangedPixels(const QImage& a, const QImage& b, const QRect& rect) {
    int changed = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q)) >
                60) {
                ++changed;
            }
        }
    }
    return changed;
}

} // namespace mailtest
