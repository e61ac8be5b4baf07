#include "platform/settings.h"

#include <QFile>
#include <QStringList>

namespace {

// The text after "name=" in the settings file's general section, as it stands
// in the file (outer blanks trimmed); nullopt when the file has no such line.
std::optional<QString> rawValue(const QString& fileName, const QString& name) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    bool general = true;
    std::optional<QString> found;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[')) {
            general = line.compare("[General]", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (general && equals > 0 && line.left(equals).trimmed() == name) {
            found = line.mid(equals + 1).trimmed(); // the store keeps the last one
        }
    }
    return found;
}

// A value the store wrote itself is either plain or wholly in quotes.
bool wholeQuoted(const QString& raw) {
    return raw.size() >= 2 && raw.startsWith('"') && raw.endsWith('"');
}

// The store's own escapes in an unquoted value: \\ and \".
QString unescape(const QString& raw) {
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == '\\' || raw[i + 1] == '"')) {
            ++i;
        }
        text += raw[i];
    }
    return text;
}

} // namespace

std::unique_ptr<QSettings> OpenSettings() {
    return std::make_unique<QSettings>("Corlune", "Pinewick");
}

QString SettingText(const QSettings& settings, const QString& name, const QString& defaultValue) {
    if (!settings.contains(name)) {
        return defaultValue;
    }
    const QVariant value = settings.value(name);
    // The store's parser splits unquoted text at commas and drops quotes in
    // the middle; a folder name may hold either. Such text is taken from the
    // file as it stands.
    if (settings.format() == QSettings::NativeFormat || settings.format() == QSettings::IniFormat) {
        const auto raw = rawValue(settings.fileName(), name);
        if (raw && !(wholeQuoted(*raw) && value.typeId() == QMetaType::QString)) {
            return unescape(*raw);
        }
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(",");
    }
    if (!value.canConvert<QString>()) {
        return defaultValue;
    }
    return value.toString();
}
