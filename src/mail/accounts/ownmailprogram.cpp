#include "mail/accounts/ownmailprogram.h"

#include <QCoreApplication>
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

QString OwnMailProgramProblem(int exitStatus) {
    // xdg-email's documented exit statuses.
    switch (exitStatus) {
    case 0:
        return {};
    case 2:
        return QCoreApplication::translate("mail", "the card's picture was not found.");
    case 3:
        return QCoreApplication::translate("mail", "no mail program is set up on this desktop.");
    case 5:
        return QCoreApplication::translate("mail", "the card's picture could not be read.");
    default:
        return QCoreApplication::translate("mail", "xdg-email ended with the error status %1.")
            .arg(exitStatus);
    }
}

void OpenOwnMailProgram(const QString& to, const QString& subject, const QString& attachment,
                        QObject* context, std::function<void(const QString& problem)> ended) {
    // The process is nobody's child and deletes itself once xdg-email has
    // ended: a mail program that stays open is never killed with its owner.
    auto* process = new QProcess;
    process->setProgram("xdg-email");
    process->setArguments(OwnMailProgramArguments(to, subject, attachment));
    // Its output goes where ours goes, not into a pipe that breaks when we end.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, context,
                     [ended](int exitCode, QProcess::ExitStatus status) {
                         ended(status == QProcess::CrashExit
                                   ? QCoreApplication::translate("mail", "xdg-email stopped unexpectedly.")
                                   : OwnMailProgramProblem(exitCode));
                     });
    QObject::connect(process, &QProcess::errorOccurred, context, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            ended(QCoreApplication::translate(
                "mail", "xdg-email could not be started (it comes with the package xdg-utils)."));
        }
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            process->deleteLater();
        }
    });
    process->start();
}

} // namespace mail
