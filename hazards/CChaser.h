#pragma once
// The white cell that hunts the germ; one per level at most.
#include "platform/Geometry.h"

class CChaser {
public:
    virtual ~CChaser() = default;

    int m_bActive = 1;
    Rect m_rcBox;
};
