#include "quantize.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace pictures {
namespace {

// What a palette display shows in the slots it keeps for itself.
constexpr Colour8 kStaticLow[kFirstOwnEntry] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
};
constexpr Colour8 kStaticHigh[255 - kLastOwnEntry] = {
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255},
};
constexpr int kOwnEntries = kLastOwnEntry - kFirstOwnEntry + 1;
constexpr int kBlack = 0;
constexpr int kWhite = 255;

// The eye tells greens apart best and blues worst.
constexpr double kWeight[3] = {3, 4, 2};

struct Count {
    std::uint32_t key;  // 0xRRGGBB
    std::uint32_t pixels;
};

int Channel(std::uint32_t key, int axis) {
    return static_cast<int>((key >> (16 - 8 * axis)) & 0xFF);
}

std::uint8_t ToByte(float v) {
    return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f));
}

struct Centre {
    double c[3] = {0, 0, 0};
};

double DistanceSquared(std::uint32_t key, const Centre& centre) {
    double sum = 0;
    for (int axis = 0; axis < 3; ++axis) {
        double d = Channel(key, axis) - centre.c[axis];
        sum += kWeight[axis] * d * d;
    }
    return sum;
}

std::vector<Count> CountColours(const RgbImage& image) {
    std::unordered_map<std::uint32_t, std::uint32_t> counts;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Rgb& c = image.At(x, y);
            ++counts[(std::uint32_t{ToByte(c.r)} << 16) | (std::uint32_t{ToByte(c.g)} << 8) |
                     ToByte(c.b)];
        }
    }
    std::vector<Count> colours;
    for (const auto& [key, pixels] : counts) {
        colours.push_back({key, pixels});
    }
    // Hash order is no order: sort, so every run cuts the same boxes.
    std::sort(colours.begin(), colours.end(),
              [](const Count& a, const Count& b) { return a.key < b.key; });
    return colours;
}

struct Box {
    std::size_t begin;
    std::size_t end;
    double error = 0;  // weighted sum of squared distances from the box's mean
    int widestAxis = 0;
};

Box MeasureBox(const std::vector<Count>& colours, std::size_t begin, std::size_t end) {
    Box box{begin, end};
    double n = 0;
    double sum[3] = {0, 0, 0};
    double squares[3] = {0, 0, 0};
    for (std::size_t i = begin; i < end; ++i) {
        for (int axis = 0; axis < 3; ++axis) {
            double v = Channel(colours[i].key, axis);
            sum[axis] += v * colours[i].pixels;
            squares[axis] += v * v * colours[i].pixels;
        }
        n += colours[i].pixels;
    }
    double widest = -1;
    for (int axis = 0; axis < 3; ++axis) {
        double spread = kWeight[axis] * (squares[axis] - sum[axis] * sum[axis] / n);
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.widestAxis = axis;
        }
    }
    return box;
}

// Median cut: keep splitting the box that holds the most error, across its
// widest channel, at the pixel-weighted median.
std::vector<Box> CutBoxes(std::vector<Count>& colours) {
    std::vector<Box> boxes{MeasureBox(colours, 0, colours.size())};
    while (static_cast<int>(boxes.size()) < kOwnEntries) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->end - worst->begin < 2) {
            break;
        }
        Box box = *worst;
        int axis = box.widestAxis;
        auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
        auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [axis](const Count& a, const Count& b) {
            int ca = Channel(a.key, axis);
            int cb = Channel(b.key, axis);
            return ca != cb ? ca < cb : a.key < b.key;
        });
        std::uint64_t total = 0;
        for (auto it = first; it != last; ++it) {
            total += it->pixels;
        }
        std::uint64_t seen = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += colours[i].pixels;
            split = i + 1;
            if (2 * seen >= total) {
                break;
            }
        }
        *worst = MeasureBox(colours, box.begin, split);
        boxes.push_back(MeasureBox(colours, split, box.end));
    }
    return boxes;
}

std::size_t Nearest(std::uint32_t key, const std::vector<Centre>& centres) {
    std::size_t best = 0;
    double bestDistance = DistanceSquared(key, centres[0]);
    for (std::size_t i = 1; i < centres.size(); ++i) {
        double d = DistanceSquared(key, centres[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// A few rounds of moving every colour to its nearest centre and every centre
// to the middle of its colours, which evens out what the cuts left uneven.
void Refine(const std::vector<Count>& colours, std::vector<Centre>& centres) {
    constexpr int kRounds = 4;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<Centre> sums(centres.size());
        std::vector<double> weights(centres.size(), 0);
        for (const Count& colour : colours) {
            std::size_t i = Nearest(colour.key, centres);
            for (int axis = 0; axis < 3; ++axis) {
                sums[i].c[axis] += Channel(colour.key, axis) * static_cast<double>(colour.pixels);
            }
            weights[i] += colour.pixels;
        }
        for (std::size_t i = 0; i < centres.size(); ++i) {
            if (weights[i] > 0) {
                for (int axis = 0; axis < 3; ++axis) {
                    centres[i].c[axis] = sums[i].c[axis] / weights[i];
                }
            }
        }
    }
}

Colour8 ToColour(const Centre& centre) {
    auto byte = [](double v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return {byte(centre.c[0]), byte(centre.c[1]), byte(centre.c[2])};
}

int Luminance(const Colour8& c) {
    return 299 * c.red + 587 * c.green + 114 * c.blue;
}

}  // namespace

IndexedPicture Quantize(const RgbImage& image) {
    std::vector<Count> colours = CountColours(image);
    std::vector<Box> boxes = CutBoxes(colours);

    std::vector<Centre> centres;
    for (const Box& box : boxes) {
        Centre sum;
        double n = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int axis = 0; axis < 3; ++axis) {
                sum.c[axis] +=
                    Channel(colours[i].key, axis) * static_cast<double>(colours[i].pixels);
            }
            n += colours[i].pixels;
        }
        for (double& c : sum.c) {
            c /= n;
        }
        centres.push_back(sum);
    }
    Refine(colours, centres);

    // Dark to light, so the table reads like the ramps it is made of.
    std::vector<Colour8> own;
    for (const Centre& centre : centres) {
        own.push_back(ToColour(centre));
    }
    std::stable_sort(own.begin(), own.end(), [](const Colour8& a, const Colour8& b) {
        return Luminance(a) < Luminance(b);
    });

    IndexedPicture picture;
    std::copy(std::begin(kStaticLow), std::end(kStaticLow), picture.table.begin());
    std::copy(std::begin(kStaticHigh), std::end(kStaticHigh),
              picture.table.begin() + kLastOwnEntry + 1);
    std::copy(own.begin(), own.end(), picture.table.begin() + kFirstOwnEntry);

    // Candidates for the pixels: black, white, then the picture's own colours.
    std::vector<int> entries{kBlack, kWhite};
    for (int i = 0; i < static_cast<int>(own.size()); ++i) {
        entries.push_back(kFirstOwnEntry + i);
    }
    std::vector<Centre> candidates;
    for (int entry : entries) {
        const Colour8& c = picture.table[static_cast<std::size_t>(entry)];
        candidates.push_back({{static_cast<double>(c.red), static_cast<double>(c.green),
                               static_cast<double>(c.blue)}});
    }
    std::unordered_map<std::uint32_t, std::uint8_t> chosen;
    for (const Count& colour : colours) {
        chosen[colour.key] = static_cast<std::uint8_t>(entries[Nearest(colour.key, candidates)]);
    }
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Rgb& c = image.At(x, y);
            std::uint32_t key = (std::uint32_t{ToByte(c.r)} << 16) |
                                (std::uint32_t{ToByte(c.g)} << 8) | ToByte(c.b);
            picture.pixels[static_cast<std::size_t>(y * kSize + x)] = chosen.at(key);
        }
    }
    return picture;
}

}  // namespace pictures
