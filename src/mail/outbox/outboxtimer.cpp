#include "mail/outbox/outboxtimer.h"

#include <QProcess>
#include <QStandardPaths>

namespace mail {

void KeepOutboxTimer(bool pending) {
    QString program = qEnvironmentVariable("PINEWICK_SYSTEMCTL");
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable("systemctl");
    }
    if (program.isEmpty()) {
        return;
    }
    QProcess systemctl;
    systemctl.setStandardOutputFile(QProcess::nullDevice());
    systemctl.setStandardErrorFile(QProcess::nullDevice());
    systemctl.start(program,
                    {"--user", "--quiet", pending ? "enable" : "disable", "--now", "pinewick-outbox.timer"});
    // A user manager that does not answer must not hold the card up.
    if (systemctl.waitForStarted(2000) && !systemctl.waitForFinished(10000)) {
        systemctl.kill();
        systemctl.waitForFinished(1000);
    }
}

} // namespace mail
