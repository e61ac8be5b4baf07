#include "app/commands/commands.h"

#include <cstdio>

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
                *error = "--snapshot needs a file name (.jpg, .png, .gif, .webp or .mp4)";
                return std::nullopt;
            }
        } else if (argument == "--send") {
            command.kind = Command::Send;
            if (!takeFile(true)) {
                *error = "--send needs an e-mail address";
                return std::nullopt;
            }
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
            *error = "unknown option " + argument;
            return std::nullopt;
        }
    }
    return command;
}

void PrintUsage() {
    std::puts(
        "Usage: pinewick [-DEBUG]\n"
        "       pinewick --check [FILE]\n"
        "       pinewick --snapshot FILE\n"
        "       pinewick --send ADDRESS [--animated] [--verbose]\n"
        "       pinewick --version\n"
        "\n"
        "  -DEBUG          skip the title sequence\n"
        "  --check [FILE]  read a description file (default: the home folder's Data/desc) and print it\n"
        "                  as Pinewick writes it; errors as FILE:LINE: message, exit status 1\n"
        "  --snapshot FILE write the greeting picture (background, greeting, decorated tree) that\n"
        "                  Pinewick mails and prints; needs no display. A .gif, .webp or .mp4 FILE\n"
        "                  holds the card animated: the tree makes one full turn, in a loop\n"
        "  --send ADDRESS  mail that picture to ADDRESS from your own mail account (Thunderbird,\n"
        "                  Evolution, msmtp, git send-email or a local mail server); prints the\n"
        "                  progress, exit status 0 only when the server accepted the mail\n"
        "  --animated      with --send: the card in the mail is the turning tree (an animated GIF);\n"
        "                  the still picture goes along as an attachment\n"
        "  --verbose       with --send: show the whole conversation with the mail server\n"
        "  --version       print the version of Pinewick");
}

void PrintVersion() {
    // The version is the build's, as the build files name it.
    std::puts("pinewick " PINEWICK_VERSION);
}
