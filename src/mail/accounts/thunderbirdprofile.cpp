#include "mail/accounts/thunderbirdprofile.h"

#include "mail/accounts/keyfile.h"

#include <QDir>
#include <QFileInfo>

namespace mail {
namespace {

// The folder of the default profile named by profiles.ini, or empty. An
// install's default profile comes first (what current versions start),
// then the profile marked Default=1, then the first profile.
QString DefaultProfile(const QString& folder) {
    const KeyFile ini = KeyFile::Read(folder + "/profiles.ini");
    const auto resolve = [&](const std::string& path, bool relative) {
        const QString p = QString::fromStdString(path);
        return relative || QDir::isRelativePath(p) ? folder + "/" + p : p;
    };
    for (const std::string& group : ini.Groups()) {
        if (group.rfind("Install", 0) == 0 && !ini.Value(group, "Default").empty()) {
            return resolve(ini.Value(group, "Default"), false);
        }
    }
    std::string chosen;
    for (const std::string& group : ini.Groups()) {
        if (group.rfind("Profile", 0) != 0 || ini.Value(group, "Path").empty()) {
            continue;
        }
        if (chosen.empty() || ini.Value(group, "Default") == "1") {
            chosen = group;
        }
        if (ini.Value(group, "Default") == "1") {
            break;
        }
    }
    if (chosen.empty()) {
        return {};
    }
    return resolve(ini.Value(chosen, "Path"), ini.Value(chosen, "IsRelative") == "1");
}

} // namespace

QString ThunderbirdProfile(const MailAccountPlaces& places) {
    // The classic folder first, then the places of the sandboxed packages.
    const QStringList folders{places.Home + "/.thunderbird", places.ConfigHome + "/thunderbird",
                              places.Home + "/snap/thunderbird/common/.thunderbird",
                              places.Home + "/.var/app/org.mozilla.Thunderbird/.thunderbird"};
    for (const QString& folder : folders) {
        if (QFileInfo::exists(folder + "/profiles.ini")) {
            return DefaultProfile(folder);
        }
    }
    return {};
}

} // namespace mail
