// The nearest-neighbour copy behind StretchDIBits and the WinG-compatible
// component's blits. Each axis is mapped once per call, so the inner loop is
// a column-table read and a colour-table read per pixel, or, into true
// colour, per run of pixels that enlarge the same source pixel.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gdi/dib_access.h"

namespace vandrel::gdi {
namespace {

// Target cells targetFirst, targetFirst + 1, ... take source cells source[0],
// source[1], ...; only cells inside both images are listed.
struct AxisMap {
    int targetFirst = 0;
    std::vector<int> source;
};

AxisMap MapAxis(Span source, Span target, int sourceLimit, int targetLimit) {
    AxisMap map;
    const std::int64_t sourceCount = std::llabs(source.extent);
    const std::int64_t targetCount = std::llabs(target.extent);
    if (sourceCount == 0 || targetCount == 0) {
        return map;
    }
    const std::int64_t sourceLow = source.extent > 0 ? source.start : source.start + source.extent;
    const std::int64_t targetLow = target.extent > 0 ? target.start : target.start + target.extent;
    const std::int64_t first = std::max<std::int64_t>(0, -targetLow);
    const std::int64_t end = std::min<std::int64_t>(targetCount, targetLimit - targetLow);
    for (std::int64_t k = first; k < end; ++k) {
        // k counts target cells left to right; the copy pairs the n-th cell
        // of each span in its own order, which runs backwards for a negative
        // extent.
        const std::int64_t targetOrder = target.extent < 0 ? targetCount - 1 - k : k;
        const std::int64_t sourceOrder = targetOrder * sourceCount / targetCount;
        const std::int64_t cell =
            source.extent < 0 ? sourceLow + sourceCount - 1 - sourceOrder : sourceLow + sourceOrder;
        if (cell < 0 || cell >= sourceLimit) {
            // Cells move monotonically, so once inside, leaving means done.
            if (!map.source.empty()) {
                break;
            }
            continue;
        }
        if (map.source.empty()) {
            map.targetFirst = static_cast<int>(targetLow + k);
        }
        map.source.push_back(static_cast<int>(cell));
    }
    return map;
}

// Target cells that take the same source cell side by side, as an enlarging
// copy has them: one source pixel and one lookup per run, not per cell.
struct Run {
    int source;
    int length;
};

std::vector<Run> RunsOf(const std::vector<int>& cells) {
    std::vector<Run> runs;
    for (const int cell : cells) {
        if (!runs.empty() && runs.back().source == cell) {
            ++runs.back().length;
        } else {
            runs.push_back(Run{cell, 1});
        }
    }
    return runs;
}

void CopyRow(const BYTE* in, const std::vector<Run>& runs, const PixelLookup& lookup,
             std::uint32_t* out, std::size_t width) {
    std::size_t at = 0;
    const Run* const end = runs.data() + runs.size();
    for (const Run* run = runs.data(); run != end; ++run) {
        const std::uint32_t colour = lookup[in[run->source]];
        const auto length = static_cast<std::size_t>(run->length);
        std::uint32_t* const pixels = out + at;
        if (length <= 4 && at + 4 <= width) {
            // Four at once whatever the run's length: the next run writes
            // over the extra ones, and none falls outside the row's span.
            pixels[0] = colour;
            pixels[1] = colour;
            pixels[2] = colour;
            pixels[3] = colour;
        } else {
            for (std::size_t k = 0; k < length; ++k) {
                pixels[k] = colour;
            }
        }
        at += length;
    }
}

}  // namespace

RECT StretchIndexed(const IndexedImage& source, Span sourceX, Span sourceY,
                    const PixelBuffer& target, Span targetX, Span targetY,
                    const PixelLookup& lookup) {
    RECT changed{0, 0, 0, 0};
    if (source.topRow == nullptr || target.IsEmpty()) {
        return changed;
    }
    const AxisMap columns = MapAxis(sourceX, targetX, source.width, target.width);
    const AxisMap rows = MapAxis(sourceY, targetY, source.height, target.height);
    if (columns.source.empty() || rows.source.empty()) {
        return changed;
    }
    const std::size_t width = columns.source.size();
    const int* column = columns.source.data();
    const bool wide = target.format == PixelFormat::Xrgb32;
    const std::vector<Run> runs = wide ? RunsOf(columns.source) : std::vector<Run>{};
    const std::size_t pixelBytes = wide ? 4 : 1;
    const std::size_t firstByte = static_cast<std::size_t>(columns.targetFirst) * pixelBytes;
    for (std::size_t r = 0; r < rows.source.size(); ++r) {
        const int y = rows.targetFirst + static_cast<int>(r);
        BYTE* out = target.Row(y) + firstByte;
        if (r > 0 && rows.source[r] == rows.source[r - 1]) {
            // Enlarged rows repeat the row above; copying it is cheaper.
            std::memcpy(out, target.Row(y - 1) + firstByte, width * pixelBytes);
            continue;
        }
        const BYTE* in = source.topRow + rows.source[r] * source.stride;
        if (wide) {
            CopyRow(in, runs, lookup, reinterpret_cast<std::uint32_t*>(out), width);
        } else {
            for (std::size_t i = 0; i < width; ++i) {
                out[i] = static_cast<BYTE>(lookup[in[column[i]]]);
            }
        }
    }
    changed.left = columns.targetFirst;
    changed.top = rows.targetFirst;
    changed.right = columns.targetFirst + static_cast<int>(width);
    changed.bottom = rows.targetFirst + static_cast<int>(rows.source.size());
    return changed;
}

}  // namespace vandrel::gdi
