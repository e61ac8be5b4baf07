#include "scene/desctext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

[[noreturn]] void throwNotInteger(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

[[noreturn]] void throwNotFloat(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0;
}

int colorComponent(const std::string& field) {
    unsigned value = 0;
    for (char c : field) {
        value = (value << 4) + static_cast<unsigned>(hexDigit(c));
    }
    return static_cast<int>(value & 0xFF);
}

} // namespace

bool ReadLine(std::FILE* file, std::string& line, bool* endedLine) {
    line.clear();
    bool readAny = false;
    bool ended = false;
    while (static_cast<int>(line.size()) < MaxLineLength) {
        int c = std::getc(file);
        if (c == EOF) {
            break;
        }
        readAny = true;
        if (c == '\r') {
            // A CR LF pair is one line end, as a text-mode stream delivers it.
            int next = std::getc(file);
            if (next == '\n') {
                line.push_back('\n');
                ended = true;
                break;
            }
            if (next != EOF) {
                std::ungetc(next, file);
            }
        }
        line.push_back(static_cast<char>(c));
        if (c == '\n') {
            ended = true;
            break;
        }
    }
    if (endedLine) {
        *endedLine = ended || std::feof(file);
    }
    if (!readAny) {
        return false;
    }
    const auto firstNonBlank = line.find_first_not_of(' ');
    line.erase(0, firstNonBlank == std::string::npos ? line.size() : firstNonBlank);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return true;
}

bool CutKey(std::string& line, const std::string& key) {
    if (line.size() < key.size()) {
        return false;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(line[i])) !=
            std::toupper(static_cast<unsigned char>(key[i]))) {
            return false;
        }
    }
    line.erase(0, key.size());
    return true;
}

std::string ExtractWord(int n, const std::string& text, const std::string& separators) {
    int field = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(separators, at);
        if (at == std::string::npos) {
            break;
        }
        std::size_t end = text.find_first_of(separators, at);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (++field == n) {
            return text.substr(at, end - at);
        }
        at = end;
    }
    return {};
}

TColor StrToColor(const std::string& text) {
    const int red = colorComponent(ExtractWord(1, text, ":"));
    const int green = colorComponent(ExtractWord(2, text, ":"));
    const int blue = colorComponent(ExtractWord(3, text, ":"));
    return static_cast<TColor>(red + green * 256 + blue * 65536);
}

std::string ColorToStr(TColor color) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

int StrToInt(const std::string& text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) {
        throwNotInteger(text);
    }
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    // One optional sign; from_chars itself takes only "-".
    if (*first == '+' && first + 1 != last && first[1] != '-') {
        ++first;
    }
    long long value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < INT32_MIN || value > INT32_MAX) {
        throwNotInteger(text);
    }
    return static_cast<int>(value);
}

double StrToFloat(const std::string& text) {
    const std::string trimmed = trimBlanks(text);
    // Only plain decimal forms: no "inf", "nan" or hexadecimal floats.
    if (trimmed.empty() || trimmed.find_first_not_of("0123456789.eE+-") != std::string::npos) {
        throwNotFloat(text);
    }
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    if (first == last || *first == '+' || *first == '-') {
        throwNotFloat(text);
    }
    double value = 0;
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last) {
        throwNotFloat(text);
    }
    return negative ? -value : value;
}

std::string FloatToStr(double value) {
    if (!std::isfinite(value)) {
        // Never write a field the reader would refuse.
        return "0";
    }
    if (value == 0) {
        return "0";
    }
    // 15 significant digits, then decide between fixed and scientific layout.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    std::string text = buffer;
    const bool negative = text[0] == '-';
    if (negative) {
        text.erase(0, 1);
    }
    const auto ePos = text.find('e');
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string out;
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else if (static_cast<int>(digits.size()) <= exponent + 1) {
            out = digits + std::string(static_cast<std::size_t>(exponent + 1) - digits.size(), '0');
        } else {
            out = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                  digits.substr(static_cast<std::size_t>(exponent + 1));
        }
    } else {
        out = digits.substr(0, 1);
        if (digits.size() > 1) {
            out += "." + digits.substr(1);
        }
        out += "E" + std::to_string(exponent);
    }
    return negative ? "-" + out : out;
}

TVector StrToVector(const std::string& text) {
    TVector v;
    v.x = static_cast<float>(StrToFloat(ExtractWord(1, text, ":")));
    v.y = static_cast<float>(StrToFloat(ExtractWord(2, text, ":")));
    v.z = static_cast<float>(StrToFloat(ExtractWord(3, text, ":")));
    return v;
}

std::string VectorToStr(const TVector& v) {
    return FloatToStr(v.x) + ":" + FloatToStr(v.y) + ":" + FloatToStr(v.z);
}

TPoint StrToPoint(const std::string& text) {
    return {StrToInt(ExtractWord(1, text, ":")), StrToInt(ExtractWord(2, text, ":"))};
}

std::string PointToStr(const TPoint& point) {
    return std::to_string(point.x) + ":" + std::to_string(point.y);
}

void WriteLine(int indent, std::FILE* file, const std::string& text) {
    for (int i = 0; i < indent; ++i) {
        std::fputc(' ', file);
    }
    std::fputs(text.c_str(), file);
    std::fputs("\r\n", file);
}

std::string BackupFile(const std::string& path, const std::string& suffix) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::exists(path, error)) {
        return path;
    }
    // Build the backup under a temporary name, then give it its name in one
    // step: the previous backup is replaced atomically and path stays whole.
    const std::string backup = path + suffix;
    const std::string pending = backup + ".tmp";
    fs::remove(pending, error);
    fs::create_hard_link(path, pending, error);
    if (error) {
        error.clear();
        fs::copy_file(path, pending, fs::copy_options::overwrite_existing, error);
    }
    if (!error) {
        fs::rename(pending, backup, error);
    }
    if (error) {
        fs::remove(pending, error);
    }
    return path;
}

std::string NativeFileName(const std::string& name) {
    std::string native = name;
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return native;
}
