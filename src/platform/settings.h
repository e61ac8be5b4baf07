#pragma once
// The settings store of Pinewick: QSettings("Corlune", "Pinewick") in the
// platform's native format (~/.config/Corlune/Pinewick.conf).
#include <QSettings>
#include <memory>

std::unique_ptr<QSettings> OpenSettings();

// A value read as text. A missing value, or one that is not text, gives
// defaultValue; a list (an unquoted value with commas) is joined back.
QString SettingText(const QSettings& settings, const QString& name, const QString& defaultValue);
