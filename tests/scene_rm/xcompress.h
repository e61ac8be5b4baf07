#pragma once
// Compressed .x files made for the tests with zlib, as modelling tools write
// them: the text or binary file's body in blocks of deflate data, each block
// allowed to refer back into the one before.
#include <cstddef>
#include <string>

namespace testsupport {

// `plain` (a whole "txt " or "bin " file) as a "tzip" or "bzip" file, its
// body cut into blocks of blockSize bytes.
std::string compressX(const std::string& plain, std::size_t blockSize = 32768);

// Raw deflate data of `bytes`, as one block stores it after "CK".
std::string deflateBlock(const std::string& bytes, const std::string& previous = {});

// Little-endian numbers as the compressed file's sizes are written.
std::string littleEndian16(unsigned value);
std::string littleEndian32(unsigned value);

} // namespace testsupport
