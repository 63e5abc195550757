// Copying rectangles and packed blocks into a surface, filling it, and
// finding palette indices of colours. Everything works on palette indices:
// a copy between surfaces means something only when they share a palette.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "surface/dibg.h"

namespace {

// Index 0 is the transparent index, so colour searches start past it.
constexpr int kFirstSearchedIndex = 1;

// A packed copy of a surface's rectangle, used when source and destination
// are one surface and the rectangles may overlap, so the result is as if the
// whole source rectangle had been read before anything was written.
std::vector<BYTE> Snapshot(const CDibG& surface, const CPoint& origin, const CSize& size) {
    std::vector<BYTE> rows(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    for (int r = 0; r < size.cy; ++r) {
        std::memcpy(rows.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(size.cx),
                    surface.GetPixelPointer(origin.x, origin.y + r),
                    static_cast<std::size_t>(size.cx));
    }
    return rows;
}

}  // namespace

void CDibG::CopyRect(const CDibG* source, const CPoint& sourceOrigin,
                     const CPoint& destinationOrigin, const CSize& size) {
    if (source == this) {
        const std::vector<BYTE> rows = Snapshot(*this, sourceOrigin, size);
        CopyFromBuffer(rows.data(), size, destinationOrigin);
        return;
    }
    // Each row is one block move, located through both row tables, so the
    // two surfaces may differ in size.
    for (int r = 0; r < size.cy; ++r) {
        std::memcpy(GetPixelPointer(destinationOrigin.x, destinationOrigin.y + r),
                    source->GetPixelPointer(sourceOrigin.x, sourceOrigin.y + r),
                    static_cast<std::size_t>(size.cx));
    }
}

void CDibG::CopyRectTransparent(const CDibG* source, const CPoint& sourceOrigin,
                                const CPoint& destinationOrigin, const CSize& size) {
    std::vector<BYTE> snapshot;
    if (source == this) {
        snapshot = Snapshot(*this, sourceOrigin, size);
    }
    for (int r = 0; r < size.cy; ++r) {
        const BYTE* from =
            source == this
                ? snapshot.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(size.cx)
                : source->GetPixelPointer(sourceOrigin.x, sourceOrigin.y + r);
        BYTE* to = GetPixelPointer(destinationOrigin.x, destinationOrigin.y + r);
        for (int c = 0; c < size.cx; ++c) {
            if (from[c] != 0) {
                to[c] = from[c];
            }
        }
    }
}

void CDibG::CopyFromBuffer(const BYTE* source, const CSize& size, const CPoint& destinationOrigin) {
    const auto rowBytes = static_cast<std::size_t>(size.cx);
    for (int r = 0; r < size.cy; ++r) {
        std::memcpy(GetPixelPointer(destinationOrigin.x, destinationOrigin.y + r),
                    source + static_cast<std::size_t>(r) * rowBytes, rowBytes);
    }
}

void CDibG::CopyFromBufferTransparent(const BYTE* /*source*/, const CSize& /*size*/,
                                      const CPoint& /*destinationOrigin*/) {
    // Deliberately empty: no caller ever needed a transparent block copy,
    // and those that call it rely on the surface being left as it was.
}

void CDibG::FillIndex(BYTE index) {
    std::memset(m_pBits, index, static_cast<std::size_t>(GetImageSize()));
}

void CDibG::Fill(const RGBQUAD* colour) {
    FillIndex(GetNearestColorIndex(colour));
}

BYTE CDibG::GetColorIndex(const RGBQUAD* colour) {
    const RGBQUAD* table = s_bmiRGB.bmiColors;
    for (int i = kFirstSearchedIndex; i < 256; ++i) {
        if (table[i].rgbRed == colour->rgbRed && table[i].rgbGreen == colour->rgbGreen &&
            table[i].rgbBlue == colour->rgbBlue) {
            return static_cast<BYTE>(i);
        }
    }
    return GetNearestColorIndex(colour);
}

BYTE CDibG::GetNearestColorIndex(const RGBQUAD* colour) {
    const RGBQUAD* table = s_bmiRGB.bmiColors;
    int bestDistance = 29999;
    int bestIndex = 255;
    for (int i = kFirstSearchedIndex; i < 256; ++i) {
        const int distance = std::abs(table[i].rgbRed - colour->rgbRed) +
                             std::abs(table[i].rgbGreen - colour->rgbGreen) +
                             std::abs(table[i].rgbBlue - colour->rgbBlue);
        // Strictly less: ties go to the lowest index.
        if (distance < bestDistance) {
            bestDistance = distance;
            bestIndex = i;
        }
    }
    return static_cast<BYTE>(bestIndex);
}

void CDibG::Copy(const CDibG* source, BOOL copyColorTable) {
    if (source == this) {
        return;
    }
    // Checked before anything is created, so an empty source never leaves
    // this surface created at a size it never had.
    if (!source->IsValid()) {
        ThrowMemoryError();
    }
    if (!IsCreated()) {
        CreateSurface(source->GetWidth(), source->GetHeight(), source->GetPalette());
    }
    if (source->GetSize() != GetSize()) {
        return;
    }
    if (!IsValid()) {
        ThrowMemoryError();
    }
    // Both surfaces share the process-wide row order, so memory order is
    // picture order in both.
    std::memcpy(m_pBits, source->GetBits(), static_cast<std::size_t>(GetImageSize()));
    if (copyColorTable) {
        std::memcpy(m_bmi.bmiColors, source->m_bmi.bmiColors, sizeof m_bmi.bmiColors);
    }
}

void CDibG::CopyFrom(const CDibG* source) {
    Copy(source, TRUE);
}

void CDibG::CopyAll(const CDibG* source) {
    Copy(source, TRUE);
}

CDibG& CDibG::operator=(const CDibG& source) {
    if (&source != this && source.GetSize() == GetSize()) {
        if (!IsCreated()) {
            CreateSurface(source.GetWidth(), source.GetHeight(), source.GetPalette());
        }
        Copy(&source, TRUE);
    }
    return *this;
}
