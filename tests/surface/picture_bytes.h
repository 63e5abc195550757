// Picture sources for the loader tests: the built-in resources as the
// module holds them, and BMP and PCX files built byte by byte.
#pragma once

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"

namespace vandrel::testing {

inline constexpr const char* kPictureNames[] = {"zorble1", "zorble2", "zorble3",
                                                "zorble4", "tavik",   "morlo"};

inline std::span<const BYTE> ResourceBytes(const std::string& name) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, name.c_str(), RT_BITMAP);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    return {bytes, SizeofResource(module, found)};
}

// Resource rows are bottom-up: picture row y is stored at row 255 - y.
inline const BYTE* ResourceRow(std::span<const BYTE> resource, int y) {
    return resource.data() + 40 + 1024 + (255 - y) * 256;
}

// Entry i of the test pictures' colour table; all 256 colours differ.
inline RGBQUAD FileColour(int i) {
    return {static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), static_cast<BYTE>(i), 0};
}
inline BYTE FilePixel(int x, int y) {
    return static_cast<BYTE>(x * 5 + y * 11 + 1);
}

// Files are assembled in a string, whose storage is never null: GCC 12
// warns falsely about growing and indexing byte vectors here.
inline void Put16(std::string& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<char>(value);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

inline void Append(std::string& bytes, const void* data, std::size_t size) {
    bytes.append(static_cast<const char*>(data), size);
}

inline std::vector<BYTE> ToBytes(const std::string& bytes) {
    return {bytes.begin(), bytes.end()};
}

// An 8-bit BMP file, rows bottom-up, pixels FilePixel, colours FileColour.
inline std::vector<BYTE> BmpFile(int width, int height) {
    const int stride = (width + 3) & ~3;
    std::string bytes("BM");
    bytes.resize(14);
    const BITMAPINFOHEADER header{40, width, height, 1, 8, BI_RGB, 0, 1234, 0, 256, 0};
    Append(bytes, &header, sizeof header);
    for (int i = 0; i < 256; ++i) {
        const RGBQUAD colour = FileColour(i);
        Append(bytes, &colour, sizeof colour);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            row[static_cast<std::size_t>(x)] = static_cast<char>(FilePixel(x, y));
        }
        bytes += row;
    }
    return ToBytes(bytes);
}

// An 8-bit run-length PCX file with the given corners, line length and
// encoded rows; colours FileColour as red, green, blue triples.
inline std::vector<BYTE> PcxFile(int xMin, int yMin, int xMax, int yMax, int bytesPerLine,
                                 const std::vector<BYTE>& encoded) {
    std::string bytes(128, '\0');
    bytes[0] = 10;
    bytes[1] = 5;
    bytes[2] = 1;
    bytes[3] = 8;
    Put16(bytes, 4, xMin);
    Put16(bytes, 6, yMin);
    Put16(bytes, 8, xMax);
    Put16(bytes, 10, yMax);
    bytes[65] = 1;
    Put16(bytes, 66, bytesPerLine);
    Append(bytes, encoded.data(), encoded.size());
    bytes += '\x0c';
    for (int i = 0; i < 256; ++i) {
        const RGBQUAD colour = FileColour(i);
        const BYTE triple[3] = {colour.rgbRed, colour.rgbGreen, colour.rgbBlue};
        Append(bytes, triple, sizeof triple);
    }
    return ToBytes(bytes);
}

// Rows of FilePixel, each byte written as a one-pixel run when it could be
// mistaken for a run marker.
inline std::vector<BYTE> EncodePcxRows(int width, int height) {
    std::vector<BYTE> encoded;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE value = FilePixel(x, y);
            if (value >= 0xC0) {
                encoded.push_back(0xC1);
            }
            encoded.push_back(value);
        }
    }
    return encoded;
}

}  // namespace vandrel::testing
