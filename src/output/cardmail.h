#pragma once
// The greeting card by mail: the picture file in the temporary folder and the
// mail component filled to send it from the user's own account. Shared by the
// output dialog and the `--send` command.
#include "mail/accounts/mailaccount.h"

#include <QImage>
#include <QString>
#include <string>

class TTree;

namespace mail {

class SendMail;

// The temporary folder + "Pinewick.jpg"; overwritten by every send.
QString CardPictureFile();

// Composes the card picture of the tree over the window background and
// writes it as a JPEG of moderate size. A failure leaves the file as it was
// (the mail then goes out without a picture) and is described in *error.
bool SaveCardPicture(const QImage& windowBackground, TTree& tree, const QString& file, QString* error);

// Fills the mail component for one card: the picture file as the one
// attachment, the account as sender and server (with its encryption and login), the typed text as both the
// recipient's address and name, the greeting as subject, no body text.
void PrepareCardMail(SendMail& mail, const MailAccount& account, const std::string& recipient,
                     const std::string& greeting, const QString& pictureFile);

} // namespace mail
