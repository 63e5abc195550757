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
#include "wing/wing_api.h"

class CDC;
class CPalId;

namespace vandrel::surface {
struct PictureSource;
}

class CDibG : public CObject {
    DECLARE_DYNAMIC(CDibG);

public:
    CDibG();
    ~CDibG() override;
    // Copies are made explicitly, by the copy operations, never implicitly.
    CDibG(const CDibG&) = delete;

    // In the slot order of the original, which derived surfaces rely on.
    virtual BOOL IsValid() const;
    virtual BOOL IsUsable() const;
    virtual BOOL IsSelected() const;
    virtual void Create(int width, int height, CPalId* pal);
    virtual void Create(CSize size, CPalId* pal);
    virtual void CopyFrom(const CDibG* source);
    virtual void CopyAll(const CDibG* source);
    virtual void Create(const CString& name, CPalId* pal, int kind);
    virtual void Destroy();
    virtual void Load(const CString& name, CPalId* pal, int kind);
    virtual void EnableOwnDC(BOOL enable);
    virtual void SetResourceHandle(HINSTANCE hResource);
    virtual CDibG& operator=(const CDibG& source);
    virtual void Copy(const CDibG* source, BOOL copyColorTable);
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
    virtual HBITMAP SelectIntoWinGDC();
    virtual int Draw(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc,
                     int cxSrc, int cySrc);
    virtual int Draw(CDC* pDC, const CRect* destination, const CRect* source);
    virtual int Draw(CDC* pDC, const CRect* destination);
    virtual int Draw(CDC* pDC, int x, int y);
    virtual int Draw(CDC* pDC, const CPoint& point);
    virtual int Render(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc,
                       int cxSrc, int cySrc);
    virtual int RenderDIB(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc,
                          int cxSrc, int cySrc);
    virtual int BitBlt(CDC* pDC, const CPoint* destination, const CPoint* source,
                       const CSize* size);
    virtual int StretchBlt(CDC* pDC, const CPoint* destination, const CSize* destinationSize,
                           const CPoint* source, const CSize* sourceSize);
    virtual int DrawDIB(CDC* pDC, const CRect* destination);
    virtual int StretchDIB(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc,
                           int cxSrc, int cySrc);
    virtual BOOL CreateSurface(CSize size, CPalId* pal);
    virtual BOOL CreateSurface(int width, int height, CPalId* pal);
    virtual BOOL IsCreated() const;
    virtual void CreateFromResource(const CString& name, CPalId* pal);
    virtual void CreateFromBMP(const CString& path, CPalId* pal);
    virtual void CreateFromPCX(const CString& path, CPalId* pal);
    virtual void LoadFromResource(const CString& name, CPalId* pal);
    virtual void LoadFromBMP(const CString& path, CPalId* pal);
    virtual void LoadFromPCX(const CString& path, CPalId* pal);
    virtual HINSTANCE GetResourceHandle() const;
    virtual int SetWidth(int width);
    virtual int SetHeight(int height);
    virtual BYTE* AllocateBits();
    virtual void BuildRowTable();
    virtual void SetPalette(CPalId* pal);
    virtual void SetBits(const BYTE* source, int sourceOrientation);
    [[noreturn]] virtual void ThrowMemoryError();
    [[noreturn]] virtual void ThrowResourceError();

    // The WinG binding, settled once per process by the view.
    static void InitWinG(const CString& profileMessage, BOOL doNotUse, int forcedOrientation);
    static BOOL LoadWinG(LPCSTR profileMessage);
    static void ExitWinG();
    // Makes the shared tables describe `pal`, the palette attached last.
    static void UpdateSharedColorTables(CPalId* pal);

    // Source kinds of Create and Load with a name.
    static constexpr int kSourceBmp = 1;
    static constexpr int kSourcePcx = 2;
    static constexpr int kSourceResource = 4;

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
    static BOOL s_bLoadTried;
    static BOOL s_bWinGLoaded;
    static HINSTANCE s_hWinGLib;
    static PFNWINGCREATEDC s_pfnWinGCreateDC;
    static PFNWINGCREATEBITMAP s_pfnWinGCreateBitmap;
    static PFNWINGGETDIBPOINTER s_pfnWinGGetDIBPointer;
    static PFNWINGRECOMMENDDIBFORMAT s_pfnWinGRecommendDIBFormat;
    static PFNWINGGETDIBCOLORTABLE s_pfnWinGGetDIBColorTable;
    static PFNWINGSETDIBCOLORTABLE s_pfnWinGSetDIBColorTable;
    static PFNWINGBITBLT s_pfnWinGBitBlt;
    static PFNWINGSTRETCHBLT s_pfnWinGStretchBlt;
    static PFNWINGCREATEHALFTONEBRUSH s_pfnWinGCreateHalftoneBrush;
    static PFNWINGCREATEHALFTONEPALETTE s_pfnWinGCreateHalftonePalette;

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

private:
    // Gives back the pixel memory (or WinG bitmap) and the row table,
    // whatever m_bCreated says, so a creation that fails half-way leaves
    // nothing behind.
    void ReleaseSurfaceMemory();
    void ReleaseWinGBitmap();
    BYTE* AllocateWinGBits();
    // A create operation on a created surface would keep the old memory
    // while the source has its own size: refuse it before anything changes.
    void RequireEmpty();
    // What every loader does once its source has been read and checked: a
    // null source is refused. Loading keeps the surface's colour table
    // unless takeColours says the source's replace it.
    void CreateFromSource(const vandrel::surface::PictureSource* source, CPalId* pal);
    void LoadFromSource(const vandrel::surface::PictureSource* source, CPalId* pal,
                        bool takeColours);
};
