#include "support/scratch_home.h"

#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace testsupport {

QProcessEnvironment ScratchHome::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", settings);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // The program's own English, whatever the machine's language; a test of
    // another language sets its own.
    env.insert("LANGUAGE", "en");
    return env;
}

ScratchHome makeScratchHome(const QString& name, const QString& descSource) {
    ScratchHome h;
    h.home = scratchDir(name) + "/";
    h.desc = h.home + "Data/desc";
    h.settings = h.home + "config";
    const QString generated = buildDir() + "/Data/";
    QDir().mkpath(h.home + "Data");
    for (const QString& entry : QDir(generated).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (!entry.startsWith("desc")) {
            QFile::link(generated + entry, h.home + "Data/" + entry);
        }
    }
    QFile::copy(descSource.isEmpty() ? generated + "desc.default" : descSource, h.desc);
    QFile::setPermissions(h.desc, QFile::ReadOwner | QFile::WriteOwner);
    QDir().mkpath(h.settings + "/Corlune");
    QSettings settings(h.settings + "/Corlune/Pinewick.conf", QSettings::NativeFormat);
    settings.setValue("HDPath", h.home);
    settings.setValue("First", "0");
    return h;
}

} // namespace testsupport
