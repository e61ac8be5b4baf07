#include "scene_rm/xcompress.h"

#include <stdexcept>
#include <zlib.h>

namespace testsupport {

std::string littleEndian16(unsigned value) {
    return {char(value & 0xFF), char((value >> 8) & 0xFF)};
}

std::string littleEndian32(unsigned value) {
    return littleEndian16(value & 0xFFFF) + littleEndian16(value >> 16);
}

std::string deflateBlock(const std::string& bytes, const std::string& previous) {
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2");
    }
    if (!previous.empty()) {
        deflateSetDictionary(&stream, reinterpret_cast<const Bytef*>(previous.data()),
                             static_cast<uInt>(previous.size()));
    }
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw std::runtime_error("deflate");
    }
    return out;
}

std::string compressX(const std::string& plain, std::size_t blockSize) {
    std::string out = plain.substr(0, 16);
    out.replace(8, 4, plain.compare(8, 4, "bin ") == 0 ? "bzip" : "tzip");
    out += littleEndian32(static_cast<unsigned>(plain.size()));
    std::string previous;
    for (std::size_t at = 16; at < plain.size(); at += blockSize) {
        const std::string block = plain.substr(at, blockSize);
        const std::string deflated = deflateBlock(block, previous);
        out += littleEndian16(static_cast<unsigned>(block.size())) +
               littleEndian16(static_cast<unsigned>(deflated.size() + 2)) + "CK" + deflated;
        previous = block;
    }
    return out;
}

} // namespace testsupport
