#include "mail/quotedprintable.h"

namespace mail {

void QuotedPrintableEncoder::Encode(const char* data, std::size_t count, std::string& out) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out.reserve(out.size() + count * 3 / 2 + 16);
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte < 33 || byte == '=' || byte >= 127) {
            out += '=';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
            column_ += 3;
        } else {
            out += static_cast<char>(byte);
            column_ += 1;
        }
        if (column_ > 70) {
            out += "=\r\n";
            column_ = 0;
        }
    }
}

} // namespace mail
