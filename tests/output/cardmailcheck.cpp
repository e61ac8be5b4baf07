#include "cardmailcheck.h"

#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
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

namespace {

// The leaf part of that content type, or an empty object.
QJsonObject PartOfType(const QJsonObject& mail, const QString& type) {
    for (const QJsonValue& part : mail["parts"].toArray()) {
        if (part["type"].toString() == type) {
            return part.toObject();
        }
    }
    return {};
}

} // namespace

QImage CardPicture(const QJsonObject& mail) {
    const QJsonObject part = PartOfType(mail, "image/jpeg");
    if (part.isEmpty()) {
        return {};
    }
    QFile file(part["file"].toString());
    file.open(QIODevice::ReadOnly);
    const QImage sharp = QImage::fromData(file.readAll(), "JPEG");
    // As the reader shows it: a picture drawn finer is shown at the card's size.
    return sharp.width() > 640 ? sharp.scaled(640, 422, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               : sharp;
}

QString CheckCardMail(const QJsonObject& mail, const QString& from, const QString& to,
                      const QString& greeting, const QString& note) {
    QStringList problems;
    const auto expect = [&](const QString& what, const QString& got, const QString& want) {
        if (got != want) {
            problems << what + ": got \"" + got + "\", want \"" + want + "\"";
        }
    };
    // A strict reader finds nothing wrong anywhere.
    for (const QJsonValue& defect : mail["defects"].toArray()) {
        problems << "defect: " + defect.toString();
    }
    QStringList names;
    for (const QJsonValue& header : mail["headers"].toArray()) {
        names << header[0].toString();
    }
    QStringList want{"Date", "From", "To"};
    if (!greeting.isEmpty()) {
        want << "Subject";
        expect("decoded subject", mail["subject"].toString(), greeting);
    } else if (!mail["subject"].isNull()) {
        problems << "a Subject line for an empty greeting";
    }
    want << "Message-ID"
         << "MIME-Version"
         << "Content-Type";
    expect("header names", names.mid(0, want.size()).join(" "), want.join(" "));
    const QStringList headers = HeaderLines(mail);
    expect("From", headers.value(1), "From: " + from);
    expect("To", headers.value(2), "To: " + to);
    if (!mail["date_ok"].toBool()) {
        problems << "the Date is not a date with a zone";
    }
    // The ids name the sender's domain after their one "@".
    const QString domain = QRegularExpression::escape(from.section('@', -1).remove('>'));
    const QRegularExpression messageId("^<[^<>@ ]+@" + domain + ">$");
    if (!messageId.match(mail["message_id"].toString()).hasMatch()) {
        problems << "Message-ID \"" + mail["message_id"].toString() + "\" is not well-formed";
    }
    for (const QString& line : mail["raw_headers"].toString().split('\n')) {
        if (line.size() > 78 || line.endsWith(' ')) {
            problems << "header line too long or with trailing blanks: \"" + line + "\"";
        }
    }
    expect("structure", mail["structure"].toVariant().toStringList().join(" "),
           "multipart/alternative text/plain multipart/related text/html image/jpeg");
    const QJsonObject text = PartOfType(mail, "text/plain");
    const QString made = "Made with Pinewick, the greeting tree for your desktop.\n";
    const QString noted = note.isEmpty() ? made : note + "\n\n" + made;
    expect("text", text["text"].toString().replace("\r\n", "\n"),
           greeting.isEmpty() ? noted : greeting + "\n\n" + noted);
    if (!note.isEmpty() && !PartOfType(mail, "text/html")["text"].toString().contains(
                               note.toHtmlEscaped().replace("\n", "<br>"))) {
        problems << "the HTML does not hold the note";
    }
    const QJsonObject picture = PartOfType(mail, "image/jpeg");
    expect("picture disposition", picture["disposition"].toString(), "inline");
    expect("picture name", picture["filename"].toString(), "Pinewick.jpg");
    const QString id = picture["content_id"].toString();
    if (!QRegularExpression("^<card\\.[0-9a-f]{32}@" + domain + ">$").match(id).hasMatch() ||
        !PartOfType(mail, "text/html")["text"].toString().contains("src=\"cid:" + id.mid(1, id.size() - 2) +
                                                                   "\"")) {
        problems << "the HTML does not show the picture " + id;
    }
    // Drawn at twice the size it is shown at, for phones and HiDPI screens, and
    // still a small file.
    QFile file(picture["file"].toString());
    file.open(QIODevice::ReadOnly);
    const QByteArray jpeg = file.readAll();
    const QImage image = QImage::fromData(jpeg, "JPEG");
    if (image.size() != QSize(1280, 844)) {
        problems << QString("the picture is %1 x %2").arg(image.width()).arg(image.height());
    }
    if (jpeg.size() > 200 * 1024) {
        problems << QString("the picture has %1 bytes").arg(jpeg.size());
    }
    if (!PartOfType(mail, "text/html")["text"].toString().contains("width=\"640\" height=\"422\"")) {
        problems << "the HTML does not show the picture at 640 x 422";
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
