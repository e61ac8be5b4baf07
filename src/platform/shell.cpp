// Desktop launcher and small widget helpers.
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QWidget>

namespace {

// A value of a desktop entry: backslash, newline, tab and CR escaped.
QString escapeValue(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

// One argument of the Exec key, quoted when it holds reserved characters.
QString quoteExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
    }
    if (!needsQuotes) {
        return argument;
    }
    QString quoted = "\"";
    for (QChar c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace

QString DesktopEntryText(const QString& program, const QString& workingFolder, const QString& icon) {
    QString text;
    text += "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    text += "Name=Pinewick\n";
    text += "Comment=Decorate a Christmas tree and send it as a greeting\n";
    // A literal "%" in Exec is written as "%%".
    text += "Exec=" + escapeValue(quoteExecArgument(program).replace("%", "%%")) + "\n";
    text += "Path=" + escapeValue(workingFolder) + "\n";
    if (!icon.isEmpty()) {
        text += "Icon=" + escapeValue(icon) + "\n";
    }
    text += "Terminal=false\n";
    text += "Categories=Graphics;Amusement;\n";
    return text;
}

bool CreateDesktopShortcut() {
    const QString program = ProgramFile();
    if (program.isEmpty()) {
        return false;
    }
    const QString folder = GetDesktopFolder();
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QString icon = DataFile("Resource/Icon256.png");
    if (!QFileInfo::exists(icon)) {
        icon.clear();
    }
    const QString launcher = folder + "Pinewick.desktop";
    QSaveFile file(launcher);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(DesktopEntryText(program, Paths.HDPath, icon).toUtf8());
    if (!file.commit()) {
        return false;
    }
    // Desktops start only launchers that are marked executable.
    return QFile::setPermissions(launcher, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther);
}

QWidget* FindChildControl(QWidget* parent, const QString& name) {
    if (!parent) {
        return nullptr;
    }
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->objectName() == name) {
            return widget;
        }
    }
    return nullptr;
}

QPoint ConvertPoint(const QPoint& point, const QWidget* from, const QWidget* to) {
    return to->mapFromGlobal(from->mapToGlobal(point));
}
