#include "platform/paths.h"

#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

TPaths Paths;

namespace {

// Integer text as the settings store holds it; anything else is the default.
bool readFlag(const QString& text, bool defaultValue) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value != 0 : defaultValue;
}

} // namespace

QString AddBackslash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

QString ProgramFile() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QString() : QString::fromStdString(self.string());
}

QString ProgramFolder() {
    return AddBackslash(QFileInfo(ProgramFile()).absolutePath());
}

void LoadPaths(const QStringList& arguments, const QString& programFolder) {
    Paths = TPaths();
    for (const QString& argument : arguments) {
        if (argument.toUpper() == "-DEBUG") {
            Paths.Debug = true;
            break;
        }
    }
    const auto settings = OpenSettings();
    const QString home = DefaultHomeFolder(programFolder);
    Paths.CDPath = AddBackslash(SettingText(*settings, "CDPath", home));
    Paths.HDPath = AddBackslash(SettingText(*settings, "HDPath", home));
    Paths.First = readFlag(SettingText(*settings, "First", "1"), true);
}

void SavePaths() {
    const auto settings = OpenSettings();
    settings->setValue("First", Paths.First ? "1" : "0");
    settings->sync();
}

namespace {

QString nativeName(const QString& relativeName) {
    QString name = relativeName;
    name.replace('\\', '/');
    return name;
}

bool holdsDataSet(const QString& dataFolder) {
    return QFileInfo(dataFolder + "Resource").isDir();
}

// The data set's folder for the current home, looked up once per home.
QString dataSetFolder() {
    static QString home;
    static QString folder;
    if (folder.isEmpty() || home != Paths.HDPath) {
        home = Paths.HDPath;
        const QString own = home + "Data/";
        const QString installed = InstalledDataFolder();
        folder = (holdsDataSet(own) || !holdsDataSet(installed)) ? own : installed;
    }
    return folder;
}

} // namespace

QString DataFile(const QString& relativeName) {
    return dataSetFolder() + nativeName(relativeName);
}

QString UserDataFile(const QString& relativeName) {
    return Paths.HDPath + "Data/" + nativeName(relativeName);
}

QString DecorationFile(const QString& relativeName) {
    const QString own = UserDataFile(relativeName);
    return QFileInfo::exists(own) ? own : DataFile(relativeName);
}

QString InstalledDataFolder() {
#ifdef PINEWICK_INSTALLED_DATA
    const QString relative = QStringLiteral(PINEWICK_INSTALLED_DATA);
#else
    const QString relative = QStringLiteral("../share/pinewick/Data");
#endif
    return AddBackslash(QDir::cleanPath(ProgramFolder() + relative));
}

QString DefaultHomeFolder(const QString& programFolder) {
    if (holdsDataSet(AddBackslash(programFolder) + "Data/")) {
        return AddBackslash(programFolder);
    }
    return AddBackslash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) + "pinewick/";
}

bool SeedUserData(bool* copied) {
    if (copied) {
        *copied = false;
    }
    const QString own = UserDataFile("desc");
    const QString shipped = DataFile("desc");
    if (own == shipped || QFileInfo::exists(own) || QFileInfo(own).isSymLink() ||
        !QFileInfo::exists(shipped)) {
        return true;
    }
    if (!QDir().mkpath(QFileInfo(own).absolutePath()) || !QFile::copy(shipped, own)) {
        return false;
    }
    if (copied) {
        *copied = true;
    }
    // The installed copy is read-only; the user's is theirs to change.
    return QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

QString GetTempFolder() {
    return AddBackslash(QDir::tempPath());
}

QString GetDesktopFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath() + "/Desktop";
    }
    return AddBackslash(folder);
}

QString ReadRegString(const QString& organization, const QString& application, const QString& valueName,
                      const QString& defaultValue) {
    QSettings settings(organization, application);
    return SettingText(settings, valueName, defaultValue);
}
