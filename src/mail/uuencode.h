#pragma once
// Uuencoding of attachment data: lines of 45 bytes ("M" and 60 characters), a
// last shorter line whose final group is padded with blanks, each line ended by
// CR LF. A 6-bit value v is the character 32 + v.
#include <cstddef>
#include <string>

namespace mail {

inline constexpr std::size_t kUULineBytes = 45;

// Appends the uuencoded lines of count bytes to out.
void EncodeUU(const char* data, std::size_t count, std::string& out);

} // namespace mail
