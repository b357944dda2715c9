#pragma once
// A white cell of the second wave that bursts into eight fragments. Its
// movement arrives with the levels that use it; the window already owns and
// clears the array.
#include "platform/Geometry.h"

class CBurster {
public:
    CBurster() = default;
    CBurster(const CBurster&) = default;
    CBurster& operator=(const CBurster&) = default;
    virtual ~CBurster() = default;

    int m_bFirstChance = 1;
    int m_bSecondChance = 1;
    int m_bBurst = 0;
    Rect m_rcBox;
    int m_bActive = 0;
    Point m_ptFragment[8]{};
};
