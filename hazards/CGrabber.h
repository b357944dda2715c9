#pragma once
// The cell that lurks behind a side wall, one per level at most: slides in,
// reels the germ in with a line for 35 frames, slides out and comes back
// elsewhere, a cycle of 65 frames. Drawn, tested and advanced by UpdateGrabber.
#include "platform/Geometry.h"

class Platform;

class CGrabber {
public:
    CGrabber() = default;
    virtual ~CGrabber() = default;

    // Hides the body just outside a random side edge of rcArea at a random
    // height; at second 0 no draw is made: left side, height kept.
    void Spawn(Rect rcArea, Platform& platform);
    void SlideIn();
    void SlideOut();
    // One step of the cycle; rcArea is used only for the respawn.
    void Advance(Rect rcArea, Platform& platform);

    int m_bGrabbing = 0;
    int m_nPhase = 0;
    int m_nSide = 0;
    // Never spawned: the anchor's height is 0, the area's top edge, so a
    // spawn at second 0 puts the body half above the play area on the left.
    Point m_ptAnchor{0, 0};
    Rect m_rcBox{0, 0, 0, 0};

    static constexpr int kSize = 100;

private:
    void Slide(int nInward);
};
