#include "platform/paths.h"

#include "platform/settings.h"

#include <QDir>
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
    Paths.CDPath = AddBackslash(SettingText(*settings, "CDPath", programFolder));
    Paths.HDPath = AddBackslash(SettingText(*settings, "HDPath", programFolder));
    Paths.First = readFlag(SettingText(*settings, "First", "1"), true);
}

void SavePaths() {
    const auto settings = OpenSettings();
    settings->setValue("First", Paths.First ? "1" : "0");
    settings->sync();
}

QString DataFile(const QString& relativeName) {
    QString name = relativeName;
    name.replace('\\', '/');
    return Paths.HDPath + "Data/" + name;
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
