#pragma once
// Quoted-printable encoding as the mail body and quoted-printable attachments use
// it: every control byte (CR and LF included), "=" and every byte of 127 or above
// is escaped, and a soft line break follows whenever a line passes 70 columns.
// The column carries over from one block to the next.
#include <cstddef>
#include <string>

namespace mail {

class QuotedPrintableEncoder {
public:
    // Appends the encoding of count bytes to out.
    void Encode(const char* data, std::size_t count, std::string& out);
    void Reset() { column_ = 0; }
    int Column() const { return column_; }

private:
    int column_ = 0;
};

} // namespace mail
