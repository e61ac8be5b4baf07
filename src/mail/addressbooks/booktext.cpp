#include "mail/addressbooks/booktext.h"

#include <QStringDecoder>
#include <algorithm>

namespace mail {

QString BookText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QString Unescape(const QString& text) {
    if (!text.contains('\\')) {
        return text;
    }
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar c = text[++i];
        out += c == 'n' || c == 'N' ? QChar('\n') : c;
    }
    return out;
}

bool LooksLikeAddress(const QString& text) {
    const qsizetype at = text.lastIndexOf('@');
    if (at <= 0 || at == text.size() - 1 || text.size() > 254) {
        return false;
    }
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c == '<' || c == '>' || c == ',') {
            return false;
        }
    }
    return true;
}

QString Shortened(const QString& text) {
    return text.size() <= 60 ? text : text.left(59) + QChar(0x2026);
}

QString Folded(const QString& text) {
    // Most names and every plain address are ASCII: lower case is all they need.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        return text.toLower();
    }
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toLower();
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        switch (c.unicode()) {
        case u'ß':
            out += QLatin1String("ss");
            break;
        case u'æ':
            out += QLatin1String("ae");
            break;
        case u'œ':
            out += QLatin1String("oe");
            break;
        case u'ø':
            out += 'o';
            break;
        case u'ł':
            out += 'l';
            break;
        case u'đ':
            out += 'd';
            break;
        case u'ı':
            out += 'i';
            break;
        default:
            if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining &&
                c.category() != QChar::Mark_Enclosing) {
                out += c;
            }
            break;
        }
    }
    return out;
}

} // namespace mail
