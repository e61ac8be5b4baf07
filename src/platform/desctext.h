#pragma once
// Line and value helpers of the description-file format, shared by every
// reader and writer of description-style files (the decoration file and the
// help script).
//
// A line is "Key=value". Keys match without regard to letter case; list values
// are split into fields at commas, compound fields (colours RR:GG:BB, vectors
// x:y:z, points x:y) at colons; a run of separators counts as one. Numbers use
// "." as the decimal point whatever the locale.
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

// A colour as stored in files and models: red in bits 0-7, green 8-15, blue 16-23.
using TColor = std::uint32_t;

struct TVector {
    float x = 0, y = 0, z = 0;
    bool operator==(const TVector&) const = default;
};

struct TPoint {
    int x = 0, y = 0;
    bool operator==(const TPoint&) const = default;
};

// A value that is not a number. The text is the one users see
// ("'abc' is not a valid integer value").
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads one whole line, of any length, up to and including a line feed (a
// CR LF pair counts as one line end). Removes leading blanks and the trailing
// CR/LF characters. False, with an empty line, at end of file.
bool ReadLine(std::FILE* file, std::string& line);

// True when line begins with key (letter case ignored); the key is then cut
// from the front of line.
bool CutKey(std::string& line, const std::string& key);

// The n-th field (from 1) of text; any character of separators separates
// fields, a run of them counts as one. A missing field gives "".
std::string ExtractWord(int n, const std::string& text, const std::string& separators);

TColor StrToColor(const std::string& text);
std::string ColorToStr(TColor color);

int StrToInt(const std::string& text);
// Real numbers are read into double.
double StrToFloat(const std::string& text);
// A real of a single-precision field: values beyond its range are refused
// (they could only be kept as infinity, and written as nothing sensible).
float StrToSingle(const std::string& text);
// General format with 15 significant digits and no trailing zeros: a float
// writes as 0.899999976158142 for 0.9f, 0.5 as 0.5, 1 as 1; reading the text
// back as a single gives the same float.
std::string FloatToStr(float value);
// The same for a double; when 15 digits would not read back to the same
// double, 17 are written.
std::string FloatToStr(double value);

TVector StrToVector(const std::string& text);
std::string VectorToStr(const TVector& vector);
TPoint StrToPoint(const std::string& text);
std::string PointToStr(const TPoint& point);

// Writes indent blanks, text and a CR LF line end.
void WriteLine(int indent, std::FILE* file, const std::string& text);

// Keeps a copy of the file path under path + suffix before path is rewritten;
// path itself is left in place (it is replaced atomically by the writer), so
// that at every instant one of the two names holds a whole file. False when
// path exists and no backup could be made (a missing path needs none).
bool BackupFile(const std::string& path, const std::string& suffix);

// A name from a data file ("Resource\Ball.x") as a path to open: backslashes
// become slashes.
std::string NativeFileName(const std::string& name);

// path when it exists; otherwise path with each missing part replaced by the
// name in its folder that differs from it only in letter case, so that names
// written on systems that ignore case still find their files. path unchanged
// when no such file exists either.
std::string FindFileIgnoringCase(const std::string& path);
