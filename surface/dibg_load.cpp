// Loading pictures from bitmap resources, BMP files and PCX files. Every
// source is read and checked whole first; only a sound one reaches the
// palette and the surface, so a refused source changes nothing.
#include <algorithm>
#include <new>

#include "palette/pal_id.h"
#include "surface/dibg.h"
#include "surface/palette_bracket.h"
#include "surface/picture_sources.h"

namespace {

using vandrel::surface::PictureSource;

// A palette handed in empty is built from the source's colours; one that is
// already built stays as it is, even when the colours differ.
void BuildPaletteFrom(CPalId* pal, const PictureSource& source) {
    if (!pal->IsCreated()) {
        pal->CreateFromRGBQuad(source.colours, TRUE);
    }
}

}  // namespace

void CDibG::Create(const CString& name, CPalId* pal, int kind) {
    switch (kind) {
        case kSourceBmp:
            CreateFromBMP(name, pal);
            break;
        case kSourcePcx:
            CreateFromPCX(name, pal);
            break;
        case kSourceResource:
            CreateFromResource(name, pal);
            break;
        default:
            break;
    }
}

void CDibG::Load(const CString& name, CPalId* pal, int kind) {
    switch (kind) {
        case kSourceBmp:
            LoadFromBMP(name, pal);
            break;
        case kSourcePcx:
            LoadFromPCX(name, pal);
            break;
        case kSourceResource:
            LoadFromResource(name, pal);
            break;
        default:
            break;
    }
}

namespace {

// Runs a reader, turning exhausted memory into the framework's exception.
template <class Reader>
std::optional<PictureSource> ReadSource(CDibG& surface, Reader read) {
    std::optional<PictureSource> source;
    bool outOfMemory = false;
    try {
        source = read();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        surface.ThrowMemoryError();
    }
    return source;
}

}  // namespace

void CDibG::CreateFromSource(const PictureSource* source, CPalId* pal) {
    if (source == nullptr || pal == nullptr) {
        ThrowResourceError();
    }
    BuildPaletteFrom(pal, *source);
    const vandrel::surface::PaletteBracket bracket(pal);
    CreateSurface(source->width, source->height, pal);
    SetBits(source->rows, source->orientation);
}

void CDibG::LoadFromSource(const PictureSource* source, CPalId* pal, bool takeColours) {
    if (source == nullptr || pal == nullptr || !IsCreated() || source->width != GetWidth() ||
        source->height != GetHeight()) {
        ThrowResourceError();
    }
    if (takeColours) {
        std::copy_n(source->colours, 256, m_bmi.bmiColors);
    }
    BuildPaletteFrom(pal, *source);
    const vandrel::surface::PaletteBracket bracket(pal);
    SetBits(source->rows, source->orientation);
}

void CDibG::CreateFromResource(const CString& name, CPalId* pal) {
    RequireEmpty();
    const auto source = ReadSource(
        *this, [&] { return vandrel::surface::ReadResourcePicture(GetResourceHandle(), name); });
    CreateFromSource(source ? &*source : nullptr, pal);
}

void CDibG::LoadFromResource(const CString& name, CPalId* pal) {
    const auto source = ReadSource(
        *this, [&] { return vandrel::surface::ReadResourcePicture(GetResourceHandle(), name); });
    // A resource's colours only build the palette; the surface keeps its own.
    LoadFromSource(source ? &*source : nullptr, pal, false);
}

void CDibG::CreateFromBMP(const CString& path, CPalId* pal) {
    RequireEmpty();
    const auto source = ReadSource(*this, [&] { return vandrel::surface::ReadBmpPicture(path); });
    if (source && pal != nullptr) {
        // The file's header is kept; creation sets the size and row order again.
        m_bmi.bmiHeader = source->header;
    }
    CreateFromSource(source ? &*source : nullptr, pal);
}

void CDibG::LoadFromBMP(const CString& path, CPalId* pal) {
    const auto source = ReadSource(*this, [&] { return vandrel::surface::ReadBmpPicture(path); });
    LoadFromSource(source ? &*source : nullptr, pal, true);
}

void CDibG::CreateFromPCX(const CString& path, CPalId* pal) {
    RequireEmpty();
    const auto source = ReadSource(*this, [&] { return vandrel::surface::ReadPcxPicture(path); });
    CreateFromSource(source ? &*source : nullptr, pal);
}

void CDibG::LoadFromPCX(const CString& path, CPalId* pal) {
    const auto source = ReadSource(*this, [&] { return vandrel::surface::ReadPcxPicture(path); });
    LoadFromSource(source ? &*source : nullptr, pal, true);
}
