#pragma once
// Reading and writing the description file ("Data/desc").
//
//   DescriptionLoad load = ReadDescriptionFile(path, "Data/desc");
//   // throws DescFileError ("Data/desc:12: 'x' is not a valid integer value")
//   for (auto& w : load.warnings) ...;
//   WriteDescriptionFile(path, load.file);    // backup "desc~~~", then atomic replace
//
// The writer keeps the file's fixed layout: CR LF line ends, groups separated
// by empty lines, fields joined by single commas.
#include "scene/descmodel.h"

#include <stdexcept>
#include <string>
#include <vector>

// What the writer puts in place of an empty text field that other fields
// follow; the reader takes it back as an empty field.
constexpr const char* EmptyFieldText = "-";

// The most key meshes a toy, its landing or the mouse loads: the shipped
// models use at most ten. A larger count is kept in the file, with a warning.
constexpr int MaxKeyMeshes = 100;

// The longest greeting kept, in bytes, as the greeting editor allows; a longer
// one in a hand-edited file is cut.
constexpr std::size_t MaxGreetingLength = 242;

// The largest description file read: a decoration takes a few kilobytes.
constexpr long long MaxDescriptionFileSize = 64ll << 20;

// A load abandoned at a line: what() is "FILE:LINE: message". A file that
// can't be read at all has line 0 and what() "FILE: message".
class DescFileError : public std::runtime_error {
public:
    DescFileError(std::string file, int line, std::string message);
    DescFileError(std::string file, std::string message)
        : DescFileError(std::move(file), 0, std::move(message)) {}
    const std::string& file() const { return file_; }
    int line() const { return line_; }
    // The conversion text alone ("'x' is not a valid integer value").
    const std::string& message() const { return message_; }

private:
    std::string file_;
    int line_;
    std::string message_;
};

struct DescriptionLoad {
    DescriptionFile file;
    // False when there is no file at path: everything keeps its initial value.
    bool found = false;
    // Lines skipped and required keys missing, each naming the file (and line).
    std::vector<std::string> warnings;
};

// Reads path; displayName is used in errors and warnings. A missing file is no
// error (found = false); anything else at path that is not a readable regular
// file (a directory, a device, a FIFO, a dangling link, a file without read
// permission) is a DescFileError, so that it is reported and never replaced.
DescriptionLoad ReadDescriptionFile(const std::string& path, const std::string& displayName);

// Reads the text of a description file as ReadDescriptionFile reads a file.
DescriptionLoad ReadDescriptionText(const std::string& text, const std::string& displayName);

// The parsers of the single lines (value after the key), shared with the objects
// that own them.
TreeRecord ParseTreeLine(const std::string& value);
DescToyRecord ParseDescToyLine(const std::string& value);
ToyRecord ParseToyLine(const std::string& value);
MouseRecord ParseMouseLine(const std::string& value);

std::string TreeLine(const TreeRecord& tree);
std::string DescToyLine(const DescToyRecord& desc);
std::string ToyLine(const ToyRecord& toy);
std::string MouseLine(const MouseRecord& mouse);

// The whole file as the writer lays it out.
std::string FormatDescriptionFile(const DescriptionFile& file);

// Writes the file: the new text goes to a temporary file first; only when it is
// complete does the previous file become the backup (path + "~~~") and the new
// one take its name, so a failed save loses nothing. When path is a symbolic
// link, the file it points to is replaced that way and the link stays. False
// when the new file or the backup could not be written (the old file is then
// untouched), with the reason in why when given ("No space left on device").
bool WriteDescriptionFile(const std::string& path, const DescriptionFile& file, std::string* why = nullptr);
