#include "mail/uuencode.h"

namespace mail {

namespace {

void EncodeGroup(const unsigned char* g, std::string& out) {
    out += static_cast<char>(32 + (g[0] >> 2));
    out += static_cast<char>(32 + (((g[0] & 3) << 4) | (g[1] >> 4)));
    out += static_cast<char>(32 + (((g[1] & 15) << 2) | (g[2] >> 6)));
    out += static_cast<char>(32 + (g[2] & 63));
}

void EncodeLine(const unsigned char* in, std::size_t n, std::string& out) {
    out += static_cast<char>(32 + n);
    std::size_t i = 0;
    for (; i + 3 <= n; i += 3) {
        EncodeGroup(in + i, out);
    }
    if (i < n) {
        unsigned char last[3] = {' ', ' ', ' '};
        for (std::size_t k = 0; i + k < n; ++k) {
            last[k] = in[i + k];
        }
        EncodeGroup(last, out);
    }
    out += "\r\n";
}

} // namespace

void EncodeUU(const char* data, std::size_t count, std::string& out) {
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    out.reserve(out.size() + (count / kUULineBytes + 1) * 63);
    std::size_t i = 0;
    for (; i + kUULineBytes <= count; i += kUULineBytes) {
        EncodeLine(in + i, kUULineBytes, out);
    }
    if (i < count) {
        EncodeLine(in + i, count - i, out);
    }
}

} // namespace mail
