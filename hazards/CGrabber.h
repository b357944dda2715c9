#pragma once
// The cell that lurks at a side wall and reels the germ in; one per level.
#include "platform/Geometry.h"

class CGrabber {
public:
    virtual ~CGrabber() = default;

    int m_bGrabbing = 0;
    int m_nPhase = 0;
    int m_nSide = 0;
    Point m_ptAnchor;
    Rect m_rcBox;
};
