#include "platform/gdi/color.h"

namespace vandrel::gdi {
namespace {

int DistanceSquared(Rgb a, Rgb b) {
    const int dr = a.red - b.red;
    const int dg = a.green - b.green;
    const int db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

template <class Entry>
int Nearest(std::span<const Entry> entries, Rgb color) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int distance = DistanceSquared(RgbOf(entries[i]), color);
        if (distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
            if (distance == 0) {
                break;
            }
        }
    }
    return best;
}

}  // namespace

int NearestIndex(std::span<const PALETTEENTRY> entries, Rgb color) {
    return Nearest(entries, color);
}

int NearestIndex(std::span<const RGBQUAD> entries, Rgb color) {
    return Nearest(entries, color);
}

}  // namespace vandrel::gdi
