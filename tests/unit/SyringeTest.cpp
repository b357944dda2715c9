// The syringe's 140-frame cycle with its respawn, drawing and group update.
#include <tuple>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class SyringeTest : public GameFixture {
protected:
    // A level under way with one syringe of the given side, tip at ptTip.
    CSyringe& OneSyringe(int nSide, Point ptTip)
    {
        m_dlg.ClearLevel();
        CSyringe& syringe = *(m_dlg.m_pSyringes = new CSyringe[m_dlg.m_nSyringeCount = 1]);
        syringe.m_nSide = nSide;
        syringe.m_ptBody[0] = ptTip;
        syringe.PlaceBody();
        return syringe;
    }
    RecordingDrawingContext m_dc;
};

// The respawn draws height then side, twice at second 2, keeping the last.
struct CycleCase { int nSide, nWallX, nTipX; Rect rcStart, rcEnd; std::vector<int> draws; Point ptRespawn; };
const CycleCase kCycles[] = {
    {0, 0, 100, {30, 215, 45, 230}, {315, 215, 495, 230}, {5, 1, 90, 0}, {0, 90}},
    {1, 480, 380, {435, 170, 450, 185}, {-15, 170, 165, 185}, {5, 0, 581 + 90, 3}, {480, 90}},
};

TEST_F(SyringeTest, ACycleSlidesInSpraysTrailsOffWithdrawsAndRespawns)
{
    m_dlg.m_rcClient.right = 480;  // the front edge lands on the far edge on its way
    m_platform.m_nSeconds = 2;
    for (const CycleCase& c : kCycles) {
        m_platform.m_sounds.clear();
        m_platform.m_randQueue = c.draws;
        CSyringe& s = OneSyringe(c.nSide, Point{c.nWallX, 200});
        auto advance = [&](int nCalls) { while (nCalls-- > 0) s.Advance(m_dlg); };
        advance(20);
        EXPECT_EQ(std::make_pair(s.m_ptBody[0].x, m_platform.m_sounds.size()), std::make_pair(c.nTipX, 0ul));
        advance(1);  // sound and a fresh puff, not yet extended
        EXPECT_EQ(s.m_rcSpray, c.rcStart);
        advance(99);  // 80 extensions, then 19 steps trailing off
        EXPECT_EQ(std::make_pair(s.m_rcSpray, s.m_bSpraying), std::make_pair(c.rcEnd, 1));
        advance(20);  // withdrawn; the last step wraps and respawns
        EXPECT_EQ(std::make_tuple(s.m_nPhase, s.m_bSpraying, s.m_ptBody[0], m_platform.SoundIds()),
                  std::make_tuple(0, 0, c.ptRespawn, std::vector<int>{145}));
    }
}

TEST_F(SyringeTest, ClosingShowsAndTestsAnOutSprayOnceThenWithdrawsForGood)
{
    const Point ptInSpray{250, 300 + 19};  // the syringe's test takes a menu bar off once more
    for (Point ptGerm : {ptInSpray, Point{480, 10}}) {
        CSyringe& s = OneSyringe(0, Point{100, 100});
        s.m_nPhase = 50;
        s.m_bSpraying = 1;
        s.m_rcSpray = Rect{200, 300, 300, 315};
        PlaceGermAt(ptGerm);
        m_dc.m_shapes.clear();
        if (m_dlg.UpdateSyringes(m_dc, 0) == 0) {
            continue;  // the first closing frame still kills
        }
        PlaceGermAt(ptInSpray);
        for (int i = 0; i < 30; ++i) {
            ASSERT_EQ(m_dlg.UpdateSyringes(m_dc, 0), 1);
        }
        EXPECT_EQ(std::make_pair(s.m_ptBody[0].x, s.m_nPhase), std::make_pair(100 - 5 * 31, 121));
    }
    EXPECT_EQ(m_platform.SoundIds(), std::vector<int>{141});  // one death, no spray
    // Body and stripe every frame; the spray's 60 dots in the first frame only.
    const std::vector<DrawnShape>& shapes = m_dc.m_shapes;
    ASSERT_EQ(shapes.size(), 2u + 60 + 2 * 30);
    const Rgb black{0, 0, 0}, green{0, 255, 0};
    EXPECT_EQ(std::make_tuple(shapes[0].pts, shapes[0].nPenWidth, shapes[0].rgbPen, shapes[0].rgbBrush),
              std::make_tuple(std::vector<Point>{{100, 100}, {-20, 100}, {-20, 130}, {30, 130}}, 2, black,
                              Rgb{130, 130, 130}));
    EXPECT_EQ(std::make_tuple(shapes[1].pts, shapes[1].nPenWidth, shapes[1].rgbPen, shapes[1].rgbBrush),
              std::make_tuple(std::vector<Point>{{30, 130}, {25, 115}, {100, 100}}, 2, black, black));
    const Rect rcCorners{200, 300, 299, 314};  // where a dot's top-left may fall
    for (std::size_t i = 2; i < 62; ++i) {
        const Rect& rc = shapes[i].rc;
        EXPECT_TRUE(rcCorners.ContainsInclusive(Point{rc.left, rc.top}) && rc.right == rc.left + 4 &&
                    rc.bottom == rc.top + 4 && shapes[i].rgbPen == green && shapes[i].rgbBrush == green);
    }
    CSyringe empty;  // a spray without width or height has no dots
    for (Rect rc : {Rect{100, 50, 100, 53}, Rect{100, 50, 110, 50}}) {
        empty.m_rcSpray = rc;
        m_dlg.DrawSpray(m_dc, empty);
    }
    EXPECT_EQ(shapes.size(), 2u + 60 + 2 * 30);
}

}  // namespace
