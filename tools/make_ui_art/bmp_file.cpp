#include "bmp_file.h"

#include "little_endian.h"

namespace ui_art {

Bytes BmpFile(const Bytes& packedDib) {
    constexpr std::uint32_t kFileHeaderSize = 14;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(kFileHeaderSize + packedDib.size()));
    PutU32(out, 0);                                                 // reserved
    PutU32(out, kFileHeaderSize + kInfoHeaderSize + kPaletteSize);  // where the pixels start
    out.insert(out.end(), packedDib.begin(), packedDib.end());
    return out;
}

}  // namespace ui_art
