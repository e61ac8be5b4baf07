#include "platform/settings.h"

#include <QStringList>

std::unique_ptr<QSettings> OpenSettings() {
    return std::make_unique<QSettings>("Corlune", "Pinewick");
}

QString SettingText(const QSettings& settings, const QString& name, const QString& defaultValue) {
    if (!settings.contains(name)) {
        return defaultValue;
    }
    const QVariant value = settings.value(name);
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(", ");
    }
    if (!value.canConvert<QString>()) {
        return defaultValue;
    }
    return value.toString();
}
