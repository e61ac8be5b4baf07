#include "mail/encodedword.h"

namespace mail {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr std::string_view kPrefix = "=?UTF-8?Q?";
constexpr std::string_view kSuffix = "?=";

// The Q encoding of one byte.
void AppendQ(unsigned char byte, bool escapeQuotes, std::string& out) {
    if (byte == ' ') {
        out += '_';
    } else if (byte > ' ' && byte <= '~' && byte != '=' && byte != '?' && byte != '_' &&
               !(escapeQuotes && (byte == '"' || byte == '\\'))) {
        out += static_cast<char>(byte);
    } else {
        out += '=';
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
}

// Length of the UTF-8 character that starts at value[i] (1 for stray bytes).
std::size_t CharLength(std::string_view value, std::size_t i) {
    const auto lead = static_cast<unsigned char>(value[i]);
    std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t k = 1;
    while (k < n && i + k < value.size() && (static_cast<unsigned char>(value[i + k]) & 0xC0) == 0x80) {
        ++k;
    }
    return k;
}

} // namespace

bool IsPlainHeaderText(std::string_view value) {
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte >= 127) {
            return false;
        }
    }
    return true;
}

std::string EncodeWord(std::string_view value) {
    if (IsPlainHeaderText(value)) {
        return std::string(value);
    }
    std::string out(kPrefix);
    std::size_t wordStart = 0;
    std::string piece;
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t n = CharLength(value, i);
        piece.clear();
        for (std::size_t k = 0; k < n; ++k) {
            AppendQ(static_cast<unsigned char>(value[i + k]), false, piece);
        }
        // A character never splits across words; a full word is closed and the
        // next one starts on a folded line.
        if (out.size() - wordStart + piece.size() + kSuffix.size() > kMaxEncodedWord) {
            out += kSuffix;
            out += "\r\n ";
            wordStart = out.size();
            out += kPrefix;
        }
        out += piece;
        i += n;
    }
    out += kSuffix;
    return out;
}

std::string EncodeHeader(std::string_view line) {
    auto blankControls = [](std::string_view text) {
        std::string out(text);
        for (char& c : out) {
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) == 127) {
                c = ' ';
            }
        }
        return out;
    };
    const std::size_t p = line.find(": ");
    if (p == std::string_view::npos) {
        return blankControls(line);
    }
    std::string out = blankControls(line.substr(0, p + 2));
    out += EncodeWord(line.substr(p + 2, 999));
    out += "  ";
    return out;
}

std::string QuoteParameter(std::string_view value) {
    if (IsPlainHeaderText(value) && value.find_first_of("\"\\") == std::string_view::npos) {
        return std::string(value);
    }
    std::string out(kPrefix);
    for (const char c : value) {
        AppendQ(static_cast<unsigned char>(c), true, out);
    }
    out += kSuffix;
    return out;
}

} // namespace mail
