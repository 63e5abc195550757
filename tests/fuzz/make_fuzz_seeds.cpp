// Writes a few valid pictures of each kind as the fuzzers' starting corpus.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "surface/picture_formats.h"

using namespace vandrel::pictures;
namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::vector<BYTE>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<BYTE> PackedDibBytes(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 8;
    const std::size_t pixels = static_cast<std::size_t>(StrideFor(width) * height);
    std::vector<BYTE> bytes(sizeof header + kColourTableBytes + pixels);
    std::memcpy(bytes.data(), &header, sizeof header);
    for (std::size_t i = sizeof header; i < bytes.size(); ++i) {
        bytes[i] = static_cast<BYTE>(i * 7);
    }
    return bytes;
}

std::vector<BYTE> BmpFile(int width, int height) {
    std::vector<BYTE> bytes(kBmpFileHeaderBytes, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    const std::vector<BYTE> dib = PackedDibBytes(width, height);
    bytes.insert(bytes.end(), dib.begin(), dib.end());
    return bytes;
}

std::vector<BYTE> PcxFile(int width, int height) {
    std::vector<BYTE> bytes(kPcxHeaderBytes, 0);
    bytes[0] = 10;
    bytes[2] = 1;
    bytes[3] = 8;
    bytes[8] = static_cast<BYTE>(width - 1);
    bytes[10] = static_cast<BYTE>(height - 1);
    bytes[65] = 1;
    bytes[66] = static_cast<BYTE>(width);
    for (int row = 0; row < height; ++row) {
        // One run and a few literals per row, so both encodings are seen.
        bytes.push_back(static_cast<BYTE>(0xC0 | (width / 2)));
        bytes.push_back(static_cast<BYTE>(row));
        for (int x = width / 2; x < width; ++x) {
            bytes.push_back(static_cast<BYTE>(x & 0x7F));
        }
    }
    bytes.push_back(12);  // the palette marker
    for (std::size_t i = 0; i < kPcxPaletteBytes; ++i) {
        bytes.push_back(static_cast<BYTE>(i));
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const fs::path out = argv[1];
    Write(out / "packed_dib" / "small", PackedDibBytes(5, 3));
    Write(out / "packed_dib" / "square", PackedDibBytes(32, 32));
    Write(out / "bmp_file" / "small", BmpFile(7, 4));
    Write(out / "bmp_file" / "square", BmpFile(16, 16));
    Write(out / "pcx_file" / "small", PcxFile(6, 3));
    Write(out / "pcx_file" / "square", PcxFile(32, 32));
    return 0;
}
