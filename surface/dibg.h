// CDibG: an 8-bit, 256-colour device-independent bitmap whose pixels the
// program writes directly and then presents to a window.
//
// The pixel memory is bottom-up or top-down, as settled once per process in
// s_nOrientation; the row table hides that, so GetRowPointer(y) is always
// picture row y counted from the top, at the cost of one lookup and one
// addition. Every operation is virtual so that a derived surface can take
// over any step.
#pragma once

#include "platform/base/cstring.h"
#include "platform/base/exceptions.h"
#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/base/win_types.h"

class CPalId;

class CDibG : public CObject {
    DECLARE_DYNAMIC(CDibG);

public:
    CDibG();
    ~CDibG() override;
    // Copies are made explicitly, by the copy operations, never implicitly.
    CDibG(const CDibG&) = delete;
    CDibG& operator=(const CDibG&) = delete;

    virtual BOOL IsValid() const;
    virtual BOOL IsUsable() const;
    virtual BOOL IsSelected() const;
    virtual void Destroy();
    virtual void SetResourceHandle(HINSTANCE hResource);
    virtual void FlipVertical();
    virtual void Fill(const RGBQUAD* colour);
    virtual void FillIndex(BYTE index);
    virtual CRect GetRect() const;
    virtual CSize GetSize() const;
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetStride() const;
    virtual BITMAPINFO* GetBitmapInfo();
    virtual BYTE* GetBits() const;
    virtual int* GetRowTable() const;
    virtual int GetImageSize() const;
    virtual CPalId* GetPalette() const;
    virtual BYTE GetPixel(int x, int y) const;
    virtual BYTE GetPixel(const CPoint& point) const;
    virtual BYTE* GetPixelPointer(int x, int y) const;
    virtual BYTE* GetPixelPointer(const CPoint& point) const;
    virtual BYTE* GetRowPointer(int y) const;
    virtual int GetPixelOffset(int x, int y) const;
    virtual int GetPixelOffset(const CPoint& point) const;
    virtual int GetRowOffset(int y) const;
    virtual int GetLineOffset(int y) const;
    virtual BYTE* GetLinePointer(int y) const;
    virtual void SetPixel(int x, int y, BYTE index);
    virtual void SetPixel(const CPoint& point, BYTE index);
    virtual BYTE GetColorIndex(const RGBQUAD* colour);
    virtual BYTE GetNearestColorIndex(const RGBQUAD* colour);
    virtual void CopyRect(const CDibG* source, const CPoint& sourceOrigin,
                          const CPoint& destinationOrigin, const CSize& size);
    virtual void CopyRectTransparent(const CDibG* source, const CPoint& sourceOrigin,
                                     const CPoint& destinationOrigin, const CSize& size);
    virtual void CopyFromBuffer(const BYTE* source, const CSize& size,
                                const CPoint& destinationOrigin);
    virtual void CopyFromBufferTransparent(const BYTE* source, const CSize& size,
                                           const CPoint& destinationOrigin);
    virtual BOOL IsCreated() const;
    virtual HINSTANCE GetResourceHandle() const;
    virtual int SetWidth(int width);
    virtual int SetHeight(int height);
    virtual BYTE* AllocateBits();
    virtual void BuildRowTable();
    virtual void SetBits(const BYTE* source, int sourceOrientation);
    [[noreturn]] virtual void ThrowMemoryError();
    [[noreturn]] virtual void ThrowResourceError();

    // Row orders of pixel memory, as kept in s_nOrientation.
    static constexpr int kBottomUp = 1;
    static constexpr int kTopDown = 2;

    // Settled once per process before the first surface is created, and
    // shared by all surfaces.
    static BOOL s_bWinG;
    static int s_nOrientation;
    static int s_nColorUse;
    static BOOL s_bPaletteDevice;
    static HDC s_hWinGDC;
    static HBITMAP s_hOldBitmap;
    static CDibG* s_pSelected;
    static BITMAPINFO s_bmiRGB;
    static BITMAPINFO s_bmiPal;

protected:
    BITMAPINFO m_bmi;
    HBITMAP m_hBitmap = nullptr;
    int m_nStride = 0;
    BYTE* m_pBits = nullptr;
    int* m_pRowTable = nullptr;
    BOOL m_bCreated = FALSE;
    BOOL m_bSelected = FALSE;
    HDC m_hOwnDC = nullptr;
    CPalId* m_pPalette = nullptr;
    HINSTANCE m_hResource = nullptr;
};
