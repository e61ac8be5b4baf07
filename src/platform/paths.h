#pragma once
// Where Pinewick lives and what it remembers between runs outside its data
// files: the home folder that holds "Data/", the debug switch and the
// first-run flag, kept in the settings store QSettings("Corlune", "Pinewick").
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

struct TPaths {
    // Settings value "CDPath"; always ends with "/". Kept for completeness.
    QString CDPath;
    // Settings value "HDPath": the home folder; always ends with "/". Every
    // data file is HDPath + "Data/" + a relative name.
    QString HDPath;
    // True when a command-line argument is "-DEBUG" (letter case ignored).
    bool Debug = false;
    // True until the desktop-shortcut question has been asked once.
    bool First = true;
};

// The one instance, filled by LoadPaths before anything else runs.
extern TPaths Paths;

// Fills Paths from the arguments (without the program name) and the settings
// store; DefaultHomeFolder(programFolder) is the default of both folders.
void LoadPaths(const QStringList& arguments, const QString& programFolder);
// Writes the first-run flag back. Called only when the program ends normally,
// so a run that ends abnormally leaves the stored flag as it was.
void SavePaths();

// The folder of the running program file, ending with "/".
QString ProgramFolder();
// The full file name of the running program.
QString ProgramFile();

// Where things live. The home folder (HDPath) holds "Data/" with the user's
// decoration ("desc", its backup "desc~~~", the lock of the running program).
// The rest of the data (pictures, meshes, sounds, help, the default
// decoration) is read from HDPath + "Data/" when that folder holds the whole
// data set ("Data/Resource/"), as in the build folder, and otherwise from the
// installed data folder. Names from data files may use "\" for "/".

// A data file to read: the data set's folder + name.
QString DataFile(const QString& relativeName);
// A file of the user's decoration: HDPath + "Data/" + name.
QString UserDataFile(const QString& relativeName);
// A description file to read: the user's copy when there is one, else the
// one that comes with the program.
QString DecorationFile(const QString& relativeName);

// The installed data folder (ending with "/"), found from the program's own
// place: <prefix>/share/pinewick/Data/ beside <prefix>/bin/.
QString InstalledDataFolder();
// The home folder when the settings name none: the program's folder when it
// holds the data (a build), else $XDG_DATA_HOME/pinewick/.
QString DefaultHomeFolder(const QString& programFolder);
// Gives a user without a decoration of their own a copy of the one that comes
// with the program ("desc"). False when it was needed and failed; `copied`
// tells whether the copy was made now.
bool SeedUserData(bool* copied = nullptr);

// The text with a "/" appended unless it already ends with one; "" gives "/".
QString AddBackslash(const QString& folder);

QString GetTempFolder();
// The user's desktop folder (XDG), ending with "/"; $HOME/Desktop/ by default.
QString GetDesktopFolder();

// A string value of another program's settings store (organization,
// application), or defaultValue when the store, or the value, is not there.
// Nothing is created.
QString ReadRegString(const QString& organization, const QString& application, const QString& valueName,
                      const QString& defaultValue);

// Writes a freedesktop launcher "Pinewick.desktop" for this program onto the
// user's desktop (working folder HDPath). Returns false, quietly, on failure.
bool CreateDesktopShortcut();
// The launcher's text for a program file, working folder and icon (may be empty).
QString DesktopEntryText(const QString& program, const QString& workingFolder, const QString& icon);

// The first direct child of parent whose object name equals name exactly.
QWidget* FindChildControl(QWidget* parent, const QString& name);

// A point in from's coordinates converted to to's, through the screen.
QPoint ConvertPoint(const QPoint& point, const QWidget* from, const QWidget* to);
