#include "mail/accounts/ownmailprogram.h"

#include <QProcess>
#include <QUrl>

namespace mail {

QStringList OwnMailProgramArguments(const QString& to, const QString& subject, const QString& attachment) {
    QStringList arguments{"--utf8"};
    if (!subject.isEmpty()) {
        arguments << "--subject" << subject;
    }
    if (!attachment.isEmpty()) {
        arguments << "--attach" << attachment;
    }
    arguments << "mailto:" + QString::fromLatin1(QUrl::toPercentEncoding(to.trimmed(), "@"));
    return arguments;
}

bool OpenOwnMailProgram(const QString& to, const QString& subject, const QString& attachment) {
    return QProcess::startDetached("xdg-email", OwnMailProgramArguments(to, subject, attachment));
}

} // namespace mail
