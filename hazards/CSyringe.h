#pragma once
// A syringe behind a side wall: slides 100 pixels in, sprays across the
// window, withdraws and comes back at a new wall and height, a cycle of 140
// frames. Drawn, tested and advanced by UpdateSyringes.
#include "platform/Geometry.h"

class CGermDlg;

class CSyringe {
public:
    CSyringe() = default;
    CSyringe(const CSyringe&) = default;
    CSyringe& operator=(const CSyringe&) = default;
    virtual ~CSyringe() = default;

    // A random wall and height of the window's client area, wholly outside
    // it; at second 0 no draw is made: left wall, height kept.
    void Spawn(CGermDlg& dlg);
    // Body corners 1 to 3 from the tip and the side.
    void PlaceBody();
    void SlideIn();
    void SlideOut();
    // 1 starts the spray, 2 extends it, 3 lets it trail off.
    void Spray(int nStage, const Rect& rcClient);
    void Advance(CGermDlg& dlg);

    Rect m_rcSpray{0, 0, 0, 0};
    int m_bSpraying = 0;
    int m_nPhase = 0;
    int m_nSide = 0;
    // Tip first. Never spawned: the tip's height is 0, the client's top edge.
    Point m_ptBody[4]{};

    // The first phase of the withdrawal; the closing phase parks every
    // syringe here each frame.
    static constexpr int kWithdrawStart = 120;

private:
    void SprayPhase(int nPhase, CGermDlg& dlg);
};
