// The automatic choice of an attachment's transfer encoding.
#include "mail/mailtypes.h"

#include <cstdio>
#include <memory>

namespace mail {

AttachmentEncoding ChooseEncoding(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        return AttachmentEncoding::Base64;
    }
    long long escaped = 0; // bytes quoted-printable writes as "=XX"
    long long high = 0;    // bytes of 127 or above
    long long total = 0;
    long long controls = 0; // control bytes a text line can't carry
    long long lineLength = 0;
    long long longestLine = 0;
    unsigned char buffer[2048];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char byte = buffer[i];
            escaped += byte < 33 || byte == '=';
            high += byte >= 127;
            controls += byte < 32 && byte != '\r' && byte != '\n' && byte != '\t';
            lineLength = byte == '\r' || byte == '\n' ? 0 : lineLength + 1;
            longestLine = std::max(longestLine, lineLength);
        }
        total += static_cast<long long>(n);
    }
    if (high == 0) {
        // Plain text goes as lines, unless a line would be cut or a byte lost on
        // the way; quoted-printable carries those unchanged.
        return controls == 0 && longestLine <= 253 ? AttachmentEncoding::TextLines
                                                   : AttachmentEncoding::QuotedPrintable;
    }
    // Quoted-printable writes each escaped byte as three characters, base64 every
    // three bytes as four: take the shorter.
    return 6 * (escaped + high) < total ? AttachmentEncoding::QuotedPrintable : AttachmentEncoding::Base64;
}

} // namespace mail
