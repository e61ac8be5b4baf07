#pragma once
// mutt's configuration files as far as the address book goes: the "alias"
// commands, and the "source" commands that name further files (where the
// aliases often are: "set alias_file = ~/.mutt/aliases" and
// "source $alias_file"). Nothing is ever run: a source of a command's output
// ("source 'cmd |'") is skipped.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace mail {

struct MuttAlias {
    QString Key;       // the alias ("oma")
    QString Name;      // the display name, may be empty
    QString Address;   // one address of the alias
    bool List = false; // the alias stands for several people (addresses or other aliases)
};

struct MuttFile {
    std::vector<MuttAlias> Aliases; // an alias of a list gives one entry per address
    QStringList Sources;            // the files sourced, in order, as written (after $alias_file, unquoted)
    QStringList Problems;           // "line N: reason", bounded like the vCard reader's
};

// The most aliases read from one file.
inline constexpr qsizetype kMaxMuttAliases = 100000;

// Reads one configuration file. aliasFile is the value of $alias_file so far;
// a "set alias_file" line changes it for the lines after it.
MuttFile ParseMuttFile(QByteArrayView text, QString& aliasFile);

// The mailboxes of an address list ("Name <a@b>, c@d (Other), \"Last, First\" <e@f>"):
// pairs of display name and address. The entries that hold no address are
// left out and, when others is given, added to it (trimmed).
std::vector<std::pair<QString, QString>> ParseMailboxes(const QString& list, QStringList* others = nullptr);

} // namespace mail
