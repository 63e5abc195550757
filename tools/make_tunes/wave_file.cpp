#include "wave_file.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

#include "audio_format.h"

namespace tunes {
namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint16_t kPcm = 1;

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    // A byte at a time: GCC 12 at -O3 misreads a range insert into a
    // reserved vector as an overflow.
    void Tag(std::string_view fourCharacters) {
        for (const char c : fourCharacters) {
            out_.push_back(static_cast<std::uint8_t>(c));
        }
    }
    void U16(std::uint16_t value) {
        for (int shift = 0; shift < 16; shift += 8) {
            out_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            out_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> MakeWaveImage(const std::vector<std::uint8_t>& samples) {
    constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size());
    std::vector<std::uint8_t> image;
    image.reserve(kHeaderBytes + samples.size());
    LittleEndianWriter header(image);
    header.Tag("RIFF");
    header.U32(kHeaderBytes - 8 + dataBytes);
    header.Tag("WAVE");
    header.Tag("fmt ");
    header.U32(16);
    header.U16(kPcm);
    header.U16(kChannels);
    header.U32(kSampleRate);
    header.U32(kSampleRate * kBlockAlign);
    header.U16(kBlockAlign);
    header.U16(kBitsPerSample);
    header.Tag("data");
    header.U32(dataBytes);
    image.insert(image.end(), samples.begin(), samples.end());
    return image;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace tunes
