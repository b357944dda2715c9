// The burster's spawn, burst bands, fragment flight, drawing and group update.
#include <algorithm>
#include <tuple>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class BursterTest : public GameFixture {};

// A 581-high client: the box's bottom meets bands 163..223, 356..416 and
// 549..609. The choice is the last of the seconds' draws, 0 at second 0.
struct BandCase { int nBottom, bFirst; std::vector<int> choices; int bBurst, bFirstAfter, bSecondAfter; };
const BandCase kBands[] = {
    {162, 1, {}, 0, 1, 1},  {163, 1, {}, 1, 1, 1},     {223, 1, {}, 1, 1, 1},     {224, 1, {}, 0, 1, 1},
    {170, 1, {0, 2}, 0, 0, 1}, {170, 0, {}, 0, 0, 1},  {356, 1, {1}, 1, 1, 1},    {416, 1, {0}, 0, 1, 0},
    {548, 1, {0, 1}, 0, 1, 1}, {549, 0, {1, 2, 1}, 1, 0, 1},
};

TEST_F(BursterTest, EachBandGivesOneChanceAndTheBottomBandAlwaysBursts)
{
    for (const BandCase& c : kBands) {
        m_platform.m_sounds.clear();
        m_platform.m_nSeconds = static_cast<int>(c.choices.size());
        m_platform.m_randQueue = c.choices;
        CBurster b;
        b.m_bFirstChance = c.bFirst;
        b.m_rcBox.bottom = c.nBottom;
        b.CheckBurst(m_dlg.m_rcClient, m_platform);
        EXPECT_EQ(std::make_tuple(b.m_bBurst, b.m_bFirstChance, b.m_bSecondChance, m_platform.SoundIds()),
                  std::make_tuple(c.bBurst, c.bFirstAfter, c.bSecondAfter, std::vector<int>(c.bBurst, 142)))
            << c.nBottom;
    }
}

TEST_F(BursterTest, FragmentsFlyOutwardAndTheCellRespawnsOnlyWhenAllEightAreOut)
{
    CBurster b;
    b.m_bBurst = 1;
    b.m_bFirstChance = b.m_bSecondChance = 0;
    b.m_rcBox = Rect{204, 156, 304, 256};
    b.StartBurst();  // all at (229, 181): "down" stands on the bottom edge, 581, after 20 steps
    m_platform.m_nSeconds = 2;
    m_platform.m_randQueue = {7, 489 + 120};  // the respawn keeps the last draw
    const Point moved[8] = {{229, 161}, {249, 161}, {249, 181}, {249, 201},
                            {229, 201}, {209, 201}, {209, 181}, {209, 161}};
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(b.m_bBurst, 1);
        b.Step(m_dlg.m_rcClient, 10, m_platform);
        EXPECT_TRUE(i > 1 || std::equal(moved, moved + 8, b.m_ptFragment));
    }
    EXPECT_EQ(std::make_tuple(b.m_bBurst, b.m_bFirstChance, b.m_bSecondChance, b.m_bActive, b.m_rcBox),
              std::make_tuple(0, 1, 1, 0, Rect{120, -100, 220, 0}));
    m_platform.m_nSeconds = 0;  // no draw: 100 pixels further right
    b.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(b.m_rcBox, (Rect{220, -100, 320, 0}));
}

// Running: only released cells, drawn where they stood; a burst cell stays
// released. Closing: a cell retires in its burst frame, yet its fragments
// are still visited and deadly.
TEST_F(BursterTest, RunningVisitsReleasedCellsAndClosingRetiresBurstOnesThatStillKill)
{
    m_dlg.m_nState = kStateLevel1 + 3;
    CBurster* pWave = m_dlg.m_pSecondWave = new CBurster[m_dlg.m_nSecondWaveCount = 3];
    pWave[0].m_rcBox = Rect{100, 443, 200, 543};  // bursts in the bottom band at the first fall
    pWave[1].m_rcBox = Rect{300, 433, 400, 533};  // and this one at the second
    pWave[0].m_bActive = pWave[1].m_bActive = pWave[2].m_bBurst = 1;  // [2] waits, its fragments on the germ
    PlaceGermAt(Point{10, 10});
    RecordingDrawingContext dc;
    EXPECT_EQ(m_dlg.UpdateSecondWave(dc, 1), 1);
    const Rgb pale{200, 200, 255}, white{255, 255, 255};
    auto look = [&](std::size_t i) {
        const DrawnShape& d = dc.m_shapes[i];
        return std::make_tuple(d.rc, d.nPenWidth, d.rgbPen, d.rgbBrush);
    };
    ASSERT_EQ(dc.m_shapes.size(), 6u);
    EXPECT_EQ(look(0), std::make_tuple(Rect{100, 443, 200, 543}, 3, pale, white));
    EXPECT_EQ(look(1), std::make_tuple(Rect{148, 443, 148, 543}, 3, pale, white));
    EXPECT_EQ(look(2), std::make_tuple(Rect{151, 443, 151, 543}, 3, Rgb{166, 166, 255}, white));
    EXPECT_EQ(std::make_pair(pWave[0].m_bBurst, pWave[0].m_bActive), std::make_pair(1, 1));
    PlaceGermAt(Point{480, 10});
    EXPECT_EQ(m_dlg.UpdateSecondWave(dc, 0), 1);
    EXPECT_EQ(std::make_pair(pWave[1].m_bBurst, pWave[1].m_bActive), std::make_pair(1, 0));
    dc.m_shapes.clear();
    PlaceGermAt(Point{350, 500});
    EXPECT_EQ(m_dlg.UpdateSecondWave(dc, 0), 0);
    ASSERT_EQ(dc.m_shapes.size(), 16u);
    const auto disc = std::make_tuple(Rect{325, 478, 375, 528}, 3, pale, white);  // all eight in the middle
    for (std::size_t i = 8; i < 16; ++i) EXPECT_EQ(look(i), disc);
}

}  // namespace
