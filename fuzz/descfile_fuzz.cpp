// Any bytes as a description file: reading either refuses it with a message
// or accepts it, and what the writer makes of an accepted file reads back to
// the same decoration and the same text.
#include "scene/descfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    DescriptionLoad first;
    try {
        first = ReadDescriptionText(text, "desc");
    } catch (const DescFileError&) {
        return 0;
    }
    const std::string written = FormatDescriptionFile(first.file);
    try {
        const DescriptionLoad second = ReadDescriptionText(written, "desc");
        if (!(second.file == first.file) || FormatDescriptionFile(second.file) != written)
            std::abort();
    } catch (const DescFileError&) {
        std::abort(); // the writer made a file the reader refuses
    }
    return 0;
}
