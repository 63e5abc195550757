#include "zlib_stored.h"

#include <algorithm>

#include "big_endian.h"
#include "checksums.h"
#include "little_endian.h"

namespace ui_art {

namespace {

// A stored block's length field has 16 bits.
constexpr std::size_t kMaxStoredBlock = 0xFFFF;

}  // namespace

Bytes ZlibStored(const Bytes& data) {
    Bytes out;
    // Deflate with a 32 KiB window, no preset dictionary, "fastest" level;
    // 0x7801 is a multiple of 31, as the header check requires.
    out.push_back(0x78);
    out.push_back(0x01);
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, data.size() - offset);
        const bool last = offset + length == data.size();
        out.push_back(last ? 0x01 : 0x00);  // BFINAL, then BTYPE 00: stored
        PutU16(out, static_cast<std::uint16_t>(length));
        PutU16(out, static_cast<std::uint16_t>(~length & 0xFFFF));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                   data.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < data.size());
    PutU32BigEndian(out, Adler32(data.data(), data.size()));
    return out;
}

}  // namespace ui_art
