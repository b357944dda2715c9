// The syringe's 140-frame cycle with its respawn, its drawing and the closing
// phase of its group update. Its contact boxes are in the contact table.
#include <tuple>

#include "tests/unit/GameFixture.h"

namespace {

class SyringeTest : public GameFixture {};

// One syringe through three cycles: from the right wall of the 489-wide
// client, then from its respawn places in a 300-wide one. The spray's front edge stops
// at its first step past the far edge, the trailing one on it; the respawn
// draws height then side, twice at second 2, keeping the last.
struct CycleCase { int nClientRight; Rect rcStart, rcEnd; Point ptRespawn; };
const CycleCase kCycles[] = {
    {489, {444, 170, 459, 185}, {-6, 170, 174, 185}, {0, 90}},
    {300, {30, 105, 45, 120}, {300, 105, 315, 120}, {300, 100}},
    {300, {255, 70, 270, 85}, {-15, 70, 0, 85}, {0, 50}},
};

TEST_F(SyringeTest, ACycleSlidesInSpraysTrailsOffWithdrawsAndRespawns)
{
    CSyringe& s = *(m_dlg.m_pSyringes = new CSyringe[m_dlg.m_nSyringeCount = 1]);
    m_platform.m_nSeconds = 2;
    m_platform.m_randQueue = {5, 1, 200, 1, 5, 0, 90, 0, 5, 0, 581 + 100, 1, 5, 1, 50, 0};
    s.Spawn(m_dlg);  // the tip at (489, 200)
    auto advance = [&](int nCalls) { while (nCalls-- > 0) s.Advance(m_dlg); };
    for (const CycleCase& c : kCycles) {
        m_dlg.m_rcClient.right = c.nClientRight;
        m_platform.m_sounds.clear();
        advance(21);  // slid 100 in; the sound and a fresh puff, not yet extended
        EXPECT_EQ(std::make_pair(s.m_rcSpray, m_platform.m_sounds.size()), std::make_pair(c.rcStart, std::size_t{1}));
        advance(99);  // 80 extensions, then 19 steps trailing off
        EXPECT_EQ(std::make_pair(s.m_rcSpray, s.m_bSpraying), std::make_pair(c.rcEnd, 1));
        advance(20);  // withdrawn; the last step wraps and respawns
        EXPECT_EQ(std::make_tuple(s.m_nPhase, s.m_bSpraying, s.m_ptBody[0], m_platform.SoundIds()),
                  std::make_tuple(0, 0, c.ptRespawn, std::vector<int>{ids::kSoundSpray}));
    }
}

// Closing shows and tests a spray that is out, with its 60 dots, in that frame
// only; body and stripe every frame while the syringe withdraws for good.
TEST_F(SyringeTest, ClosingShowsAndTestsAnOutSprayOnceThenWithdrawsForGood)
{
    CSyringe& s = *(m_dlg.m_pSyringes = new CSyringe[m_dlg.m_nSyringeCount = 1]);
    s.m_ptBody[0] = Point{100, 100};
    s.PlaceBody();
    s.m_nPhase = 50;
    s.m_bSpraying = 1;
    s.m_rcSpray = Rect{200, 300, 300, 315};
    PlaceGermAt(Point{480, 10});
    RecordingDrawingContext dc;
    ASSERT_EQ(m_dlg.UpdateSyringes(dc, 0), 1);
    PlaceGermAt(Point{250, 300 + 19});  // in the spray: the syringe's test takes a menu bar off once more
    for (int i = 0; i < 30; ++i)
        ASSERT_EQ(m_dlg.UpdateSyringes(dc, 0), 1);
    EXPECT_EQ(std::make_tuple(s.m_ptBody[0].x, s.m_nPhase, m_platform.m_sounds.size()),
              std::make_tuple(100 - 5 * 31, 121, std::size_t{0}));
    const std::vector<DrawnShape>& shapes = dc.m_shapes;
    ASSERT_EQ(shapes.size(), 2u + 60 + 2 * 30);
    // A grey body and a black stripe, both outlined 2 pixels black; green dots outlined 1 pixel green.
    const Rgb black{0, 0, 0}, green{0, 255, 0};
    EXPECT_EQ(std::vector(shapes.begin(), shapes.begin() + 2),
              (std::vector<DrawnShape>{
                  {DrawnShape::Kind::Polygon, {}, {{100, 100}, {-20, 100}, {-20, 130}, {30, 130}}, "", 0, 2, black,
                   {130, 130, 130}},
                  {DrawnShape::Kind::Polygon, {}, {{30, 130}, {25, 115}, {100, 100}}, "", 0, 2, black, black}}));
    for (std::size_t i = 2; i < 62; ++i) {
        const Rect& rc = shapes[i].rc;  // a dot's top-left lies in the spray less a pixel
        EXPECT_TRUE((Rect{200, 300, 299, 314}).ContainsInclusive(Point{rc.left, rc.top}) && rc.right == rc.left + 4 &&
                    rc.bottom == rc.top + 4 && std::tuple(shapes[i].nPenWidth, shapes[i].rgbPen, shapes[i].rgbBrush) ==
                                                   std::tuple(1, green, green));
    }
    s.m_bSpraying = 1;  // out when the level closes: it still kills in that frame
    EXPECT_EQ(m_dlg.UpdateSyringes(dc, 0), 0);
}

}  // namespace
