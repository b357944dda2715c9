#pragma once
// A white cell of the second wave: falls 10 pixels a frame, may burst at a
// third or two thirds of the way down (surely at the bottom) into eight
// fragments flying outward, and comes back whole once all have left. Released
// by the second-wave timer, then drawn, tested and stepped by UpdateSecondWave.
#include "platform/Geometry.h"

class Platform;

class CBurster {
public:
    CBurster() = default;
    CBurster(const CBurster&) = default;
    CBurster& operator=(const CBurster&) = default;
    virtual ~CBurster() = default;

    // Places the box just above rcArea at a random x (kept when the seconds
    // field is 0: a cell re-spawned then comes back 100 pixels further right).
    void Spawn(Rect rcArea, Platform& platform);
    // One frame: falling and the burst check while whole, flight while burst.
    void Step(Rect rcArea, int nSpeed, Platform& platform);
    void CheckBurst(Rect rcArea, Platform& platform);
    void StartBurst();
    void MoveFragments(Rect rcArea, Platform& platform);

    int m_bFirstChance = 1;
    int m_bSecondChance = 1;
    int m_bBurst = 0;
    // Never spawned: an empty box at the origin, so a spawn at second 0 gives
    // the defined box (0, -100, 100, 0).
    Rect m_rcBox{0, 0, 0, 0};
    int m_bActive = 0;
    // Top-left corners of the 50 x 50 fragments: up, up-right, right,
    // down-right, down, down-left, left, up-left.
    Point m_ptFragment[8]{};

    static constexpr int kSize = 100;
    static constexpr int kFragmentSize = 50;

private:
    // Flags the burst, plays its sound and stacks the fragments.
    void Burst(Platform& platform);
};
