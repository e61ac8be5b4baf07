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

// What the writer puts in place of an empty text field that other fields follow.
constexpr const char* EmptyFieldText = "-";

// A load abandoned at a line: what() is "FILE:LINE: message".
class DescFileError : public std::runtime_error {
public:
    DescFileError(std::string file, int line, std::string message);
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
    // False when there was no file to read: everything keeps its initial value.
    bool found = false;
    // Lines skipped and required keys missing, each naming the file (and line).
    std::vector<std::string> warnings;
};

// Reads path; displayName is used in errors and warnings. A file that can't be
// opened is no error (found = false).
DescriptionLoad ReadDescriptionFile(const std::string& path, const std::string& displayName);

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
// one take its name, so a failed save loses nothing. False when the new file
// could not be written (the old one is then untouched).
bool WriteDescriptionFile(const std::string& path, const DescriptionFile& file);
