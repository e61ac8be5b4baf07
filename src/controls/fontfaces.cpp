#include "controls/fontfaces.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

// Optical sizes are named by the point size they are drawn for; running text
// is about 12 points.
constexpr int textSize = 12;

struct OpticalFace {
    int size;
    QString style; // the style without the size: "Italic"
};

std::optional<OpticalFace> opticalFace(const QString& style) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})\\s+(\\S.*)$"));
    const QRegularExpressionMatch match = pattern.match(style);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return OpticalFace{match.captured(1).toInt(), match.captured(2)};
}

// For each plain style name that only optical faces have, the database
// name of the face nearest to the running-text size.
std::map<QString, QString> opticalChoices(const QStringList& databaseStyles) {
    std::map<QString, QString> chosen;
    std::map<QString, int> chosenSize;
    for (const QString& style : databaseStyles) {
        const auto face = opticalFace(style);
        if (!face || databaseStyles.contains(face->style)) {
            continue;
        }
        const auto at = chosenSize.find(face->style);
        if (at == chosenSize.end() || std::abs(face->size - textSize) < std::abs(at->second - textSize)) {
            chosenSize[face->style] = face->size;
            chosen[face->style] = style;
        }
    }
    return chosen;
}

} // namespace

bool FontWritesLatin(const QString& family) {
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    if (!systems.contains(QFontDatabase::Latin)) {
        return false;
    }
    // A symbol-encoded face claims Latin through its encoding alone; a text
    // face that also carries symbols writes further scripts as well.
    if (systems.contains(QFontDatabase::Symbol) && systems.size() <= 2) {
        return false;
    }
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    for (const QChar letter : QStringLiteral("AZaz")) {
        if (!raw.supportsCharacter(letter)) {
            return false;
        }
    }
    return true;
}

QString TextLetters(const QString& text) {
    QList<char32_t> letters;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isLetter(c) && !letters.contains(c)) {
            letters.append(c);
        }
    }
    std::sort(letters.begin(), letters.end());
    return QString::fromUcs4(letters.constData(), letters.size());
}

bool FontWritesLetters(const QString& family, const QString& letters) {
    if (letters.isEmpty()) {
        return FontWritesLatin(family);
    }
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    if (systems.isEmpty() || (systems.contains(QFontDatabase::Symbol) && systems.size() <= 2)) {
        return false;
    }
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    for (const char32_t c : letters.toUcs4()) {
        if (!raw.supportsCharacter(c)) {
            return false;
        }
    }
    return true;
}

QStringList ListedFontStyles(const QStringList& databaseStyles) {
    QStringList listed;
    for (const QString& style : databaseStyles) {
        if (!opticalFace(style)) {
            listed.append(style);
        }
    }
    for (const auto& [plain, databaseName] : opticalChoices(databaseStyles)) {
        listed.append(plain);
    }
    return listed;
}

QString DatabaseFontStyle(const QStringList& databaseStyles, const QString& listed) {
    if (databaseStyles.contains(listed)) {
        return listed;
    }
    const auto chosen = opticalChoices(databaseStyles);
    const auto at = chosen.find(listed);
    return at != chosen.end() ? at->second : listed;
}
