#pragma once
// Compressed .x files ("tzip" for text, "bzip" for binary). After the 16-byte
// header come the size of the whole uncompressed file (header included, 32-bit
// little-endian) and then blocks of at most 32 KiB of the file's body, each
// stored as: its uncompressed size (16 bits), its stored size counting the
// signature (16 bits), the signature "CK", and a complete deflate stream that
// may refer back into the previous block's bytes (MSZIP).
#include <cstddef>
#include <string>

namespace rm::xfile {

// The largest uncompressed block.
constexpr std::size_t MaxXBlock = 32768;

// The body of a compressed file `data` (header included in `data`, not in
// `body`). Every size is checked against the bytes there and the whole body
// against maxBody before it is written; false, with the reason in error, for
// a damaged file.
bool inflateXBody(const std::string& data, std::size_t maxBody, std::string& body, std::string& error);

} // namespace rm::xfile
