#include "app/commands/commands.h"

#include "mail/cardmail.h"
#include "mail/mailaccount.h"
#include "mail/sendmail.h"
#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"

#include <QCoreApplication>
#include <QImage>
#include <cstdio>

namespace {

// One event as one line: line breaks shown as \r and \n, long texts (a whole
// encoded attachment) shortened.
std::string OneLine(const std::string& text) {
    constexpr std::size_t longest = 200;
    std::string line;
    for (char c : text.substr(0, longest)) {
        if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    if (text.size() > longest) {
        line += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return line;
}

} // namespace

int RunSend(const QString& address) {
    DirectXVersion = GetDXVersion();
    QImage background(DataFile("Resource/Bk.bmp"));
    if (background.isNull()) {
        background = QImage(layout::Window, QImage::Format_RGB32);
        background.fill(QColor(12, 20, 48));
    }
    background = background.convertToFormat(QImage::Format_RGB32);

    TTree tree("desc", layout::TreeControl.size(), background.copy(layout::TreeControl));
    // Sending changes nothing of the decoration.
    tree.KeepFileUnchanged();
    if (tree.loadError()) {
        return 1;
    }
    tree.AnimateToys(0);
    tree.Render();
    const QString picture = mail::CardPictureFile();
    QString error;
    if (!mail::SaveCardPicture(background, tree, picture, &error)) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
    }

    const mail::MailAccount account = mail::FindMailAccount();
    if (!account.Found()) {
        std::fprintf(stderr, "pinewick: no mail account found. %s\n",
                     qPrintable(mail::NoMailAccountMessage()));
        return 1;
    }
    std::printf("account: %s <%s> through %s:%u (%s)\n", account.Name.c_str(), account.Address.c_str(),
                account.Server.c_str(), unsigned(account.Port), qPrintable(account.Source));

    bool accepted = false;
    bool failed = false;
    mail::SendMail mail;
    mail.OnMailInfo = [&](mail::SendMail&, mail::SendMailInfo info, const std::string& addinfo) {
        accepted = accepted || info == mail::SendMailInfo::MailAccepted;
        std::printf("info %d: %s\n", static_cast<int>(info), OneLine(addinfo).c_str());
        std::fflush(stdout);
    };
    mail.OnMailError = [&](mail::SendMail&, mail::SendMailError code, const std::string& text) {
        failed = true;
        std::printf("error %d: %s\n", static_cast<int>(code), OneLine(text).c_str());
        std::fflush(stdout);
    };
    mail.OnDone = [](mail::SendMail&) {
        QCoreApplication::quit();
    };
    mail::PrepareCardMail(mail, account, address.toStdString(), tree.WelcomeText, picture);
    mail.SetAction(mail::TMailAction::Send_Mail);
    QCoreApplication::exec();
    return accepted && !failed ? 0 : 1;
}
