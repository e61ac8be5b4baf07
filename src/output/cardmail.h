#pragma once
// The greeting card by mail: the card picture in a private folder and the
// mail component filled to send it from the user's own account, as a card the
// reader shows in the body. Shared by the output dialog and the `--send` command.
#include "mail/accounts/mailaccount.h"
#include "output/cardexport.h"

#include <QImage>
#include <QString>
#include <string>

class TTree;

namespace mail {
class SendMail;
} // namespace mail

namespace output {

// The temporary folder + "Pinewick.jpg", the picture handed to the user's own
// mail program.
QString CardPictureFile();

// The picture the card shows inline: its file and MIME type. The file's name
// is the name the reader sees.
struct CardInlinePicture {
    QString File;
    std::string MimeType;
    // The still JPEG that goes along as an attachment when the inline picture
    // is the turning tree, for readers that show no HTML (empty: none).
    QString StillFile;
    // The interactive card, a web page that goes along as an attachment
    // "Pinewick.html" (empty: none).
    QString PageFile;
};

// Writes the interactive card as "Pinewick.html" beside picture's file and
// names it in picture. False, with *error, when it could not be written.
bool AddInteractiveCard(const QImage& windowBackground, TTree& tree, CardInlinePicture* picture,
                        QString* error);

// The line the card's texts carry when the interactive card goes along.
QString InteractiveCardLine();

// Composes the card picture of the tree over the window background and
// writes it as a JPEG of moderate size. A failure leaves the file as it was
// and is described in *error.
bool SaveCardPicture(const QImage& windowBackground, TTree& tree, const QString& file, QString* error);

// The largest card picture a mail carries.
inline constexpr qsizetype kMaxMailPictureBytes = 200 * 1024;

// The card for the mail, drawn at twice its size (1280 × 844) so that it stays
// sharp on phones and HiDPI screens, which show it at 640 × 422.
QImage SharpCardPicture(const QImage& windowBackground, TTree& tree);

// Writes the card's inline picture (SharpCardPicture as a JPEG of at most
// kMaxMailPictureBytes named "Pinewick.jpg") into folder, a private folder
// made for this send. False, with *error, when it could not be written: the
// card must not go out then.
bool WriteCardInlinePicture(const QImage& windowBackground, TTree& tree, const QString& folder,
                            CardInlinePicture* picture, QString* error);

// Makes picture, written by WriteCardInlinePicture, the animated card: the
// turning tree as "Pinewick.gif" beside it is shown inline and the still JPEG
// goes along as an attachment. A cancel or failure leaves picture as it was.
ExportResult AnimateCardInlinePicture(const QImage& windowBackground, TTree& tree, CardInlinePicture* picture,
                                      const ExportProgress& progress, QString* error);

// The texts of the card: the plain one (the greeting, the personal note and a
// line saying where it was made) and the HTML one that shows the picture with
// id contentId and the note, escaped, under it.
std::vector<std::string> CardPlainText(const std::string& greeting, const std::string& note = {});
std::vector<std::string> CardHtml(const std::string& greeting, const std::string& contentId,
                                  const std::string& note = {});

// Sender, server, encryption and login from the account.
void PrepareCardSender(mail::SendMail& mail, const mail::MailAccount& account);

// Fills the mail component for one card: the sender as PrepareCardSender does,
// the recipient (with the name, else the address, beside it in To), the
// greeting as subject, and the card as plain text and HTML with the picture
// inline and the note (already made out to this recipient) under it.
void PrepareCardMail(mail::SendMail& mail, const mail::MailAccount& account, const std::string& recipient,
                     const std::string& greeting, const CardInlinePicture& picture,
                     const std::string& name = {}, const std::string& note = {});

} // namespace output
