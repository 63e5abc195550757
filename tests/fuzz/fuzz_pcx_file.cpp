// A PCX file's bytes as the surface's file loader consumes them: header,
// run-length data, trailing palette; decoded into a buffer of exactly the
// picture's size, so any write past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "surface/picture_formats.h"

using namespace vandrel::pictures;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Data runs up to the marker byte before the trailing colours.
    constexpr std::size_t kMarkerBytes = 1;
    if (size < kPcxHeaderBytes + kMarkerBytes + kPcxPaletteBytes) {
        return 0;
    }
    BYTE header[kPcxHeaderBytes];
    std::memcpy(header, data, sizeof header);
    const auto layout = ReadPcxHeader(header);
    if (!layout) {
        return 0;
    }
    const int stride = StrideFor(layout->width);
    const std::size_t pixelBytes =
        static_cast<std::size_t>(stride) * static_cast<std::size_t>(layout->height);
    // Real files are small; skip inputs that would only exercise the allocator.
    if (pixelBytes > (std::size_t{1} << 24)) {
        return 0;
    }
    std::vector<BYTE> pixels(pixelBytes);
    DecodePcx(data + kPcxHeaderBytes, size - kPcxHeaderBytes - kMarkerBytes - kPcxPaletteBytes,
              *layout, pixels.data(), stride);
    return 0;
}
