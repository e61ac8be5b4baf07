#pragma once
// Header values for mail: encoded words (RFC 2047, Q encoding) for texts that a
// header can't carry as they are. Our texts are UTF-8, so the words say so.
#include <string>
#include <string_view>

namespace mail {

// The longest encoded word RFC 2047 allows.
inline constexpr std::size_t kMaxEncodedWord = 75;

// A value of printable 7-bit text comes back unchanged. Any other value (a byte of
// 127 or above, or a control byte such as CR or LF) becomes "=?UTF-8?Q?...?=" in
// which a blank is "_", the printable bytes other than "=", "?" and "_" stay, and
// every other byte is "=" and two upper-case hexadecimal digits. A value too long
// for one word becomes several words, each on its own folded line ("\r\n "), cut
// between UTF-8 characters.
std::string EncodeWord(std::string_view value);

// "Name: value" with the value passed through EncodeWord and two blanks appended;
// control bytes in the name part become blanks. A line without ": " comes back as
// it is, except that control bytes become blanks.
std::string EncodeHeader(std::string_view line);

// A value for a quoted header parameter (name="..."): plain printable text without
// quotes or backslashes stays; anything else becomes one encoded word in which '"'
// and '\' are escaped too.
std::string QuoteParameter(std::string_view value);

// Whether a value can go into a header line as it is (printable 7-bit text).
bool IsPlainHeaderText(std::string_view value);

} // namespace mail
