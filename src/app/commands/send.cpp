#include "app/commands/commands.h"
#include "app/commands/decoration.h"

#include "mail/accounts/mailaccount.h"
#include "mail/accounts/ownmailprogram.h"
#include "mail/accounts/passwordsource.h"
#include "mail/addressbooks/addressbook.h"
#include "mail/mailbatch.h"
#include "mail/sendmail.h"
#include "output/cardletters.h"
#include "output/cardnote.h"
#include "platform/visibletext.h"
#include "scene/tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <openssl/crypto.h>

namespace {

// The command's texts.
struct SendCommand {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

// A line of progress or an error, in the desktop's language and encoding.
void say(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", qPrintable(line));
}

QString visible(const std::string& text) {
    return QString::fromStdString(VisibleText(text));
}

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
        say(stderr, SendCommand::tr("pinewick: the card picture could not be written: %1").arg(error));
        return;
    }
    QString line = "xdg-email";
    for (const QString& argument :
         mail::OwnMailProgramArguments(address, QString::fromStdString(greeting), picture)) {
        line += " " + ShellQuoted(argument);
    }
    std::fprintf(
        stderr, "%s\n  %s\n",
        qPrintable(SendCommand::tr("pinewick: to send the card with your own mail program instead, run:")),
        qPrintable(line));
}

// The note of --note or --note-file, made fit to send; false (told on standard
// error) when it can't be: a note that is not what the user meant must not go out.
bool ReadNote(const Command& command, QString* note) {
    QString text = command.note;
    if (!command.noteFile.isEmpty()) {
        // Far more than a note of 2,000 characters can take, however it is written.
        constexpr qint64 longestFile = 64 * 1024;
        QFile file(command.noteFile);
        if (!QFileInfo(command.noteFile).isFile() || !file.open(QIODevice::ReadOnly)) {
            std::fprintf(
                stderr, "pinewick: %s\n",
                qPrintable(QCoreApplication::translate("SendCommand", "The note file %1 cannot be read.")
                               .arg(command.noteFile)));
            return false;
        }
        const QByteArray bytes = file.read(longestFile + 1);
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(bytes);
        if (bytes.size() > longestFile || utf8.hasError()) {
            std::fprintf(stderr, "pinewick: %s\n",
                         qPrintable(QCoreApplication::translate(
                                        "SendCommand", "The note file %1 is not a short text in UTF-8.")
                                        .arg(command.noteFile)));
            return false;
        }
    }
    QString error;
    if (!output::CleanNote(text, note, &error)) {
        std::fprintf(stderr, "pinewick: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

// The recipients of --send, names looked up in the address books; false (told
// on standard error) when a name is unknown or could mean several people.
bool ResolveRecipients(const Command& command, std::vector<output::CardRecipient>* recipients) {
    const mail::AddressBooks books = mail::ReadAddressBooks();
    if (command.verbose) {
        for (const QString& warning : books.Warnings) {
            std::fprintf(stderr, "pinewick: address book: %s\n", VisibleText(warning.toStdString()).c_str());
        }
    }
    const output::ResolvedRecipients resolved = output::ResolveRecipients(command.recipients, books.Contacts);
    for (const auto& ambiguous : resolved.AmbiguousNames) {
        std::fprintf(stderr, "pinewick: %s\n",
                     qPrintable(QCoreApplication::translate("SendCommand", "\"%1\" could be any of these:")
                                    .arg(ambiguous.Typed)));
        for (const QString& match : ambiguous.Matches) {
            std::fprintf(stderr, "  %s\n", VisibleText(match.toStdString()).c_str());
        }
    }
    for (const QString& problem : resolved.Problems) {
        std::fprintf(stderr, "pinewick: %s\n", VisibleText(problem.toStdString()).c_str());
    }
    *recipients = resolved.Recipients;
    return resolved.Ok();
}

// The end of a send: to several people, who got the card and who did not,
// with the server's reason, and how to send it again to those only (not to
// those waiting in the outbox: they get it from there). True when everyone
// got it.
bool PrintSummary(const std::vector<mail::DeliveryOutcome>& outcomes, const QStringList& waiting) {
    using State = mail::DeliveryOutcome::State;
    const auto delivered =
        std::count_if(outcomes.begin(), outcomes.end(),
                      [](const mail::DeliveryOutcome& o) { return o.Result == State::Delivered; });
    if (outcomes.size() > 1) {
        std::printf("%s\n", qPrintable(QCoreApplication::translate("SendCommand",
                                                                   "The card went to %1 of %n recipients.",
                                                                   nullptr, static_cast<int>(outcomes.size()))
                                           .arg(delivered)));
        QStringList again;
        for (const mail::DeliveryOutcome& o : outcomes) {
            const QString who = output::RecipientText(o.Name, o.Address);
            if (o.Result == State::NotSent && waiting.contains(QString::fromStdString(o.Address))) {
                std::printf("  %s\n",
                            VisibleText(QCoreApplication::translate(
                                            "SendCommand", "Waits in the outbox for another try: %1 (%2)")
                                            .arg(who, QString::fromStdString(o.Reason))
                                            .toStdString())
                                .c_str());
            } else if (o.Result == State::NotSent) {
                again << who;
                std::printf("  %s\n",
                            VisibleText(QCoreApplication::translate("SendCommand", "Not sent to %1: %2")
                                            .arg(who, QString::fromStdString(o.Reason))
                                            .toStdString())
                                .c_str());
            } else if (o.Result == State::Unknown) {
                std::printf("  %s\n",
                            VisibleText(QCoreApplication::translate(
                                            "SendCommand",
                                            "No answer after the card to %1: it may have arrived, so it "
                                            "is not sent again.")
                                            .arg(who)
                                            .toStdString())
                                .c_str());
            }
        }
        if (!again.isEmpty()) {
            std::printf(
                "%s\n  pinewick --send %s\n",
                qPrintable(QCoreApplication::translate("SendCommand", "To send it again to those only:")),
                qPrintable(ShellQuoted(again.join(", "))));
        }
    }
    return !outcomes.empty() && delivered == static_cast<long>(outcomes.size());
}

} // namespace

int RunSend(const Command& command) {
    const bool verbose = command.verbose;
    // What the card says and who it goes to come first: a mistake there costs
    // no picture and no connection.
    QString note;
    if (!ReadNote(command, &note)) {
        return 1;
    }
    QDateTime due;
    if (!command.at.isEmpty() && !ReadSendTime(command.at, &due)) {
        return 1;
    }
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
        say(stderr,
            SendCommand::tr("pinewick: the card was not sent: no private folder could be made in %1: %2")
                .arg(QDir::tempPath(), folder.errorString()));
        return 1;
    }
    if (!output::WriteCardInlinePicture(background, tree, folder.path(), &picture, &error)) {
        say(stderr, SendCommand::tr("pinewick: the card was not sent: %1").arg(error));
        return 1;
    }
    if (command.animated) {
        const ExportResult made = WithProgressBar([&](const ExportProgress& progress) {
            return output::AnimateCardInlinePicture(background, tree, &picture, progress, &error);
        });
        if (made != ExportResult::Written) {
            say(stderr, SendCommand::tr("pinewick: the card was not sent: %1").arg(error));
            return 1;
        }
    }

    mail::MailAccount account = mail::FindMailAccount();
    if (!account.Found()) {
        say(stderr, SendCommand::tr("pinewick: no mail account found. %1").arg(mail::NoMailAccountMessage()));
        PrintOwnMailProgramOffer(command.recipients.join(", "), tree.WelcomeText, background, tree);
        return 1;
    }
    say(stdout, SendCommand::tr("account: %1 <%2> through %3:%4 (%5)")
                    .arg(visible(account.Name), visible(account.Address), visible(account.Server))
                    .arg(account.Port)
                    .arg(account.Source));

    std::vector<output::CardRecipient> recipients;
    if (!ResolveRecipients(command, &recipients)) {
        return 1;
    }
    if (recipients.empty()) {
        std::printf("error %d: Mail Destination Error\n",
                    static_cast<int>(mail::SendMailError::MailDestination));
        return 1;
    }
    const QString firstAddress = recipients[0].Address;

    QString passwordProblem;
    if (!AddSendingPassword(&account, &passwordProblem)) {
        say(stderr,
            SendCommand::tr("pinewick: cannot log in: %1").arg(visible(passwordProblem.toStdString())));
        PrintOwnMailProgramOffer(firstAddress, tree.WelcomeText, background, tree);
        return 1;
    }
    // A card for later is composed now, as it stands, and waits in the outbox.
    if (due.isValid()) {
        OPENSSL_cleanse(account.Security.Password.data(), account.Security.Password.size());
        return PutInOutbox(output::ComposeCardMessages(account, recipients, tree.WelcomeText, note, picture),
                           due, tree.WelcomeText);
    }

    bool loginRefused = false;
    bool sendingShown = false;
    std::string lastReply;
    const qint64 pictureBytes = QFileInfo(picture.File).size() +
                                (picture.StillFile.isEmpty() ? 0 : QFileInfo(picture.StillFile).size());
    mail::SendMail mail;
    output::PrepareCardSender(mail, account);
    mail::MailBatch batch(mail);
    batch.OnMailInfo = [&](mail::SendMailInfo info, const std::string& addinfo) {
        using I = mail::SendMailInfo;
        if (info == I::ReplyLine) {
            lastReply = addinfo;
        }
        if (verbose) {
            // The server's replies whole, however long; what we send shortened.
            const std::string shown = info == I::ReplyLine ? VisibleText(addinfo) : OneLine(addinfo);
            std::printf("info %d: %s\n", static_cast<int>(info), shown.c_str());
        } else if (info == I::Connected) {
            say(stdout, SendCommand::tr("Connected to %1").arg(visible(addinfo)));
        } else if (info == I::Encrypted) {
            say(stdout, SendCommand::tr("Encrypted (%1)").arg(visible(addinfo)));
        } else if (info == I::LoggedIn) {
            say(stdout, SendCommand::tr("Logged in as %1").arg(visible(addinfo)));
        } else if (info == I::RecipientRefused) {
            say(stdout, SendCommand::tr("Recipient refused: %1 (%2)")
                            .arg(visible(addinfo), QString::fromStdString(OneLine(lastReply))));
        } else if (info == I::AttachmentSkipped) {
            say(stdout,
                SendCommand::tr("The picture could not be read and was left out: %1").arg(visible(addinfo)));
        } else if (info == I::BodyStart && !sendingShown) {
            sendingShown = true;
            say(stdout, SendCommand::tr("Sending the card (%1 KB) ...").arg((pictureBytes + 1023) / 1024));
        } else if (info == I::MailAccepted) {
            say(stdout, SendCommand::tr("Accepted: %1").arg(QString::fromStdString(OneLine(lastReply))));
        }
        std::fflush(stdout);
    };
    mail::SendMailError lastError = mail::SendMailError::None;
    batch.OnMailError = [&](mail::SendMailError code, const std::string& text) {
        lastError = code;
        loginRefused = loginRefused || code == mail::SendMailError::LoginFailed;
        say(stdout, SendCommand::tr("error %1: %2")
                        .arg(static_cast<int>(code))
                        .arg(QString::fromStdString(OneLine(text))));
        std::fflush(stdout);
    };
    batch.OnProgress = [](int number, int count, const mail::ReadyMessage& message) {
        if (count > 1) {
            //: The card's progress on the command line: "2 of 5: Oma Ilse <ilse@example.org>"
            std::printf("%s\n", qPrintable(QCoreApplication::translate("SendCommand", "%1 of %2: %3")
                                               .arg(number)
                                               .arg(count)
                                               .arg(output::RecipientText(message.Name, message.Address))));
            std::fflush(stdout);
        }
    };
    batch.OnFinished = [] {
        QCoreApplication::quit();
    };
    say(stdout, SendCommand::tr("Connecting to %1:%2 ...").arg(visible(account.Server)).arg(account.Port));
    std::fflush(stdout);
    batch.Start(output::ComposeCardMessages(account, recipients, tree.WelcomeText, note, picture));
    OPENSSL_cleanse(account.Security.Password.data(), account.Security.Password.size());
    if (batch.Running()) {
        QCoreApplication::exec();
    }
    OPENSSL_cleanse(mail.Security.Password.data(), mail.Security.Password.size());
    if (loginRefused) {
        PrintOwnMailProgramOffer(firstAddress, tree.WelcomeText, background, tree);
    }
    // What failed for a reason that may pass waits in the outbox.
    QStringList waiting;
    KeepForRetry(batch, lastError, tree.WelcomeText, &waiting);
    if (PrintSummary(batch.Outcomes(), waiting)) {
        return 0;
    }
    return waiting.isEmpty() ? 1 : kSendDueWaiting;
}
