// Sizing, pixel memory, the row table, whole-image copies and flips, and the
// plain accessors of CDibG.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/base/global_memory.h"
#include "platform/base/instance.h"
#include "surface/dibg.h"

IMPLEMENT_DYNAMIC(CDibG, CObject)

namespace {

// Unlocks and frees a block that was locked for its whole life.
void ReleaseLockedBlock(const void* memory) {
    HGLOBAL block = GlobalHandle(memory);
    GlobalUnlock(block);
    GlobalFree(block);
}

}  // namespace

CDibG::CDibG() {
    // The colour table is left as it is: creation fills it.
    m_bmi.bmiHeader = BITMAPINFOHEADER{};
    m_bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    m_bmi.bmiHeader.biPlanes = 1;
    m_bmi.bmiHeader.biBitCount = 8;
}

CDibG::~CDibG() {
    CDibG::Destroy();
    // A context of its own would otherwise outlive the surface unseen.
    CDibG::EnableOwnDC(FALSE);
}

BOOL CDibG::IsValid() const {
    return GetWidth() > 0 && GetHeight() > 0 && m_pBits != nullptr && m_pRowTable != nullptr;
}

BOOL CDibG::IsUsable() const {
    return IsValid();
}

BOOL CDibG::IsSelected() const {
    return m_bSelected;
}

BOOL CDibG::IsCreated() const {
    return m_bCreated;
}

void CDibG::Destroy() {
    if (!m_bCreated) {
        return;
    }
    ReleaseSurfaceMemory();
}

void CDibG::ReleaseSurfaceMemory() {
    if (s_bWinG) {
        ReleaseWinGBitmap();
    } else if (m_pBits != nullptr) {
        ReleaseLockedBlock(m_pBits);
    }
    if (m_pRowTable != nullptr) {
        ReleaseLockedBlock(m_pRowTable);
    }
    m_pBits = nullptr;
    m_pRowTable = nullptr;
    m_bCreated = FALSE;
    m_bSelected = FALSE;
}

void CDibG::SetResourceHandle(HINSTANCE hResource) {
    m_hResource = hResource;
}

HINSTANCE CDibG::GetResourceHandle() const {
    return m_hResource != nullptr ? m_hResource : AfxGetInstanceHandle();
}

int CDibG::SetWidth(int width) {
    m_bmi.bmiHeader.biWidth = width;
    // Rows are padded to whole 32-bit words so they can be moved as words.
    m_nStride = ((width * 8 + 31) / 32) * 4;
    return m_nStride;
}

int CDibG::SetHeight(int height) {
    // A negative height is how a header says its rows run top-down.
    m_bmi.bmiHeader.biHeight = s_nOrientation == kTopDown ? -height : height;
    return m_bmi.bmiHeader.biHeight;
}

BYTE* CDibG::AllocateBits() {
    if (s_bWinG) {
        return AllocateWinGBits();
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<std::size_t>(GetImageSize()));
    m_pBits = static_cast<BYTE*>(GlobalLock(block));
    if (m_pBits == nullptr) {
        GlobalFree(block);
        ThrowMemoryError();
    }
    return m_pBits;
}

void CDibG::BuildRowTable() {
    const int height = GetHeight();
    if (m_pRowTable == nullptr) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<std::size_t>(height) * sizeof(int));
        m_pRowTable = static_cast<int*>(GlobalLock(block));
        if (m_pRowTable == nullptr) {
            GlobalFree(block);
            ThrowMemoryError();
        }
    }
    for (int i = 0; i < height; ++i) {
        const int entry = s_nOrientation == kBottomUp ? height - 1 - i : i;
        m_pRowTable[entry] = i * m_nStride;
    }
}

void CDibG::SetBits(const BYTE* source, int sourceOrientation) {
    const int height = GetHeight();
    const auto stride = static_cast<std::size_t>(m_nStride);
    if (sourceOrientation == s_nOrientation) {
        std::memcpy(m_pBits, source, static_cast<std::size_t>(height) * stride);
        return;
    }
    // The other order: the buffer's first row is our last memory row.
    for (int r = height - 1; r >= 0; --r) {
        std::memcpy(m_pBits + static_cast<std::size_t>(r) * stride,
                    source + static_cast<std::size_t>(height - 1 - r) * stride, stride);
    }
}

void CDibG::FlipVertical() {
    const int height = GetHeight();
    if (height <= 1) {
        return;
    }
    const auto stride = static_cast<std::size_t>(m_nStride);
    std::unique_ptr<BYTE, decltype(&std::free)> scratch(static_cast<BYTE*>(std::malloc(stride)),
                                                        &std::free);
    if (!scratch) {
        ThrowMemoryError();
    }
    for (int i = 0; i < height / 2; ++i) {
        BYTE* upper = m_pBits + static_cast<std::size_t>(i) * stride;
        BYTE* lower = m_pBits + static_cast<std::size_t>(height - 1 - i) * stride;
        std::memcpy(scratch.get(), upper, stride);
        std::memcpy(upper, lower, stride);
        std::memcpy(lower, scratch.get(), stride);
    }
}

CRect CDibG::GetRect() const {
    // Inclusive right and bottom edges, unlike CRect's usual meaning; callers
    // of this surface rely on it.
    return CRect(0, 0, GetWidth() - 1, GetHeight() - 1);
}

CSize CDibG::GetSize() const {
    return CSize(GetWidth(), GetHeight());
}

int CDibG::GetWidth() const {
    return m_bmi.bmiHeader.biWidth;
}

int CDibG::GetHeight() const {
    return std::abs(m_bmi.bmiHeader.biHeight);
}

int CDibG::GetStride() const {
    return m_nStride;
}

BITMAPINFO* CDibG::GetBitmapInfo() {
    return &m_bmi;
}

BYTE* CDibG::GetBits() const {
    return m_pBits;
}

int* CDibG::GetRowTable() const {
    return m_pRowTable;
}

int CDibG::GetImageSize() const {
    return GetHeight() * GetStride();
}

CPalId* CDibG::GetPalette() const {
    return m_pPalette;
}

int CDibG::GetRowOffset(int y) const {
    return m_pRowTable[y];
}

int CDibG::GetLineOffset(int y) const {
    return GetRowOffset(y);
}

BYTE* CDibG::GetRowPointer(int y) const {
    return m_pBits + m_pRowTable[y];
}

BYTE* CDibG::GetLinePointer(int y) const {
    return GetRowPointer(y);
}

int CDibG::GetPixelOffset(int x, int y) const {
    return m_pRowTable[y] + x;
}

int CDibG::GetPixelOffset(const CPoint& point) const {
    return GetPixelOffset(point.x, point.y);
}

BYTE* CDibG::GetPixelPointer(int x, int y) const {
    return m_pBits + m_pRowTable[y] + x;
}

BYTE* CDibG::GetPixelPointer(const CPoint& point) const {
    return GetPixelPointer(point.x, point.y);
}

BYTE CDibG::GetPixel(int x, int y) const {
    return *GetPixelPointer(x, y);
}

BYTE CDibG::GetPixel(const CPoint& point) const {
    return GetPixel(point.x, point.y);
}

void CDibG::SetPixel(int x, int y, BYTE index) {
    *GetPixelPointer(x, y) = index;
}

void CDibG::SetPixel(const CPoint& point, BYTE index) {
    SetPixel(point.x, point.y, index);
}

void CDibG::ThrowMemoryError() {
    AfxThrowMemoryException();
}

void CDibG::ThrowResourceError() {
    AfxThrowResourceException();
}
