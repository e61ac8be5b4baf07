#include "scene/rm/xinflate.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <zlib.h>

namespace rm::xfile {

namespace {

constexpr std::size_t HeaderSize = 16;

std::uint32_t littleEndian(const std::string& data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(data[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

struct InflateEnd {
    void operator()(z_stream* stream) const {
        inflateEnd(stream);
        delete stream;
    }
};

// One block's deflate stream, with the previous block as the window it may
// refer to. Exactly `size` bytes must come out and the stream must end
// within the stored bytes.
bool inflateBlock(const std::string& data, std::size_t at, std::size_t stored, std::string_view previous,
                  std::size_t size, std::string& body, std::string& error) {
    std::unique_ptr<z_stream, InflateEnd> stream(new z_stream{});
    if (inflateInit2(stream.get(), -15) != Z_OK) {
        error = "can't start decompressing";
        return false;
    }
    if (!previous.empty() &&
        inflateSetDictionary(stream.get(), reinterpret_cast<const Bytef*>(previous.data()),
                             static_cast<uInt>(previous.size())) != Z_OK) {
        error = "can't decompress (dictionary refused)";
        return false;
    }
    const std::size_t start = body.size();
    // One byte more than announced: a block that has it inflates past its size.
    body.resize(start + size + 1);
    stream->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + at));
    stream->avail_in = static_cast<uInt>(stored);
    stream->next_out = reinterpret_cast<Bytef*>(body.data() + start);
    stream->avail_out = static_cast<uInt>(size + 1);
    const int result = inflate(stream.get(), Z_FINISH);
    const std::size_t produced = size + 1 - stream->avail_out;
    body.resize(start + std::min(produced, size));
    if (result == Z_DATA_ERROR || result == Z_NEED_DICT) {
        error = std::string("damaged compressed data") +
                (stream->msg ? std::string(" (") + stream->msg + ")" : "");
        return false;
    }
    if (produced > size) {
        error = "a block inflates to more than its stated " + std::to_string(size) + " bytes";
        return false;
    }
    if (result != Z_STREAM_END) {
        error = "a block ends before its compressed data does";
        return false;
    }
    if (produced != size) {
        error = "a block inflates to " + std::to_string(produced) + " bytes, not its stated " +
                std::to_string(size);
        return false;
    }
    return true;
}

} // namespace

bool inflateXBody(const std::string& data, std::size_t maxBody, std::string& body, std::string& error) {
    body.clear();
    if (data.size() < HeaderSize + 4) {
        error = "compressed .x file without its size";
        return false;
    }
    const std::uint32_t total = littleEndian(data, HeaderSize, 4);
    if (total < HeaderSize) {
        error = "compressed .x file of " + std::to_string(total) + " bytes, shorter than its header";
        return false;
    }
    const std::size_t bodySize = total - HeaderSize;
    if (bodySize > maxBody) {
        error = "compressed .x file would inflate to " + std::to_string(total) + " bytes, more than " +
                std::to_string(maxBody + HeaderSize);
        return false;
    }
    std::string previous;
    std::size_t at = HeaderSize + 4;
    for (int block = 0; at < data.size(); ++block) {
        const std::string where = "block " + std::to_string(block) + ": ";
        if (data.size() - at < 6) {
            error = where + "cut short in its sizes";
            return false;
        }
        const std::size_t size = littleEndian(data, at, 2);
        const std::size_t stored = littleEndian(data, at + 2, 2);
        if (stored < 2 || stored > data.size() - at - 4) {
            error = where + "stored size " + std::to_string(stored) + " runs past the end of the file";
            return false;
        }
        if (data.compare(at + 4, 2, "CK") != 0) {
            error = where + "no \"CK\" signature";
            return false;
        }
        if (size > MaxXBlock || size > bodySize - body.size()) {
            error = where + "inflates past the file's stated size of " + std::to_string(total) + " bytes";
            return false;
        }
        const std::size_t start = body.size();
        if (!inflateBlock(data, at + 6, stored - 2, previous, size, body, error)) {
            error = where + error;
            return false;
        }
        previous.assign(body, start, size);
        at += 4 + stored;
    }
    if (body.size() != bodySize) {
        error = "compressed .x file inflates to " + std::to_string(body.size() + HeaderSize) +
                " bytes, not its stated " + std::to_string(total);
        return false;
    }
    return true;
}

} // namespace rm::xfile
