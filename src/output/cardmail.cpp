#include "output/cardmail.h"

#include "mail/headerfields.h"
#include "mail/sendmail.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "output/printcard.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QUuid>

namespace output {

namespace {

// The card's own sentence, in the sender's language.
std::string madeWith() {
    return QCoreApplication::translate("CardMail", "Made with Pinewick, the greeting tree for your desktop.")
        .toStdString();
}

std::string HtmlEscaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

// The JPEG of picture at the best quality that stays within kMaxMailPictureBytes
// (the lowest tried when none does).
QByteArray MailJpeg(const QImage& picture) {
    QByteArray bytes;
    for (const int quality : {82, 75, 68, 60, 50}) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(quality);
        writer.setOptimizedWrite(true);
        if (!writer.write(picture)) {
            return {};
        }
        if (bytes.size() <= kMaxMailPictureBytes) {
            break;
        }
    }
    return bytes;
}

} // namespace

QImage SharpCardPicture(const QImage& windowBackground, TTree& tree) {
    QImage picture(layout::Snapshot * 2, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter canvas(&picture);
    // The printed card's drawing, on a "page" of the picture's own pixels
    // without margins: the greeting fitted and the tree rendered at this size.
    TPrintLayout page;
    page.dpiX = 1;
    page.dpiY = 1;
    page.W = picture.width();
    PrintCard(canvas, page, PrintCardBackground(windowBackground), tree);
    return picture;
}

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
    const QByteArray jpeg =
        folder.isEmpty() ? QByteArray() : MailJpeg(SharpCardPicture(windowBackground, tree));
    QSaveFile out(file);
    if (jpeg.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(jpeg) != jpeg.size() ||
        !out.commit() || !QFileInfo(file).isFile()) {
        if (error) {
            *error = QCoreApplication::translate("CardMail", "The card picture could not be written to %1.")
                         .arg(file);
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

bool AddInteractiveCard(const QImage& windowBackground, TTree& tree, CardInlinePicture* picture,
                        QString* error) {
    const QString page = QFileInfo(picture->File).dir().filePath("Pinewick.html");
    if (ExportCard(windowBackground, tree, page, {}, error) != ExportResult::Written) {
        return false;
    }
    picture->PageFile = page;
    return true;
}

QString InteractiveCardLine() {
    return QCoreApplication::translate("CardMail",
                                       "Open the attached Pinewick.html in a web browser to turn the tree.");
}

std::vector<std::string> CardPlainText(const std::string& greeting, const std::string& note) {
    std::vector<std::string> lines;
    if (!greeting.empty()) {
        lines.push_back(greeting);
        lines.emplace_back();
    }
    if (!note.empty()) {
        for (const QString& line : QString::fromStdString(note).split('\n')) {
            lines.push_back(line.toStdString());
        }
        lines.emplace_back();
    }
    lines.push_back(madeWith());
    return lines;
}

std::vector<std::string> CardHtml(const std::string& greeting, const std::string& contentId,
                                  const std::string& note) {
    const std::string text = HtmlEscaped(greeting);
    std::vector<std::string> html = {
        "<!DOCTYPE html>",
        "<html><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>" +
            text + "</title></head>",
        "<body style=\"margin:0;padding:16px;background:#f3efe6;font-family:sans-serif\">",
        "<p style=\"font-size:20px;margin:0 0 12px\">" + text + "</p>",
        // The picture in a block of its own: readers that don't know "display"
        // would otherwise set it in the greeting's line.
        "<div><img src=\"cid:" + contentId + "\" width=\"640\" height=\"422\" alt=\"" + text +
            "\" style=\"display:block;max-width:100%;height:auto;border:0\"></div>",
    };
    if (!note.empty()) {
        // The user's own words: escaped, their line breaks kept.
        html.push_back("<p style=\"font-size:16px;line-height:1.45;color:#2b2722;margin:16px 0 0\">" +
                       QString::fromStdString(HtmlEscaped(note)).replace("\n", "<br>").toStdString() +
                       "</p>");
    }
    html.push_back("<p style=\"font-size:12px;color:#6b6358;margin:12px 0 0\">" + HtmlEscaped(madeWith()) +
                   "</p>");
    html.push_back("</body></html>");
    return html;
}

void PrepareCardSender(mail::SendMail& mail, const mail::MailAccount& account) {
    mail.FROM_Name = account.Name;
    mail.FROM_Address = account.Address;
    mail.SetSMTP_Server(account.Server);
    mail.SMTP_Port = account.Port;
    mail.Security = account.Security;
}

void PrepareCardMail(mail::SendMail& mail, const mail::MailAccount& account, const std::string& recipient,
                     const std::string& greeting, const CardInlinePicture& picture, const std::string& name,
                     const std::string& note) {
    mail.ListTo.clear();
    mail.Attachments.clear();
    PrepareCardSender(mail, account);
    mail.TO_Address = recipient;
    mail.TO_Name = name.empty() ? recipient : name;
    mail.Subject = greeting;

    // The picture's id is unique and names the sender's domain, as a message id does.
    const std::string from = mail::AsciiAddress(account.Address);
    const std::size_t at = from.rfind('@');
    const std::string domain =
        at == std::string::npos ? std::string("pinewick.invalid") : from.substr(at + 1);
    const std::string contentId =
        "card." + QUuid::createUuid().toString(QUuid::Id128).toStdString() + "@" + domain;
    mail.MailText = CardPlainText(greeting, note);
    mail.HtmlText = CardHtml(greeting, contentId, note);
    mail.Attachments.push_back(picture.File.toStdString());
    mail::TAttachmentInfo info;
    info.FileName = picture.File.toStdString();
    info.Name = QFileInfo(picture.File).fileName().toStdString();
    info.Encoding = mail::AttachmentEncoding::Base64;
    info.ContentType = picture.MimeType;
    info.Disposition = "inline";
    info.ContentID = contentId;
    mail.SetAttachmentInfo(1, info);
    if (!picture.PageFile.isEmpty()) {
        // The line goes above the last one ("made with"), in both texts.
        const std::string line = InteractiveCardLine().toStdString();
        mail.MailText.insert(mail.MailText.end() - 1, {line, std::string()});
        mail.HtmlText.insert(mail.HtmlText.end() - 2,
                             "<p style=\"font-size:16px;margin:16px 0 0\">" + HtmlEscaped(line) + "</p>");
    }
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
    if (!picture.PageFile.isEmpty()) {
        mail.Attachments.push_back(picture.PageFile.toStdString());
        mail::TAttachmentInfo page;
        page.FileName = picture.PageFile.toStdString();
        page.Name = "Pinewick.html";
        page.Encoding = mail::AttachmentEncoding::Base64;
        page.ContentType = "text/html";
        page.Disposition = "attachment";
        mail.SetAttachmentInfo(static_cast<int>(mail.Attachments.size()), page);
    }
}

} // namespace output
