#pragma once
// The white cell that hunts the germ, one per level at most: steps toward the
// germ every running frame, heads for the bottom centre when the level closes.
// Drawn, tested and stepped by UpdateChaser.
#include "platform/Geometry.h"

class Platform;

class CChaser {
public:
    CChaser() = default;
    virtual ~CChaser() = default;

    // Places the 65 x 65 box just above rcArea with its right edge at a random
    // x (kept when the seconds field is 0).
    void Spawn(Rect rcArea, Platform& platform);
    // Moves the centre nStep pixels on each axis toward (nX, nY), with no
    // clamping: a cell that has caught up swings about its target.
    void StepToward(int nX, int nY, int nStep);

    int m_bActive = 1;
    // Never spawned: an empty box at the origin, so a spawn at second 0 gives
    // the defined box (-65, -65, 0, 0).
    Rect m_rcBox{0, 0, 0, 0};

    static constexpr int kSize = 65;
};
