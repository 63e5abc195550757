// CPalId: the logical palette of the picture on show. On a palette display
// it is built as an identity palette: the system's static colours at both
// ends and reserved entries between, so that a foreground realisation puts
// entry i in system slot i and 8-bit pixels show without translation.
#pragma once

#include "platform/afx/gdi_object.h"
#include "platform/base/cstring.h"

class CPalId : public CPalette {
    DECLARE_DYNAMIC(CPalId);

public:
    enum FileType { fileBmp = 1, filePcx = 2 };

    CPalId();
    ~CPalId() override;

    // Builders: 256 colours in, one GDI palette out. bIdentity asks for the
    // identity merge, which only happens on a palette display.
    virtual void CreateFromRGB(const BYTE* pRGB, BOOL bIdentity);
    virtual void CreateFromRGBQuad(const RGBQUAD* pQuads, BOOL bIdentity);
    virtual void CreateFromRGBTriple(const RGBTRIPLE* pTriples, BOOL bIdentity);
    // Type fileBmp or filePcx; any other type leaves the object as it was.
    virtual void CreateFromFile(CString strFileName, int nFileType, BOOL bIdentity);
    virtual void CreateFromSystem(BOOL bIdentity);
    virtual void Create(const BYTE* pRGB, BOOL bIdentity);
    virtual void Create(const RGBQUAD* pQuads, BOOL bIdentity);
    virtual void Create(const RGBTRIPLE* pTriples, BOOL bIdentity);
    virtual void Create(CString strFileName, int nFileType, BOOL bIdentity);
    virtual void Create(BOOL bIdentity);

    virtual BOOL DeletePalette();
    virtual BOOL Delete();
    // Writes the palette's 256 colours when built; otherwise, or when no GDI
    // palette could be made, leaves the table untouched.
    virtual void GetColorTable(RGBQUAD* pQuads);
    virtual BOOL IsCreated();
    virtual BOOL IsValid();
    virtual BOOL IsReady();

    // File builders: a file that cannot be opened or is too short for its
    // 256 colours raises the resource exception and changes nothing.
    virtual void CreateFromBmpFile(CString strFileName, BOOL bIdentity);
    virtual void CreateFromPcxFile(CString strFileName, BOOL bIdentity);

    [[noreturn]] virtual void ThrowMemoryError();
    [[noreturn]] virtual void ThrowResourceError();

    // Sets every free slot of the system palette to black, so the next
    // foreground palette finds them all free and lands where it asks.
    static void ClearSystemPalette();

protected:
    BOOL m_bCreated;

private:
    // Turns the filled logical palette into the GDI palette, merging the
    // static colours first when asked and the display has a palette.
    void Build(LOGPALETTE& logPalette, BOOL bIdentity);
};
