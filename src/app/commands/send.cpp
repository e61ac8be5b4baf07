#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "mail/accounts/mailaccount.h"
#include "mail/accounts/ownmailprogram.h"
#include "mail/accounts/passwordsource.h"
#include "mail/sendmail.h"
#include "output/cardmail.h"
#include "scene/tree.h"

#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <openssl/crypto.h>

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
void PrintOwnMailProgramOffer(const QString& address, const std::string& greeting, const QString& picture) {
    QString line = "xdg-email";
    for (const QString& argument :
         mail::OwnMailProgramArguments(address, QString::fromStdString(greeting), picture)) {
        line += " " + ShellQuoted(argument);
    }
    std::fprintf(stderr, "pinewick: to send the card with your own mail program instead, run:\n  %s\n",
                 qPrintable(line));
}

} // namespace

int RunSend(const QString& address) {
    const PictureDecoration decoration = LoadPictureDecoration();
    if (!decoration.tree) {
        return 1;
    }
    const QImage& background = decoration.background;
    TTree& tree = *decoration.tree;
    const QString picture = mail::CardPictureFile();
    QString error;
    if (!mail::SaveCardPicture(background, tree, picture, &error)) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
    }

    mail::MailAccount account = mail::FindMailAccount();
    if (!account.Found()) {
        std::fprintf(stderr, "pinewick: no mail account found. %s\n",
                     qPrintable(mail::NoMailAccountMessage()));
        PrintOwnMailProgramOffer(address, tree.WelcomeText, picture);
        return 1;
    }
    std::printf("account: %s <%s> through %s:%u (%s)\n", account.Name.c_str(), account.Address.c_str(),
                account.Server.c_str(), unsigned(account.Port), qPrintable(account.Source));

    // A login's password comes from the account's settings or the keyring, never
    // from a prompt: the command may run where nobody can answer one.
    if (account.Security.NeedsPassword()) {
        mail::PasswordResult password = mail::FindPassword(account.Security, account.Server);
        if (!password.Found()) {
            std::fprintf(stderr, "pinewick: cannot log in: %s\n", password.Problem.c_str());
            PrintOwnMailProgramOffer(address, tree.WelcomeText, picture);
            return 1;
        }
        account.Security.Password = password.Password;
        OPENSSL_cleanse(password.Password.data(), password.Password.size());
    }

    bool accepted = false;
    bool failed = false;
    bool loginRefused = false;
    mail::SendMail mail;
    mail.OnMailInfo = [&](mail::SendMail&, mail::SendMailInfo info, const std::string& addinfo) {
        accepted = accepted || info == mail::SendMailInfo::MailAccepted;
        std::printf("info %d: %s\n", static_cast<int>(info), OneLine(addinfo).c_str());
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
    mail::PrepareCardMail(mail, account, address.toStdString(), tree.WelcomeText, picture);
    mail.SetAction(mail::TMailAction::Send_Mail);
    OPENSSL_cleanse(account.Security.Password.data(), account.Security.Password.size());
    QCoreApplication::exec();
    if (loginRefused) {
        PrintOwnMailProgramOffer(address, tree.WelcomeText, picture);
    }
    return accepted && !failed ? 0 : 1;
}
