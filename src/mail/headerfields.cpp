#include "mail/headerfields.h"

#include "mail/encodedword.h"

#include <QRandomGenerator>
#include <QUrl>
#include <cstdio>

namespace mail {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
// Encoded words are kept short enough that one fits on a line after the
// longest header name we fold ("Content-Description: ").
constexpr std::size_t kWordLength = 56;

// Length of the UTF-8 character that starts at text[i] (1 for stray bytes).
std::size_t CharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t k = 1;
    while (k < n && i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80) {
        ++k;
    }
    return k;
}

bool IsAlnum(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// One byte in Q encoding. In a phrase (a display name) only letters, digits
// and "!*+-/" may stand as they are; in other text every printable byte but
// "=", "?" and "_".
void AppendQ(unsigned char byte, bool phrase, std::string& out) {
    const bool literal = phrase ? IsAlnum(byte) || std::string_view("!*+-/").find(static_cast<char>(byte)) !=
                                                       std::string_view::npos
                                : byte > ' ' && byte <= '~' && byte != '=' && byte != '?' && byte != '_';
    if (byte == ' ') {
        out += '_';
    } else if (literal) {
        out += static_cast<char>(byte);
    } else {
        out += '=';
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
}

// The text as encoded words separated by blanks; no character is split.
std::string EncodedWords(std::string_view text, bool phrase) {
    constexpr std::string_view prefix = "=?UTF-8?Q?";
    std::string out;
    std::string word;
    std::string piece;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = CharLength(text, i);
        piece.clear();
        for (std::size_t k = 0; k < n; ++k) {
            AppendQ(static_cast<unsigned char>(text[i + k]), phrase, piece);
        }
        if (!word.empty() && prefix.size() + word.size() + piece.size() + 2 > kWordLength) {
            out += (out.empty() ? "" : " ") + std::string(prefix) + word + "?=";
            word.clear();
        }
        word += piece;
        i += n;
    }
    out += (out.empty() ? "" : " ") + std::string(prefix) + word + "?=";
    return out;
}

// Folds a header line at blanks so that every line holds at most 78
// characters; a word longer than that stays whole on its own line.
std::string Fold(const std::string& line) {
    std::string out;
    std::size_t lineStart = 0; // of the current output line, in `line`
    while (line.size() - lineStart > kHeaderLineLength) {
        std::size_t cut = line.rfind(' ', lineStart + kHeaderLineLength);
        if (cut == std::string::npos || cut <= lineStart) {
            cut = line.find(' ', lineStart + kHeaderLineLength);
            if (cut == std::string::npos) {
                break;
            }
        }
        out += line.substr(lineStart, cut - lineStart) + "\r\n";
        lineStart = cut; // the blank starts the continuation line
    }
    out += line.substr(lineStart);
    return out;
}

bool HasSpecials(std::string_view name) {
    for (const char c : name) {
        if (std::string_view("()<>[]:;@\\,.\"").find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::string QuotedString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

// Whether a display name can go into a phrase as written: printable 7-bit
// text that no reader would take for an encoded word.
bool PlainPhraseText(std::string_view text) {
    return IsPlainHeaderText(text) && text.find("=?") == std::string_view::npos;
}

} // namespace

std::string AsciiAddress(std::string_view address) {
    const std::size_t at = address.rfind('@');
    if (at == std::string_view::npos) {
        return std::string(address);
    }
    const std::string_view domain = address.substr(at + 1);
    if (IsPlainHeaderText(domain)) {
        return std::string(address);
    }
    const QByteArray ace =
        QUrl::toAce(QString::fromUtf8(domain.data(), static_cast<qsizetype>(domain.size())));
    if (ace.isEmpty()) {
        return std::string(address);
    }
    return std::string(address.substr(0, at + 1)) + ace.toStdString();
}

bool NeedsSmtpUtf8(std::string_view address) {
    const std::size_t at = address.rfind('@');
    return !IsPlainHeaderText(address.substr(0, at));
}

std::string FormatMailbox(std::string_view name, std::string_view address) {
    const std::string ascii = AsciiAddress(address);
    std::string_view trimmed = name;
    while (!trimmed.empty() && trimmed.back() == ' ') {
        trimmed.remove_suffix(1);
    }
    while (!trimmed.empty() && trimmed.front() == ' ') {
        trimmed.remove_prefix(1);
    }
    if (trimmed.empty() || trimmed == address || trimmed == ascii) {
        return ascii;
    }
    std::string phrase;
    if (!PlainPhraseText(trimmed)) {
        phrase = EncodedWords(trimmed, true);
    } else if (HasSpecials(trimmed)) {
        phrase = QuotedString(trimmed);
    } else {
        phrase = std::string(trimmed);
    }
    return phrase + " <" + ascii + ">";
}

std::string AddressHeader(std::string_view name, const std::vector<std::string>& mailboxes) {
    // Folded between mailboxes; only a mailbox too long for a line of its own
    // is folded inside, at its blanks.
    std::string out;
    std::string line = std::string(name) + ":";
    for (std::size_t i = 0; i < mailboxes.size(); ++i) {
        const std::string piece = " " + mailboxes[i] + (i + 1 < mailboxes.size() ? "," : "");
        if (line.size() + piece.size() > kHeaderLineLength && line.back() == ',') {
            out += Fold(line) + "\r\n";
            line.clear();
        }
        line += piece;
    }
    return out + Fold(line);
}

std::string UnstructuredHeader(std::string_view name, std::string_view value) {
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    const bool plain = IsPlainHeaderText(value) && value.find("=?") == std::string_view::npos &&
                       value.find("  ") == std::string_view::npos && (value.empty() || value.front() != ' ');
    return Fold(std::string(name) + ": " + (plain ? std::string(value) : EncodedWords(value, false)));
}

std::string MailDate(const QDateTime& time) {
    static const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = time.date();
    const QTime clock = time.time();
    const int offset = time.offsetFromUtc() / 60;
    const int magnitude = offset < 0 ? -offset : offset;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", days[date.dayOfWeek() - 1],
                  date.day(), months[date.month() - 1], date.year(), clock.hour(), clock.minute(),
                  clock.second(), offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
    return text;
}

std::string MakeMessageId(std::string_view fromAddress, std::string_view fallbackDomain) {
    const std::string ascii = AsciiAddress(fromAddress);
    const std::size_t at = ascii.rfind('@');
    std::string domain = at == std::string::npos ? std::string() : ascii.substr(at + 1);
    if (domain.empty() || !IsPlainHeaderText(domain) ||
        domain.find_first_of("<>()[]\\,;:@\" ") != std::string::npos) {
        domain = std::string(fallbackDomain);
    }
    std::string unique;
    for (int i = 0; i < 2; ++i) {
        char part[17];
        std::snprintf(part, sizeof part, "%016llx",
                      static_cast<unsigned long long>(QRandomGenerator::system()->generate64()));
        unique += part;
    }
    char time[24];
    std::snprintf(time, sizeof time, "%llx",
                  static_cast<unsigned long long>(QDateTime::currentMSecsSinceEpoch()));
    return "<" + std::string(time) + "." + unique + "@" + domain + ">";
}

} // namespace mail
