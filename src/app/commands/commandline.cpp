#include "app/commands/commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// The command line's texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

std::optional<Command> ParseCommand(const QStringList& arguments, QString* error) {
    Command command;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto takeFile = [&](bool required) {
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith('-')) {
                command.file = arguments[++i];
                return true;
            }
            return !required;
        };
        if (argument == "--check") {
            command.kind = Command::Check;
            takeFile(false);
        } else if (argument == "--snapshot") {
            command.kind = Command::Snapshot;
            if (!takeFile(true)) {
                *error = CommandLine::tr(
                    "--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)");
                return std::nullopt;
            }
        } else if (argument == "--send") {
            command.kind = Command::Send;
            // Each --send adds its list; an empty one still counts (and is refused later).
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith('-')) {
                *error = CommandLine::tr("--send needs an e-mail address");
                return std::nullopt;
            }
            command.recipients << arguments[++i];
        } else if (argument == "--note" || argument == "--note-file") {
            // A note may start with anything, even a dash.
            if (i + 1 >= arguments.size()) {
                *error = argument + " needs " + (argument == "--note" ? "a text" : "a file name");
                return std::nullopt;
            }
            (argument == "--note" ? command.note : command.noteFile) = arguments[++i];
            if (!command.note.isEmpty() && !command.noteFile.isEmpty()) {
                *error = "give either --note or --note-file, not both";
                return std::nullopt;
            }
        } else if (argument == "--send-due") {
            command.kind = Command::SendDue;
        } else if (argument == "--at") {
            if (i + 1 >= arguments.size()) {
                *error = "--at needs a date and time, such as \"2026-12-24 08:00\"";
                return std::nullopt;
            }
            command.at = arguments[++i];
        } else if (argument == "--animated") {
            command.animated = true;
        } else if (argument == "--verbose" || argument == "-v") {
            command.verbose = true;
        } else if (argument == "--help" || argument == "-h") {
            command.kind = Command::Help;
        } else if (argument == "--version") {
            command.kind = Command::Version;
        } else if (argument.compare("-DEBUG", Qt::CaseInsensitive) == 0) {
            // Read with the paths at start-up.
        } else if (argument.startsWith("--")) {
            *error = CommandLine::tr("unknown option %1").arg(argument);
            return std::nullopt;
        }
    }
    if (!command.at.isEmpty() && command.kind != Command::Send) {
        *error = "--at goes with --send";
        return std::nullopt;
    }
    return command;
}

void PrintUsage() {
    //: The usage of the command line. Options, FILE and ADDRESS stay as they are; keep the
    //: descriptions aligned in their column and the lines under 100 characters.
    std::puts(qPrintable(CommandLine::tr(
        "Usage: pinewick [-DEBUG]\n"
        "       pinewick --check [FILE]\n"
        "       pinewick --snapshot FILE\n"
        "       pinewick --send RECIPIENTS... [--note TEXT | --note-file FILE] [--at TIME]\n"
        "                      [--animated] [--verbose]\n"
        "       pinewick --send-due [--verbose]\n"
        "       pinewick --version\n"
        "\n"
        "  -DEBUG          skip the title sequence\n"
        "  --check [FILE]  read a description file (default: the home folder's Data/desc) and print it\n"
        "                  as Pinewick writes it; errors as FILE:LINE: message, exit status 1\n"
        "  --snapshot FILE write the greeting picture (background, greeting, decorated tree) that\n"
        "                  Pinewick mails and prints; needs no display. A .gif, .webp or .mp4 FILE\n"
        "                  holds the card animated: the tree makes one full turn, in a loop; a .glb\n"
        "                  FILE the tree in 3D (glTF); an .html FILE the card as a web page whose\n"
        "                  tree turns by itself and when dragged\n"
        "  --send RECIPIENTS\n"
        "                  mail that picture from your own mail account (Thunderbird, Evolution,\n"
        "                  msmtp, git send-email or a local mail server); RECIPIENTS: addresses,\n"
        "                  \"Name <address>\" or names from your address books, separated by commas\n"
        "                  or semicolons, --send may be given several times; each recipient gets a\n"
        "                  mail of their own. Prints the progress and who got the card; exit\n"
        "                  status 0 only when every recipient's mail was accepted\n"
        "  --note TEXT, --note-file FILE\n"
        "                  with --send: a personal note under the card (at most 2,000 characters);\n"
        "                  {name} becomes each recipient's first name\n"
        "  --at TIME       with --send: compose the card now and send it at TIME (\"2026-12-24 08:00\",\n"
        "                  local time unless a zone is given; a minute to a year ahead); it waits in\n"
        "                  the outbox, ~/.local/share/pinewick/outbox\n"
        "  --send-due      send the cards of the outbox that are due, then exit (exit status 0: all\n"
        "                  sent, 75: some wait to be tried again, 1: some refused or given up)\n"
        "  --animated      with --send: the card in the mail is the turning tree (an animated GIF);\n"
        "                  the still picture goes along as an attachment\n"
        "  --verbose       with --send: show the whole conversation with the mail server\n"
        "  --version       print the version of Pinewick")));
}

void PrintVersion() {
    // The version is the build's, as the build files name it.
    std::puts("pinewick " PINEWICK_VERSION);
}
