#pragma once
// The settings store of Pinewick: QSettings("Corlune", "Pinewick") in the
// platform's native format (~/.config/Corlune/Pinewick.conf).
#include <QSettings>
#include <memory>
#include <optional>

std::unique_ptr<QSettings> OpenSettings();

// A value read as one text, whatever it holds: an unquoted value in the file
// (commas, quotes, blanks inside) is taken as it stands; a value in quotes, as
// the store writes it, is unescaped by the store. A missing value, or one
// that is not text, gives defaultValue.
QString SettingText(const QSettings& settings, const QString& name, const QString& defaultValue);
