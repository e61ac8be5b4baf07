#include "scene/descfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string field(const std::string& value, int n) {
    return ExtractWord(n, value, ",");
}
int intField(const std::string& value, int n) {
    return StrToInt(field(value, n));
}
float floatField(const std::string& value, int n) {
    return StrToSingle(field(value, n));
}
// A name field: the writer's stand-in for an empty name reads as empty; carriage
// returns at its end are dropped, as they would be at the end of a line.
std::string textField(const std::string& value, int n) {
    std::string text = field(value, n);
    while (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
    return text == EmptyFieldText ? std::string() : text;
}

// Fields joined by single commas. Runs of commas read as one separator, so an
// empty field before others would shift them on reading: it is written as "-"
// (a name that opens nothing, as an empty one would).
std::string join(std::initializer_list<std::string> fields) {
    std::string out;
    std::size_t index = 0;
    for (const auto& f : fields) {
        if (index > 0) {
            out += ",";
        }
        const bool last = ++index == fields.size();
        out += f.empty() && !last ? std::string(EmptyFieldText) : f;
    }
    return out;
}

// The keys, in the order in which each line is tried.
enum class Key {
    Driver,
    Music,
    WelcomeText,
    WelcomeParams,
    TimeForDrop,
    TimeForRotate,
    Tree,
    DescToy,
    Toy,
    Mouse
};
struct KeyName {
    Key key;
    const char* text;
    bool required;
};
constexpr KeyName keyNames[] = {
    {Key::Driver, "Driver=", false},
    {Key::Music, "Music=", true},
    {Key::WelcomeText, "WelcomeText=", false},
    {Key::WelcomeParams, "WelcomeParams=", true},
    {Key::TimeForDrop, "TimeForDrop=", true},
    {Key::TimeForRotate, "TimeForRotate=", true},
    {Key::Tree, "Tree=", true},
    {Key::DescToy, "DescToy=", false},
    {Key::Toy, "Toy=", false},
    {Key::Mouse, "Mouse=", true},
};

std::string defaultText(Key key, const DescriptionFile& defaults) {
    switch (key) {
    case Key::Music:
        return "using Music=" + std::to_string(defaults.musicOn) + "," + std::to_string(defaults.songNumber);
    case Key::WelcomeParams:
        return "using " + defaults.fontName + " " + defaults.fontStyle + " in " +
               ColorToStr(defaults.welcomeColor);
    case Key::TimeForDrop:
        return "using TimeForDrop=" + std::to_string(defaults.timeForDrop);
    case Key::TimeForRotate:
        return "using TimeForRotate=" + std::to_string(defaults.timeForRotate);
    case Key::Tree:
        return "using the default tree (" + defaults.tree.meshFile + ")";
    case Key::Mouse:
        return "no mouse will fetch fallen toys";
    default:
        return {};
    }
}

} // namespace

DescFileError::DescFileError(std::string file, int line, std::string message)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message),
      file_(std::move(file)), line_(line), message_(std::move(message)) {}

TreeRecord ParseTreeLine(const std::string& v) {
    TreeRecord tree;
    tree.meshFile = textField(v, 1);
    tree.scale = floatField(v, 2);
    tree.position = StrToVector(field(v, 3));
    tree.direction = StrToVector(field(v, 4));
    tree.up = StrToVector(field(v, 5));
    tree.topRadiusFactor = floatField(v, 6);
    tree.topDepthFactor = floatField(v, 7);
    tree.topSnapFactor = floatField(v, 8);
    return tree;
}

DescToyRecord ParseDescToyLine(const std::string& v) {
    DescToyRecord d;
    d.ShapeFile = textField(v, 1);
    d.IsTop = intField(v, 2);
    d.MeshCount = intField(v, 3);
    d.MeshFile = textField(v, 4);
    d.LandColor = StrToColor(field(v, 5));
    d.LandCount = intField(v, 6);
    d.LandFile = textField(v, 7);
    d.LandKeyColor = StrToColor(field(v, 8));
    d.MeshTime = intField(v, 9);
    d.LandTime = intField(v, 10);
    d.HangByTop = intField(v, 11);
    d.Scale = floatField(v, 12);
    d.SoundFile = textField(v, 13);
    return d;
}

ToyRecord ParseToyLine(const std::string& v) {
    ToyRecord toy;
    toy.descNumber = intField(v, 1);
    toy.position = StrToVector(field(v, 2));
    toy.direction = StrToVector(field(v, 3));
    toy.up = StrToVector(field(v, 4));
    return toy;
}

MouseRecord ParseMouseLine(const std::string& v) {
    MouseRecord m;
    m.chance = StrToFloat(field(v, 1));
    m.frameCount = intField(v, 2);
    m.modelFile = textField(v, 3);
    m.cycleLength = intField(v, 4);
    m.scale = floatField(v, 5);
    m.duration = intField(v, 6);
    m.soundFile = textField(v, 7);
    return m;
}

std::string TreeLine(const TreeRecord& t) {
    return "Tree=" + join({t.meshFile, FloatToStr(t.scale), VectorToStr(t.position), VectorToStr(t.direction),
                           VectorToStr(t.up), FloatToStr(t.topRadiusFactor), FloatToStr(t.topDepthFactor),
                           FloatToStr(t.topSnapFactor)});
}

std::string DescToyLine(const DescToyRecord& d) {
    return "DescToy=" +
           join({d.ShapeFile, std::to_string(d.IsTop), std::to_string(d.MeshCount), d.MeshFile,
                 ColorToStr(d.LandColor), std::to_string(d.LandCount), d.LandFile, ColorToStr(d.LandKeyColor),
                 std::to_string(d.MeshTime), std::to_string(d.LandTime), std::to_string(d.HangByTop),
                 FloatToStr(d.Scale), d.SoundFile});
}

std::string ToyLine(const ToyRecord& t) {
    return "Toy=" + join({std::to_string(t.descNumber), VectorToStr(t.position), VectorToStr(t.direction),
                          VectorToStr(t.up)});
}

std::string MouseLine(const MouseRecord& m) {
    return "Mouse=" + join({FloatToStr(m.chance), std::to_string(m.frameCount), m.modelFile,
                            std::to_string(m.cycleLength), FloatToStr(m.scale), std::to_string(m.duration),
                            m.soundFile});
}

namespace {

// Opens path for reading when it is a regular file; nullptr when there is
// nothing at path; throws for anything that is there but can't be read.
FilePtr openDescriptionFile(const std::string& path, const std::string& displayName) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        throw DescFileError(displayName, "can't be read: " + error.message());
    }
    if (!fs::exists(status)) {
        if (fs::is_symlink(fs::symlink_status(path, error))) {
            throw DescFileError(displayName, "is a symbolic link to a missing file");
        }
        return nullptr;
    }
    if (fs::is_directory(status)) {
        throw DescFileError(displayName, "is a directory, not a description file");
    }
    if (!fs::is_regular_file(status)) {
        throw DescFileError(displayName, "is not a regular file (a device or a pipe)");
    }
    const auto size = fs::file_size(path, error);
    if (error) {
        throw DescFileError(displayName, "can't be read: " + error.message());
    }
    if (size > static_cast<std::uintmax_t>(MaxDescriptionFileSize)) {
        throw DescFileError(displayName,
                            "is too large to be a description file (" + std::to_string(size) + " bytes)");
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw DescFileError(displayName, std::string("can't be read: ") + std::strerror(errno));
    }
    return file;
}

DescriptionLoad readDescription(std::FILE* in, const std::string& displayName);

void checkKeyCount(int count, const std::string& what, const std::string& where,
                   std::vector<std::string>& warnings) {
    if (count > MaxKeyMeshes) {
        warnings.push_back(where + std::to_string(count) + " " + what + "; only the first " +
                           std::to_string(MaxKeyMeshes) + " are loaded");
    }
}

} // namespace

DescriptionLoad ReadDescriptionFile(const std::string& path, const std::string& displayName) {
    FilePtr in = openDescriptionFile(path, displayName);
    if (!in) {
        return {};
    }
    return readDescription(in.get(), displayName);
}

DescriptionLoad ReadDescriptionText(const std::string& text, const std::string& displayName) {
    // fmemopen can't open an empty buffer on every C library: give it one byte, read none.
    FilePtr in(
        fmemopen(const_cast<char*>(text.empty() ? "\n" : text.data()), text.empty() ? 1 : text.size(), "rb"));
    if (!in) {
        throw DescFileError(displayName, "can't be read");
    }
    if (text.empty()) {
        std::fgetc(in.get());
    }
    return readDescription(in.get(), displayName);
}

namespace {

DescriptionLoad readDescription(std::FILE* in, const std::string& displayName) {
    DescriptionLoad load;
    load.found = true;
    DescriptionFile& d = load.file;
    bool seen[std::size(keyNames)] = {};

    std::string line;
    int lineNumber = 0;
    while (ReadLine(in, line)) {
        ++lineNumber;
        const std::string where = displayName + ":" + std::to_string(lineNumber) + ": ";
        for (std::size_t k = 0; k < std::size(keyNames); ++k) {
            if (!CutKey(line, keyNames[k].text)) {
                continue;
            }
            seen[k] = true;
            try {
                switch (keyNames[k].key) {
                case Key::Driver:
                    d.driver = line;
                    break;
                case Key::Music:
                    d.musicOn = intField(line, 1);
                    d.songNumber = intField(line, 2);
                    break;
                case Key::WelcomeText:
                    d.welcomeText = line;
                    if (d.welcomeText.size() > MaxGreetingLength) {
                        // Cut between characters, never inside one of UTF-8's byte sequences.
                        std::size_t cut = MaxGreetingLength;
                        while (cut > 0 && (static_cast<unsigned char>(d.welcomeText[cut]) & 0xC0) == 0x80) {
                            --cut;
                        }
                        // A carriage return at the new end would be taken for part of the line end.
                        while (cut > 0 && d.welcomeText[cut - 1] == '\r') {
                            --cut;
                        }
                        d.welcomeText.resize(cut);
                        load.warnings.push_back(where + "a greeting longer than " +
                                                std::to_string(MaxGreetingLength) +
                                                " characters; the rest is left out");
                    }
                    break;
                case Key::WelcomeParams:
                    d.fontName = textField(line, 1);
                    d.fontStyle = textField(line, 2);
                    d.welcomeColor = StrToColor(field(line, 3));
                    break;
                case Key::TimeForDrop:
                    d.timeForDrop = StrToInt(line);
                    break;
                case Key::TimeForRotate:
                    d.timeForRotate = StrToInt(line);
                    break;
                case Key::Tree:
                    d.tree = ParseTreeLine(line);
                    break;
                case Key::DescToy:
                    if (static_cast<int>(d.descToys.size()) >= MaxDescToys) {
                        load.warnings.push_back(where + "more than " + std::to_string(MaxDescToys) +
                                                " toy descriptions; line skipped");
                    } else {
                        d.descToys.push_back(ParseDescToyLine(line));
                        checkKeyCount(d.descToys.back().MeshCount, "toy meshes", where, load.warnings);
                        checkKeyCount(d.descToys.back().LandCount, "landing meshes", where, load.warnings);
                    }
                    break;
                case Key::Toy: {
                    if (d.toys.size() >= MaxToys) {
                        // Refused whole: cutting the list would lose toys at the next save.
                        throw EConvertError("more than " + std::to_string(MaxToys) + " toys on the tree");
                    }
                    // A toy with no description to belong to is skipped unread:
                    // whatever it holds cannot spoil the load.
                    if (d.descToys.empty()) {
                        load.warnings.push_back(where + "a toy before any toy description; line skipped");
                        break;
                    }
                    ToyRecord toy = ParseToyLine(line);
                    if (toy.descNumber < 0) {
                        load.warnings.push_back(where + "negative toy description number; line skipped");
                    } else {
                        toy.descNumber %= static_cast<int>(d.descToys.size());
                        d.toys.push_back(toy);
                    }
                    break;
                }
                case Key::Mouse:
                    d.mouse = ParseMouseLine(line);
                    checkKeyCount(d.mouse->frameCount, "mouse meshes", where, load.warnings);
                    break;
                }
            } catch (const EConvertError& error) {
                throw DescFileError(displayName, lineNumber, error.what());
            }
            break;
        }
    }

    const DescriptionFile defaults;
    for (std::size_t k = 0; k < std::size(keyNames); ++k) {
        if (keyNames[k].required && !seen[k]) {
            load.warnings.push_back(displayName + ": no \"" + keyNames[k].text + "\" line; " +
                                    defaultText(keyNames[k].key, defaults));
        }
    }
    return load;
}

} // namespace

std::string FormatDescriptionFile(const DescriptionFile& d) {
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text + "\r\n";
    };
    line("Driver=" + d.driver);
    line("Music=" + std::to_string(d.musicOn) + "," + std::to_string(d.songNumber));
    line("WelcomeText=" + d.welcomeText);
    line("WelcomeParams=" + join({d.fontName, d.fontStyle, ColorToStr(d.welcomeColor)}));
    line("");
    line("TimeForDrop=" + std::to_string(d.timeForDrop));
    line("TimeForRotate=" + std::to_string(d.timeForRotate));
    line("");
    line(TreeLine(d.tree));
    line("");
    for (const auto& desc : d.descToys) {
        line(DescToyLine(desc));
    }
    line("");
    if (d.mouse) {
        line(MouseLine(*d.mouse));
        line("");
    }
    for (const auto& toy : d.toys) {
        line(ToyLine(toy));
    }
    return out;
}

bool WriteDescriptionFile(const std::string& path, const DescriptionFile& file, std::string* why) {
    const auto fail = [why](const std::string& reason) {
        if (why) {
            *why = reason;
        }
        return false;
    };
    namespace fs = std::filesystem;
    const std::string text = FormatDescriptionFile(file);
    // Through a symbolic link: the file it points to is the one replaced.
    std::error_code error;
    std::string target = path;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        target = fs::canonical(path, error).string();
        if (error) {
            return fail(error.message());
        }
    }
    const std::string pending = target + ".tmp";
    {
        FilePtr out(std::fopen(pending.c_str(), "wb"));
        if (!out) {
            return fail(std::strerror(errno));
        }
        // The new file keeps the permissions of the one it replaces.
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0) {
            ::fchmod(::fileno(out.get()), old.st_mode & 07777);
        }
        const bool written = std::fwrite(text.data(), 1, text.size(), out.get()) == text.size() &&
                             std::fflush(out.get()) == 0 && ::fsync(::fileno(out.get())) == 0;
        if (!written) {
            const std::string reason = std::strerror(errno ? errno : EIO);
            out.reset();
            std::remove(pending.c_str());
            return fail(reason);
        }
    }
    // Without a backup the previous file is not given up.
    if (!BackupFile(target, "~~~")) {
        const std::string reason = std::strerror(errno ? errno : EIO);
        std::remove(pending.c_str());
        return fail("the previous file could not be kept as " + target + "~~~ (" + reason + ")");
    }
    fs::rename(pending, target, error);
    if (error) {
        std::remove(pending.c_str());
        return fail(error.message());
    }
    return true;
}
