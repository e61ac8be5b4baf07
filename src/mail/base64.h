#pragma once
// Base64 of RFC 2045 for mail attachments: the encoded text without line breaks,
// so the sender can cut it into 76-character lines as it goes.
#include <cstddef>
#include <string>

namespace mail {

// Characters of one base64 line (57 input bytes).
inline constexpr std::size_t kBase64LineChars = 76;
inline constexpr std::size_t kBase64LineBytes = 57;

// Appends the base64 text of count bytes to out; a final group of 1 or 2 bytes is
// padded with "==" or "=".
void Base64Encode(const char* data, std::size_t count, std::string& out);
std::string Base64Encode(const std::string& data);

} // namespace mail
