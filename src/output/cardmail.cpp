#include "output/cardmail.h"

#include "mail/sendmail.h"
#include "mainwindow/greetingpicture.h"
#include "platform/paths.h"

namespace mail {

QString CardPictureFile() {
    return GetTempFolder() + "Pinewick.jpg";
}

bool SaveCardPicture(const QImage& windowBackground, TTree& tree, const QString& file, QString* error) {
    return SavePicture(GreetingPicture(windowBackground, tree), file, error);
}

void PrepareCardMail(SendMail& mail, const MailAccount& account, const std::string& recipient,
                     const std::string& greeting, const QString& pictureFile) {
    mail.ListTo.clear();
    mail.Attachments.clear();
    // No descriptor: the picture goes out base64 as application/octet-stream.
    mail.Attachments.push_back(pictureFile.toStdString());
    mail.FROM_Name = account.Name;
    mail.FROM_Address = account.Address;
    mail.SetSMTP_Server(account.Server);
    mail.SMTP_Port = account.Port;
    mail.Security = account.Security;
    mail.TO_Address = recipient;
    mail.TO_Name = recipient;
    mail.Subject = greeting;
    mail.MailText.clear();
}

} // namespace mail
