#include "png_file.h"

#include <array>
#include <string_view>

#include "big_endian.h"
#include "checksums.h"
#include "zlib_stored.h"

namespace ui_art {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void AppendChunk(Bytes& out, std::string_view type, const Bytes& data) {
    PutU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t crcStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    // The CRC covers the type and the data, not the length.
    PutU32BigEndian(out, Crc32(0, out.data() + crcStart, out.size() - crcStart));
}

Bytes Header(const RgbaImage& image) {
    constexpr std::uint8_t kBitDepth = 8;
    constexpr std::uint8_t kTrueColourWithAlpha = 6;
    Bytes header;
    PutU32BigEndian(header, static_cast<std::uint32_t>(image.width));
    PutU32BigEndian(header, static_cast<std::uint32_t>(image.height));
    header.push_back(kBitDepth);
    header.push_back(kTrueColourWithAlpha);
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering, each row says which filter
    header.push_back(0);  // not interlaced
    return header;
}

Bytes FilteredRows(const RgbaImage& image) {
    const auto stride = static_cast<std::size_t>(image.width) * 4;
    Bytes rows;
    rows.reserve((stride + 1) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        rows.push_back(0);  // filter type None
        const auto first = image.pixels.begin() +
                           static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * stride);
        rows.insert(rows.end(), first, first + static_cast<std::ptrdiff_t>(stride));
    }
    return rows;
}

}  // namespace

Bytes EncodePng(const RgbaImage& image) {
    Bytes out(kSignature.begin(), kSignature.end());
    AppendChunk(out, "IHDR", Header(image));
    AppendChunk(out, "IDAT", ZlibStored(FilteredRows(image)));
    AppendChunk(out, "IEND", {});
    return out;
}

}  // namespace ui_art
