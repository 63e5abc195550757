#include "tests/soak/change_rotation.h"

#include <cstddef>

#include "res/resource.h"

namespace vandrel::soak {
namespace {

// The program starts on picture 1, doubled, with tune 1. The settling
// changes reach every picture, size and tune, so that every one-time cost
// (each surface size, each tune loaded, the sound device opened) is paid
// before the baseline. They end on Doubled then Window size, so that the
// baseline is taken in the state that holds the most memory, Window size,
// or Doubled where presenting through GDI refuses Window size: samples at
// any later size compare with it.
constexpr UINT kPictures[] = {ID_FILE_NEXTBITMAP, ID_FILE_BITMAP3,   ID_FILE_NEXTBITMAP,
                              ID_FILE_BITMAP1,    ID_FILE_BITMAP4,   ID_FILE_NEXTBITMAP,
                              ID_FILE_BITMAP2,    ID_FILE_NEXTBITMAP};
constexpr UINT kSizes[] = {ID_DISPLAY_NORMAL,  ID_DISPLAY_DOUBLED, ID_DISPLAY_NORMAL,
                           ID_DISPLAY_WINDOW,  ID_DISPLAY_NORMAL,  ID_DISPLAY_DOUBLED,
                           ID_DISPLAY_NORMAL,  ID_DISPLAY_DOUBLED, ID_DISPLAY_WINDOW,
                           ID_DISPLAY_NORMAL,  ID_DISPLAY_DOUBLED, ID_DISPLAY_NORMAL,
                           ID_DISPLAY_DOUBLED, ID_DISPLAY_NORMAL,  ID_DISPLAY_DOUBLED};
constexpr UINT kTunes[] = {ID_AUDIO_NEXTTUNE, ID_AUDIO_TUNE3,   ID_AUDIO_NOSOUND,  ID_AUDIO_TUNE1,
                           ID_AUDIO_NEXTTUNE, ID_AUDIO_NOSOUND, ID_AUDIO_NEXTTUNE, ID_AUDIO_TUNE2};

// The settling changes come quickly, all inside the first thousand frames,
// and go round each list more than once, so that the allocator has met
// every picture, size and tune coming and going before the baseline.
constexpr long kSettlingChanges = 39;
constexpr long kSettlingGap = 25;
// After them the gap varies, so that changes fall on every phase of the
// wave and of the sound device's buffers. Window size stays for shorter
// spells: stretching to the whole free area costs several times what the
// other sizes cost, and a spell of a hundred frames exercises it as well as
// a long one.
constexpr long kShortestGap = 300;
constexpr long kGapSpread = 200;
constexpr long kShortestWindowSpell = 100;
constexpr long kWindowSpellSpread = 50;

template <std::size_t N>
UINT Cycle(const UINT (&list)[N], long index) {
    return list[static_cast<std::size_t>(index) % N];
}

}  // namespace

ChangeRotation::ChangeRotation() : m_nextFrame(kSettlingGap) {}

Change ChangeRotation::Take() {
    const Change change{Cycle(kPictures, m_taken), Cycle(kSizes, m_taken), Cycle(kTunes, m_taken)};
    ++m_taken;
    if (m_taken < kSettlingChanges) {
        m_nextFrame += kSettlingGap;
    } else if (change.size == ID_DISPLAY_WINDOW) {
        m_nextFrame += kShortestWindowSpell + (m_taken * 37) % kWindowSpellSpread;
    } else {
        m_nextFrame += kShortestGap + (m_taken * 137) % kGapSpread;
    }
    return change;
}

}  // namespace vandrel::soak
