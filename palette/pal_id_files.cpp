// Building the palette from the colours of BMP and PCX files.
#include <climits>

#include "palette/pal_id.h"
#include "platform/afx/file.h"

namespace {

// A BMP colour table follows the 14-byte file header and the 40-byte
// information header.
constexpr LONG kBmpColorTableOffset = 54;
// A PCX file keeps its 256 red-green-blue triples in its last bytes.
constexpr LONG kPcxPaletteBytes = 768;

}  // namespace

void CPalId::CreateFromFile(CString strFileName, int nFileType, BOOL bIdentity) {
    switch (nFileType) {
        case fileBmp:
            CreateFromBmpFile(strFileName, bIdentity);
            break;
        case filePcx:
            CreateFromPcxFile(strFileName, bIdentity);
            break;
        default:
            break;
    }
}

void CPalId::CreateFromBmpFile(CString strFileName, BOOL bIdentity) {
    CFile file;
    if (!file.Open(strFileName, CFile::modeRead | CFile::typeBinary)) {
        ThrowResourceError();
    }
    if (file.Seek(kBmpColorTableOffset, CFile::begin) != kBmpColorTableOffset) {
        ThrowResourceError();
    }
    // A table cut short would leave colours undefined: refuse the file whole.
    RGBQUAD quads[256];
    if (file.Read(quads, sizeof quads) != sizeof quads) {
        ThrowResourceError();
    }
    file.Close();
    CreateFromRGBQuad(quads, bIdentity);
}

void CPalId::CreateFromPcxFile(CString strFileName, BOOL bIdentity) {
    CFile file;
    if (!file.Open(strFileName, CFile::modeRead | CFile::typeBinary)) {
        ThrowResourceError();
    }
    const DWORD dwLength = file.GetLength();
    if (dwLength > static_cast<DWORD>(LONG_MAX)) {
        ThrowResourceError();
    }
    // A file shorter than the palette fails here, seeking before its start.
    file.Seek(static_cast<LONG>(dwLength) - kPcxPaletteBytes, CFile::begin);
    BYTE rgb[kPcxPaletteBytes];
    if (file.Read(rgb, sizeof rgb) != sizeof rgb) {
        ThrowResourceError();
    }
    file.Close();
    RGBQUAD quads[256];
    for (int i = 0; i < 256; ++i) {
        quads[i] = {rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i], 0};
    }
    CreateFromRGBQuad(quads, bIdentity);
}
