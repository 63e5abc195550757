// The two checksums a PNG file needs: CRC-32 over each chunk and Adler-32
// over the uncompressed image data inside the zlib stream.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ui_art {

// Continues `crc` (0 to start) over the bytes, as zlib's crc32() does.
std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

}  // namespace ui_art
