#include "surface/picture_sources.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/afx/file.h"
#include "platform/kernel/resources.h"

namespace vandrel::surface {
namespace {

using namespace vandrel::pictures;

constexpr std::size_t kPcxPaletteMarkerBytes = 1;

std::size_t ImageBytes(int width, int height) {
    return static_cast<std::size_t>(StrideFor(width)) * static_cast<std::size_t>(height);
}

bool ReadExactly(CFile& file, void* buffer, std::size_t bytes) {
    return file.Read(buffer, static_cast<UINT>(bytes)) == bytes;
}

}  // namespace

std::optional<PictureSource> ReadResourcePicture(HINSTANCE module, const CString& name) {
    HRSRC found = FindResourceA(module, name, RT_BITMAP);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto dib = ReadPackedDib(data, SizeofResource(module, found));
    if (!dib) {
        return std::nullopt;
    }
    PictureSource source;
    source.header = dib->header;
    source.width = dib->header.biWidth;
    source.height = dib->header.biHeight;
    // Resource colours need not be aligned for RGBQUAD, so copy bytes.
    std::memcpy(source.colours, dib->colours, kColourTableBytes);
    source.rows = dib->pixels;
    source.orientation = 1;
    return source;
}

std::optional<PictureSource> ReadBmpPicture(const CString& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary)) {
        return std::nullopt;
    }
    BYTE fileHeader[kBmpFileHeaderBytes];
    PictureSource source;
    if (!ReadExactly(file, fileHeader, sizeof fileHeader) || !IsBmpFileHeader(fileHeader) ||
        !ReadExactly(file, &source.header, sizeof source.header) ||
        !IsReadableBmpHeader(source.header) ||
        !ReadExactly(file, source.colours, kColourTableBytes)) {
        return std::nullopt;
    }
    source.width = source.header.biWidth;
    source.height = source.header.biHeight;
    // The rows follow the colours directly, bottom row first.
    const std::size_t bytes = ImageBytes(source.width, source.height);
    const std::size_t fixed = kBmpFileHeaderBytes + sizeof(BITMAPINFOHEADER) + kColourTableBytes;
    if (file.GetLength() < fixed || file.GetLength() - fixed < bytes) {
        return std::nullopt;
    }
    source.storage.resize(bytes);
    if (!ReadExactly(file, source.storage.data(), bytes)) {
        return std::nullopt;
    }
    source.rows = source.storage.data();
    source.orientation = 1;
    return source;
}

std::optional<PictureSource> ReadPcxPicture(const CString& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary)) {
        return std::nullopt;
    }
    // Offsets here are signed 32-bit, as the file class takes them.
    const std::size_t length = file.GetLength();
    BYTE header[kPcxHeaderBytes];
    if (length < kPcxHeaderBytes + kPcxPaletteMarkerBytes + kPcxPaletteBytes ||
        length > static_cast<std::size_t>(std::numeric_limits<LONG>::max()) ||
        !ReadExactly(file, header, sizeof header)) {
        return std::nullopt;
    }
    const auto layout = ReadPcxHeader(header);
    if (!layout) {
        return std::nullopt;
    }
    PictureSource source;
    source.width = layout->width;
    source.height = layout->height;
    // The colours are the file's last 768 bytes, red, green, blue each.
    BYTE triples[kPcxPaletteBytes];
    file.Seek(static_cast<LONG>(length - kPcxPaletteBytes), CFile::begin);
    if (!ReadExactly(file, triples, sizeof triples)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 256; ++i) {
        source.colours[i] = {triples[3 * i + 2], triples[3 * i + 1], triples[3 * i], 0};
    }
    // At worst every line byte costs a byte pair, so data past that can
    // never be used and is not read.
    const std::size_t mostUseful = 2 * static_cast<std::size_t>(layout->bytesPerLine) *
                                   static_cast<std::size_t>(layout->height);
    // The byte before the colours marks them and is no pixel data: read as
    // data, it would stand in for the missing last byte of a cut-off picture.
    std::vector<BYTE> encoded(
        std::min(length - kPcxHeaderBytes - kPcxPaletteMarkerBytes - kPcxPaletteBytes, mostUseful));
    file.Seek(static_cast<LONG>(kPcxHeaderBytes), CFile::begin);
    if (!ReadExactly(file, encoded.data(), encoded.size())) {
        return std::nullopt;
    }
    // Decoded whole into memory of our own first, so a picture whose data
    // ends early never reaches a surface half-made.
    source.storage.resize(ImageBytes(source.width, source.height));
    if (!DecodePcx(encoded.data(), encoded.size(), *layout, source.storage.data(),
                   StrideFor(source.width))) {
        return std::nullopt;
    }
    source.rows = source.storage.data();
    source.orientation = 2;
    return source;
}

}  // namespace vandrel::surface
