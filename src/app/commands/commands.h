#pragma once
// Commands that run without a window: they make Pinewick scriptable.
#include "output/cardexport.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct Command {
    enum Kind { Window, Check, Snapshot, Send, SendDue, Help, Version } kind = Window;
    // The file a command works on (may be empty: the command's default).
    QString file;
    // --send: each argument a list of recipients (addresses, "Name <address>",
    // names from the address books).
    QStringList recipients;
    // --note TEXT, --note-file FILE: the personal note under the card.
    QString note;
    QString noteFile;
    // --at TIME: with --send, when the card is to go out (ISO 8601, local time
    // unless a zone is given); empty: now.
    QString at;
    // --verbose: commands tell all they do (--send: the whole dialogue).
    bool verbose = false;
    // --animated: --send mails the turning tree as the card shown in the mail.
    bool animated = false;
};

// The command named by the arguments (without the program name), or an error
// text for arguments that make no sense.
std::optional<Command> ParseCommand(const QStringList& arguments, QString* error);

// pinewick --check [FILE]: reads a description file as the tree does, prints it
// back as the tree would write it. Warnings go to standard error.
int RunCheck(const QString& file);

// pinewick --snapshot FILE: writes the greeting picture of the decoration
// (JPEG or PNG by the file's extension), or the card animated (GIF, WebP or
// MP4), with a progress bar on a terminal. Needs a QGuiApplication.
int RunSnapshot(const QString& file);

// pinewick --send RECIPIENTS [--note TEXT | --note-file FILE]: mails the
// greeting card from the user's own mail account, a mail of its own to each
// recipient over one connection, printing a few lines of progress (verbose:
// every event of the mail component, one line each), the errors and, for
// several recipients, who got it; 0 only when every recipient's mail was
// accepted. A name that is unknown or could mean several contacts stops it
// before anything is sent. Needs a QGuiApplication.
// animated: the card shown in the mail is the turning tree (a GIF), the still
// picture goes along as an attachment.
int RunSend(const Command& command);

// pinewick --send-due: sends every card of the outbox that is due, headless,
// from the account --send finds, and exits: 0 when every due mail went out (or
// nothing was due, or another sender runs), 75 when some wait to be tried
// again, 1 when some were refused or given up or nothing could be sent.
int RunSendDue(bool verbose = false);
namespace mail {
struct MailAccount;
struct ReadyMessage;
class MailBatch;
enum class SendMailError : int;
} // namespace mail
// Puts the password the account's login needs (from the account's settings or
// the keyring, never a prompt: the commands may run where nobody can answer
// one) into the account; false, with *problem, when there is none.
bool AddSendingPassword(mail::MailAccount* account, QString* problem);
// --at: the time read and checked (a minute to a year ahead); false, told on
// standard error, when it is none or out of range.
bool ReadSendTime(const QString& text, QDateTime* due);
// Puts the composed card in the outbox, due at due, and turns the timer on.
int PutInOutbox(const std::vector<mail::ReadyMessage>& messages, const QDateTime& due,
                const std::string& subject);
// After a send: puts the mails that failed for a reason that may pass in the
// outbox, says so, and adds their addresses to *waiting; false when none.
bool KeepForRetry(const mail::MailBatch& batch, mail::SendMailError lastError, const std::string& subject,
                  QStringList* waiting);
// The exit status of --send-due while mails wait for another try.
inline constexpr int kSendDueWaiting = 75;

// Runs work with a progress bar, "[####------]  50/100 frames", redrawn in
// place on standard error when that is a terminal.
ExportResult WithProgressBar(const std::function<ExportResult(const ExportProgress&)>& work);

void PrintUsage();
// "pinewick 1.0.0": the program's name and version, one line on standard output.
void PrintVersion();
