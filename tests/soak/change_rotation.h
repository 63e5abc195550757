// What the soak changes and when: every so many frames one picture, one size
// and one tune command, each kind cycling through its own list.
#pragma once

#include <array>

#include "platform/base/win_types.h"

namespace vandrel::soak {

struct Change {
    UINT picture;
    UINT size;
    UINT tune;

    std::array<UINT, 3> Commands() const { return {picture, size, tune}; }
};

class ChangeRotation {
public:
    ChangeRotation();

    // How many frames run before the next change is sent.
    long NextFrame() const { return m_nextFrame; }
    // The change due at NextFrame(); moves on to the one after it.
    Change Take();

private:
    long m_taken = 0;
    long m_nextFrame;
};

}  // namespace vandrel::soak
