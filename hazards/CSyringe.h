#pragma once
// A syringe that slides in from a side wall and sprays across the window.
#include "platform/Geometry.h"

class CSyringe {
public:
    virtual ~CSyringe() = default;

    Rect m_rcSpray{0, 0, 0, 0};
    int m_bSpraying = 0;
    int m_nPhase = 0;
    int m_nSide = 0;
    Point m_ptBody[4]{};
};
