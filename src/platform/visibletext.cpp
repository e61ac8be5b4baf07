#include "platform/visibletext.h"

#include <QChar>

namespace {

// Characters that are not shown as themselves: C0 and C1 controls, DEL, and the
// format characters (direction marks, embeddings, overrides, isolates, zero-width
// joiners), line and paragraph separators.
bool Invisible(char32_t c) {
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f)) {
        return true;
    }
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Format || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

void AppendEscaped(std::string& out, char32_t c) {
    static const char digits[] = "0123456789abcdef";
    switch (c) {
    case '\r':
        out += "\\r";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (c <= 0xff) {
        out += "\\x";
        out += digits[(c >> 4) & 0xf];
        out += digits[c & 0xf];
        return;
    }
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += digits[(c >> shift) & 0xf];
    }
}

// Decodes one UTF-8 sequence at `at`; returns its length, 0 for a byte that
// starts no well-formed sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& c) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xe0) == 0xc0) {
        length = 2, c = lead & 0x1f, minimum = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3, c = lead & 0x0f, minimum = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(at + i) & 0x3f);
    }
    if (c < minimum || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff)) {
        return 0;
    }
    return length;
}

} // namespace

std::string ShortVisibleText(std::string_view utf8, std::size_t longest) {
    std::string out;
    out.reserve(std::min(utf8.size(), longest) + 16);
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        if (characters == longest) {
            out += "\xe2\x80\xa6"; // …
            break;
        }
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(utf8, at, c);
        if (length == 0) {
            AppendEscaped(out, static_cast<unsigned char>(utf8[at]));
            ++at;
        } else {
            if (Invisible(c)) {
                AppendEscaped(out, c);
            } else {
                out.append(utf8.substr(at, length));
            }
            at += length;
        }
        ++characters;
    }
    return out;
}

std::string VisibleText(std::string_view utf8) {
    return ShortVisibleText(utf8, std::string_view::npos);
}

QString ShortVisibleText(const QString& text, qsizetype longest) {
    return QString::fromStdString(ShortVisibleText(text.toStdString(), static_cast<std::size_t>(longest)));
}
