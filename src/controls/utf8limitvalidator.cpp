#include "controls/utf8limitvalidator.h"

#include <algorithm>

namespace {

// The length in UTF-16 units and in UTF-8 bytes of the character at `i`. A
// lone surrogate is counted as the replacement character it becomes.
struct CharSize {
    qsizetype units;
    qsizetype bytes;
};

CharSize charAt(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        return {2, 4};
    }
    return {1, c < 0x80 ? 1 : c < 0x800 ? 2 : 3};
}

// The character that ends just before `end`.
CharSize charBefore(const QString& text, qsizetype end) {
    if (end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate()) {
        return {2, 4};
    }
    return charAt(text, end - 1);
}

qsizetype utf8Size(const QString& text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const CharSize c = charAt(text, i);
        bytes += c.bytes;
        i += c.units;
    }
    return bytes;
}

} // namespace

QString Utf8Prefix(const QString& text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const CharSize c = charAt(text, i);
        if (bytes + c.bytes > maxBytes) {
            break;
        }
        bytes += c.bytes;
        i += c.units;
    }
    return text.left(i);
}

TUtf8LimitValidator::TUtf8LimitValidator(qsizetype maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State TUtf8LimitValidator::validate(QString& input, int& pos) const {
    qsizetype excess = utf8Size(input) - maxBytes_;
    if (excess <= 0) {
        return Acceptable;
    }
    // Take back the end of what was just typed or pasted.
    qsizetype end = std::clamp<qsizetype>(pos, 0, input.size());
    qsizetype start = end;
    while (start > 0 && excess > 0) {
        const CharSize c = charBefore(input, start);
        start -= c.units;
        excess -= c.bytes;
    }
    input.remove(start, end - start);
    pos = static_cast<int>(start);
    // Text that was too long before the caret came in (set by the program):
    // its end goes.
    if (excess > 0) {
        input = Utf8Prefix(input, maxBytes_);
        pos = std::min(pos, static_cast<int>(input.size()));
    }
    return Acceptable;
}
