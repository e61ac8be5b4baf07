#pragma once
// A home folder for running the program in tests: its Data folder mirrors the
// generated one (links), with a description file of the test's own, and a
// settings file that points the program at it.
#include <QProcessEnvironment>
#include <QString>

namespace testsupport {

struct ScratchHome {
    QString home;     // ends with "/"
    QString desc;     // home + "Data/desc"
    QString settings; // the folder to use as XDG_CONFIG_HOME
    // The environment for a program run that uses this home.
    QProcessEnvironment environment() const;
};

// descSource: the file copied to Data/desc (default: the generated default decoration).
ScratchHome makeScratchHome(const QString& name, const QString& descSource = QString());

} // namespace testsupport
