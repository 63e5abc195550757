// The reader of compiled-in pictures, fed arbitrary blocks: whatever it
// accepts must lie wholly inside the block.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "surface/picture_formats.h"

using namespace vandrel::pictures;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto dib = ReadPackedDib(data, size);
    if (!dib) {
        return 0;
    }
    // Touch the first and last byte the surface would copy; the sanitizer
    // catches any that lie outside the input.
    const std::size_t pixelBytes = static_cast<std::size_t>(StrideFor(dib->header.biWidth)) *
                                   static_cast<std::size_t>(dib->header.biHeight);
    volatile BYTE sink = dib->pixels[0];
    sink = dib->pixels[pixelBytes - 1];
    sink = reinterpret_cast<const BYTE*>(dib->colours)[kColourTableBytes - 1];
    (void)sink;
    return 0;
}
