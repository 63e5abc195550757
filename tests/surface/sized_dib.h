// A surface sized and allocated the way creation does it, but without a
// palette, for tests of the pixel operations.
#pragma once

#include "surface/dibg.h"

namespace vandrel::testing {

class SizedDib : public CDibG {
public:
    // The surface's own assignment, not one that would hide it.
    using CDibG::operator=;

    void Allocate(int width, int height) {
        SetWidth(width);
        SetHeight(height);
        AllocateBits();
        BuildRowTable();
        m_bCreated = TRUE;
    }
    int HeaderHeight() const { return m_bmi.bmiHeader.biHeight; }
};

// Sets the process-wide row order for one test and restores bottom-up.
class OrientationGuard {
public:
    explicit OrientationGuard(int orientation) { CDibG::s_nOrientation = orientation; }
    ~OrientationGuard() { CDibG::s_nOrientation = CDibG::kBottomUp; }
};

}  // namespace vandrel::testing
