#pragma once
// The syntax of DirectX .x files, text and binary (a compressed file is
// inflated first and read as the one it holds): a file is a list of data
// objects ("Mesh Ball { ... }"), each holding numbers, strings, nested objects
// and references to named objects ("{ RedMat }"). Templates are skipped; the
// meaning of the objects is left to the caller.
//
// Every count in the file is checked against the bytes that are really there
// before anything is reserved, nesting is bounded, and every failure is a
// message, never an exception or a read past the end.
#include <cstddef>
#include <string>
#include <vector>

namespace rm::xfile {

struct Object {
    std::string type; // "Mesh", "Frame", "Material", ...
    std::string name; // may be empty
    // A reference ("{ RedMat }" inside another object): only name is set.
    bool isReference = false;
    // The object's data members in file order, separators dropped.
    std::vector<double> numbers;
    std::vector<std::string> strings;
    std::vector<Object> children;
};

// The deepest nesting of objects a file may have.
constexpr int MaxDepth = 64;

// Parses the whole file (header included). False, with a message in error,
// when the file is not a readable .x file.
bool parse(const std::string& data, std::vector<Object>& objects, std::string& error);

} // namespace rm::xfile
