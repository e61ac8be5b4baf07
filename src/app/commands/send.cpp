#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "mail/accounts/mailaccount.h"
#include "mail/accounts/ownmailprogram.h"
#include "mail/accounts/passwordsource.h"
#include "mail/sendmail.h"
#include "output/cardmail.h"
#include "platform/visibletext.h"
#include "scene/tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <openssl/crypto.h>

namespace {

// One event as one line: control characters escaped visibly (a server's reply
// may hold terminal escape sequences), long texts (a whole encoded attachment,
// an endless reply) shortened.
std::string OneLine(const std::string& text) {
    constexpr std::size_t longest = 200;
    std::string line = ShortVisibleText(text, longest);
    if (text.size() > longest) {
        line += " (" + std::to_string(text.size()) + " bytes)";
    }
    return line;
}

// One argument as a POSIX shell reads it back: left bare when it is made of
// safe characters only, else in single quotes.
QString ShellQuoted(const QString& argument) {
    static const QString safe = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789@%+=:,./_-";
    const bool bare = !argument.isEmpty() &&
                      std::all_of(argument.begin(), argument.end(), [](QChar c) { return safe.contains(c); });
    if (bare) {
        return argument;
    }
    QString quoted = argument;
    quoted.replace("'", "'\\''");
    return "'" + quoted + "'";
}

// The way to send the card anyway: the command line that opens the user's own
// mail program with the card attached. Only printed: a script decides itself
// whether a mail program should open on the desktop.
void PrintOwnMailProgramOffer(const QString& address, const std::string& greeting, const QImage& background,
                              TTree& tree) {
    // The mail program reads the picture after we are gone: it lies in the
    // temporary folder, written anew now.
    const QString picture = output::CardPictureFile();
    QString error;
    if (!output::SaveCardPicture(background, tree, picture, &error)) {
        std::fprintf(stderr, "pinewick: the card picture could not be written: %s\n", qPrintable(error));
        return;
    }
    QString line = "xdg-email";
    for (const QString& argument :
         mail::OwnMailProgramArguments(address, QString::fromStdString(greeting), picture)) {
        line += " " + ShellQuoted(argument);
    }
    std::fprintf(stderr, "pinewick: to send the card with your own mail program instead, run:\n  %s\n",
                 qPrintable(line));
}

} // namespace

int RunSend(const QString& address, bool verbose, bool animated) {
    const PictureDecoration decoration = LoadPictureDecoration();
    if (!decoration.tree) {
        return 1;
    }
    const QImage& background = decoration.background;
    TTree& tree = *decoration.tree;
    // The card picture lies in a folder of its own that only this user can
    // read, made for this send and removed after it; no picture, no mail.
    QTemporaryDir folder(QDir::tempPath() + "/pinewick-card-XXXXXX");
    output::CardInlinePicture picture;
    QString error;
    if (!folder.isValid()) {
        std::fprintf(stderr, "pinewick: the card was not sent: no private folder could be made in %s: %s\n",
                     qPrintable(QDir::tempPath()), qPrintable(folder.errorString()));
        return 1;
    }
    if (!output::WriteCardInlinePicture(background, tree, folder.path(), &picture, &error)) {
        std::fprintf(stderr, "pinewick: the card was not sent: %s\n", qPrintable(error));
        return 1;
    }
    if (animated) {
        const ExportResult made = WithProgressBar([&](const ExportProgress& progress) {
            return output::AnimateCardInlinePicture(background, tree, &picture, progress, &error);
        });
        if (made != ExportResult::Written) {
            std::fprintf(stderr, "pinewick: the card was not sent: %s\n", qPrintable(error));
            return 1;
        }
    }

    mail::MailAccount account = mail::FindMailAccount();
    if (!account.Found()) {
        std::fprintf(stderr, "pinewick: no mail account found. %s\n",
                     qPrintable(mail::NoMailAccountMessage()));
        PrintOwnMailProgramOffer(address, tree.WelcomeText, background, tree);
        return 1;
    }
    std::printf("account: %s <%s> through %s:%u (%s)\n", VisibleText(account.Name).c_str(),
                VisibleText(account.Address).c_str(), VisibleText(account.Server).c_str(),
                unsigned(account.Port), qPrintable(account.Source));

    // A login's password comes from the account's settings or the keyring, never
    // from a prompt: the command may run where nobody can answer one.
    if (account.Security.NeedsPassword()) {
        mail::PasswordResult password = mail::FindPassword(account.Security, account.Server);
        if (!password.Found()) {
            std::fprintf(stderr, "pinewick: cannot log in: %s\n", VisibleText(password.Problem).c_str());
            PrintOwnMailProgramOffer(address, tree.WelcomeText, background, tree);
            return 1;
        }
        account.Security.Password = password.Password;
        OPENSSL_cleanse(password.Password.data(), password.Password.size());
    }

    bool accepted = false;
    bool failed = false;
    bool loginRefused = false;
    bool sendingShown = false;
    std::string lastReply;
    const qint64 pictureBytes = QFileInfo(picture.File).size() +
                                (picture.StillFile.isEmpty() ? 0 : QFileInfo(picture.StillFile).size());
    mail::SendMail mail;
    mail.OnMailInfo = [&](mail::SendMail&, mail::SendMailInfo info, const std::string& addinfo) {
        using I = mail::SendMailInfo;
        accepted = accepted || info == I::MailAccepted;
        if (info == I::ReplyLine) {
            lastReply = addinfo;
        }
        if (verbose) {
            // The server's replies whole, however long; what we send shortened.
            const std::string shown = info == I::ReplyLine ? VisibleText(addinfo) : OneLine(addinfo);
            std::printf("info %d: %s\n", static_cast<int>(info), shown.c_str());
        } else if (info == I::Connected) {
            std::printf("Connected to %s\n", VisibleText(addinfo).c_str());
        } else if (info == I::Encrypted) {
            std::printf("Encrypted (%s)\n", VisibleText(addinfo).c_str());
        } else if (info == I::LoggedIn) {
            std::printf("Logged in as %s\n", VisibleText(addinfo).c_str());
        } else if (info == I::RecipientRefused) {
            std::printf("Recipient refused: %s (%s)\n", VisibleText(addinfo).c_str(),
                        OneLine(lastReply).c_str());
        } else if (info == I::AttachmentSkipped) {
            std::printf("The picture could not be read and was left out: %s\n", VisibleText(addinfo).c_str());
        } else if (info == I::BodyStart && !sendingShown) {
            sendingShown = true;
            std::printf("Sending the card (%lld KB) ...\n",
                        static_cast<long long>((pictureBytes + 1023) / 1024));
        } else if (info == I::MailAccepted) {
            std::printf("Accepted: %s\n", OneLine(lastReply).c_str());
        }
        std::fflush(stdout);
    };
    mail.OnMailError = [&](mail::SendMail&, mail::SendMailError code, const std::string& text) {
        failed = true;
        loginRefused = loginRefused || code == mail::SendMailError::LoginFailed;
        std::printf("error %d: %s\n", static_cast<int>(code), OneLine(text).c_str());
        std::fflush(stdout);
    };
    mail.OnDone = [](mail::SendMail&) {
        QCoreApplication::quit();
    };
    output::PrepareCardMail(mail, account, address.toStdString(), tree.WelcomeText, picture);
    std::printf("Connecting to %s:%u ...\n", VisibleText(account.Server).c_str(), unsigned(account.Port));
    std::fflush(stdout);
    mail.SetAction(mail::TMailAction::Send_Mail);
    OPENSSL_cleanse(account.Security.Password.data(), account.Security.Password.size());
    QCoreApplication::exec();
    if (loginRefused) {
        PrintOwnMailProgramOffer(address, tree.WelcomeText, background, tree);
    }
    return accepted && !failed ? 0 : 1;
}
