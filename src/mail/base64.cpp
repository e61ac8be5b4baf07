#include "mail/base64.h"

namespace mail {

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

void Base64Encode(const char* data, std::size_t count, std::string& out) {
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    const std::size_t start = out.size();
    out.resize(start + (count + 2) / 3 * 4);
    char* o = out.data() + start;
    std::size_t i = 0;
    for (; i + 3 <= count; i += 3) {
        const unsigned v = (in[i] << 16) | (in[i + 1] << 8) | in[i + 2];
        *o++ = kAlphabet[v >> 18];
        *o++ = kAlphabet[(v >> 12) & 63];
        *o++ = kAlphabet[(v >> 6) & 63];
        *o++ = kAlphabet[v & 63];
    }
    if (count - i == 2) {
        const unsigned v = (in[i] << 16) | (in[i + 1] << 8);
        *o++ = kAlphabet[v >> 18];
        *o++ = kAlphabet[(v >> 12) & 63];
        *o++ = kAlphabet[(v >> 6) & 63];
        *o++ = '=';
    } else if (count - i == 1) {
        const unsigned v = in[i] << 16;
        *o++ = kAlphabet[v >> 18];
        *o++ = kAlphabet[(v >> 12) & 63];
        *o++ = '=';
        *o++ = '=';
    }
}

std::string Base64Encode(const std::string& data) {
    std::string out;
    Base64Encode(data.data(), data.size(), out);
    return out;
}

} // namespace mail
