#include "output/cardmail.h"

#include "mail/headerfields.h"
#include "mail/sendmail.h"
#include "mainwindow/greetingpicture.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace output {

namespace {

constexpr char kMadeWith[] = "Made with Pinewick, the greeting tree for your desktop.";

std::string HtmlEscaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

} // namespace

QString CardPictureFile() {
    return GetTempFolder() + "Pinewick.jpg";
}

bool SaveCardPicture(const QImage& windowBackground, TTree& tree, const QString& file, QString* error) {
    return SavePicture(GreetingPicture(windowBackground, tree), file, error);
}

bool WriteCardInlinePicture(const QImage& windowBackground, TTree& tree, const QString& folder,
                            CardInlinePicture* picture, QString* error) {
    const QString file = QDir(folder).filePath("Pinewick.jpg");
    // Only a picture this send wrote goes out: whatever lay there before is gone.
    QFile::remove(file);
    if (folder.isEmpty() || !SaveCardPicture(windowBackground, tree, file, error)) {
        if (error && error->isEmpty()) {
            *error = "The card picture could not be written to " + file + ".";
        }
        return false;
    }
    if (!QFileInfo(file).isFile()) {
        if (error) {
            *error = "The card picture could not be written to " + file + ".";
        }
        return false;
    }
    picture->File = file;
    picture->MimeType = "image/jpeg";
    return true;
}

ExportResult AnimateCardInlinePicture(const QImage& windowBackground, TTree& tree, CardInlinePicture* picture,
                                      const ExportProgress& progress, QString* error) {
    const QString animation = QFileInfo(picture->File).dir().filePath("Pinewick.gif");
    const ExportResult result = ExportCard(windowBackground, tree, animation, progress, error);
    if (result == ExportResult::Written) {
        picture->StillFile = picture->File;
        picture->File = animation;
        picture->MimeType = "image/gif";
    }
    return result;
}

std::vector<std::string> CardPlainText(const std::string& greeting) {
    std::vector<std::string> lines;
    if (!greeting.empty()) {
        lines.push_back(greeting);
        lines.emplace_back();
    }
    lines.emplace_back(kMadeWith);
    return lines;
}

std::vector<std::string> CardHtml(const std::string& greeting, const std::string& contentId) {
    const std::string text = HtmlEscaped(greeting);
    return {
        "<!DOCTYPE html>",
        "<html><head><meta charset=\"utf-8\"><title>" + text + "</title></head>",
        "<body style=\"margin:0;padding:16px;background:#f3efe6;font-family:sans-serif\">",
        "<p style=\"font-size:20px;margin:0 0 12px\">" + text + "</p>",
        "<img src=\"cid:" + contentId + "\" width=\"640\" height=\"422\" alt=\"" + text +
            "\" style=\"display:block;max-width:100%;height:auto;border:0\">",
        "<p style=\"font-size:12px;color:#6b6358;margin:12px 0 0\">" + HtmlEscaped(kMadeWith) + "</p>",
        "</body></html>",
    };
}

void PrepareCardMail(mail::SendMail& mail, const mail::MailAccount& account, const std::string& recipient,
                     const std::string& greeting, const CardInlinePicture& picture) {
    mail.ListTo.clear();
    mail.Attachments.clear();
    mail.FROM_Name = account.Name;
    mail.FROM_Address = account.Address;
    mail.SetSMTP_Server(account.Server);
    mail.SMTP_Port = account.Port;
    mail.Security = account.Security;
    mail.TO_Address = recipient;
    mail.TO_Name = recipient;
    mail.Subject = greeting;

    // The picture's id is unique and names the sender's domain, as a message id does.
    const std::string from = mail::AsciiAddress(account.Address);
    const std::size_t at = from.rfind('@');
    const std::string domain =
        at == std::string::npos ? std::string("pinewick.invalid") : from.substr(at + 1);
    const std::string contentId =
        "card." + QUuid::createUuid().toString(QUuid::Id128).toStdString() + "@" + domain;
    mail.MailText = CardPlainText(greeting);
    mail.HtmlText = CardHtml(greeting, contentId);
    mail.Attachments.push_back(picture.File.toStdString());
    mail::TAttachmentInfo info;
    info.FileName = picture.File.toStdString();
    info.Name = QFileInfo(picture.File).fileName().toStdString();
    info.Encoding = mail::AttachmentEncoding::Base64;
    info.ContentType = picture.MimeType;
    info.Disposition = "inline";
    info.ContentID = contentId;
    mail.SetAttachmentInfo(1, info);
    if (!picture.StillFile.isEmpty()) {
        mail.Attachments.push_back(picture.StillFile.toStdString());
        mail::TAttachmentInfo still;
        still.FileName = picture.StillFile.toStdString();
        still.Name = QFileInfo(picture.StillFile).fileName().toStdString();
        still.Encoding = mail::AttachmentEncoding::Base64;
        still.ContentType = "image/jpeg";
        still.Disposition = "attachment";
        mail.SetAttachmentInfo(2, still);
    }
}

} // namespace output
