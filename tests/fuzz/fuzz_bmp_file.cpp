// A BMP file's bytes as the surface's file loader consumes them: file
// header, information header, colour table, then the rows it asks for.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "surface/picture_formats.h"

using namespace vandrel::pictures;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kFixed =
        kBmpFileHeaderBytes + sizeof(BITMAPINFOHEADER) + kColourTableBytes;
    if (size < kFixed) {
        return 0;
    }
    BYTE fileHeader[kBmpFileHeaderBytes];
    std::memcpy(fileHeader, data, sizeof fileHeader);
    BITMAPINFOHEADER header;
    std::memcpy(&header, data + kBmpFileHeaderBytes, sizeof header);
    if (!IsBmpFileHeader(fileHeader) || !IsReadableBmpHeader(header)) {
        return 0;
    }
    const std::size_t imageBytes = static_cast<std::size_t>(StrideFor(header.biWidth)) *
                                   static_cast<std::size_t>(header.biHeight);
    if (size - kFixed < imageBytes) {
        return 0;  // the loader refuses short pixel data
    }
    // The loader reads exactly this many bytes into the surface.
    const std::vector<BYTE> pixels(data + kFixed, data + kFixed + imageBytes);
    return 0;
}
