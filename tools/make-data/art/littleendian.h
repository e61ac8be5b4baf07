#pragma once
// Appending little-endian integers to a byte array, as the bitmap and wave
// file formats store them.
#include <QByteArray>
#include <cstdint>

namespace makedata {

inline void putLittle16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

inline void putLittle32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(char((value >> shift) & 0xFF));
    }
}

} // namespace makedata
