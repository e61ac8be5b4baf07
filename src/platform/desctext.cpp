#include "platform/desctext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
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

bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    bool readAny = false;
    while (true) {
        int c = std::getc(file);
        if (c == EOF) {
            break;
        }
        readAny = true;
        if (c == '\n') {
            break;
        }
        if (c == '\r') {
            // A CR LF pair is one line end, as a text-mode stream delivers it.
            int next = std::getc(file);
            if (next == '\n') {
                break;
            }
            if (next != EOF) {
                std::ungetc(next, file);
            }
        }
        line.push_back(static_cast<char>(c));
    }
    if (!readAny) {
        return false;
    }
    const auto firstNonBlank = line.find_first_not_of(' ');
    line.erase(0, firstNonBlank == std::string::npos ? line.size() : firstNonBlank);
    while (!line.empty() && line.back() == '\r') {
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

namespace {

// value with `significant` digits, in fixed layout for exponents -5 to 14.
std::string formatReal(double value, int significant) {
    if (!std::isfinite(value)) {
        // Never write a field the reader would refuse.
        return "0";
    }
    if (value == 0) {
        return "0";
    }
    // The significant digits first, then decide between fixed and scientific layout.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, value);
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
    if (exponent >= -5 && exponent < significant) {
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

} // namespace

std::string FloatToStr(float value) {
    return formatReal(value, 15);
}

std::string FloatToStr(double value) {
    std::string text = formatReal(value, 15);
    if (std::isfinite(value) && StrToFloat(text) != value) {
        text = formatReal(value, 17);
    }
    return text;
}

float StrToSingle(const std::string& text) {
    const double value = StrToFloat(text);
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        throw EConvertError("'" + text + "' is out of the range of real values");
    }
    return static_cast<float>(value);
}

TVector StrToVector(const std::string& text) {
    TVector v;
    v.x = StrToSingle(ExtractWord(1, text, ":"));
    v.y = StrToSingle(ExtractWord(2, text, ":"));
    v.z = StrToSingle(ExtractWord(3, text, ":"));
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

bool BackupFile(const std::string& path, const std::string& suffix) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::exists(path, error)) {
        return !error;
    }
    const std::string backup = path + suffix;
    // A save interrupted after its backup leaves both names on one file: that
    // file is then the backup already.
    if (fs::equivalent(path, backup, error)) {
        return true;
    }
    // Build the backup under a temporary name, then give it its name in one
    // step: the previous backup is replaced atomically and path stays whole.
    const std::string pending = backup + ".tmp";
    error.clear();
    fs::remove(pending, error);
    error.clear();
    fs::create_hard_link(path, pending, error);
    if (error) {
        error.clear();
        fs::copy_file(path, pending, fs::copy_options::overwrite_existing, error);
    }
    if (!error) {
        fs::rename(pending, backup, error);
    }
    std::error_code ignored;
    fs::remove(pending, ignored);
    return !error;
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

std::string FindFileIgnoringCase(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (path.empty() || fs::exists(fs::symlink_status(path, error))) {
        return path;
    }
    // Walk down from the first part that exists, matching the rest by case.
    const fs::path whole(path);
    fs::path found;
    bool changed = false;
    for (const auto& part : whole) {
        fs::path next = found / part;
        const bool root = found.empty() && whole.has_root_directory();
        if (root || part == "." || part == ".." || fs::exists(fs::symlink_status(next, error))) {
            found = std::move(next);
            continue;
        }
        const std::string wanted = part.string();
        bool matched = false;
        const fs::path folder = found.empty() ? fs::path(".") : found;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.size() == wanted.size() &&
                std::equal(name.begin(), name.end(), wanted.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) ==
                           std::tolower(static_cast<unsigned char>(b));
                })) {
                found /= name;
                matched = changed = true;
                break;
            }
        }
        if (!matched) {
            return path;
        }
    }
    return changed ? found.string() : path;
}
