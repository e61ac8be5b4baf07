// The name SendMail greets the server with, and whether its addresses need
// the server's SMTPUTF8.
#include "mail/headerfields.h"
#include "mail/sendmail.h"

#include <QUrl>

namespace mail {

namespace {

// A name that says where the machine is: dotted, and not one of the names
// every machine gives itself.
bool FullyQualified(const std::string& host) {
    const QString name = QString::fromStdString(host).toLower();
    return name.contains('.') && !name.endsWith('.') && !name.startsWith('.') &&
           !name.startsWith("localhost") && !name.endsWith(".localdomain");
}

} // namespace

std::string SendMail::HeloName() {
    const std::string host = LocalHostName();
    if (FullyQualified(host)) {
        const QByteArray ace = QUrl::toAce(QString::fromStdString(host));
        if (!ace.isEmpty()) {
            return ace.toStdString();
        }
    }
    const std::string local = LocalAddressText();
    return "[" + (local.empty() ? std::string("127.0.0.1") : local) + "]";
}

bool SendMail::NeedsSmtpUtf8() const {
    std::string address;
    std::string name;
    if (mail::NeedsSmtpUtf8(FROM_Address) || mail::NeedsSmtpUtf8(TO_Address)) {
        return true;
    }
    for (const auto* list : {&ListTo, &Listcc, &ListBcc}) {
        for (const std::string& entry : *list) {
            SplitRecipient(entry, address, name);
            if (mail::NeedsSmtpUtf8(address)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace mail
