// The burster's burst bands, fragment flight and respawn, drawing and group
// update. Its contact squares are in the contact table.
#include <algorithm>
#include <tuple>

#include "tests/unit/GameFixture.h"

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

TEST_F(BursterTest, EachBandGivesOneChanceAndTheBottomBandAlwaysBurstsWithASound)
{
    for (const BandCase& c : kBands) {
        m_platform.m_nSeconds = static_cast<int>(c.choices.size());
        m_platform.m_randQueue = c.choices;
        CBurster b;
        b.m_bFirstChance = c.bFirst;
        b.m_rcBox.bottom = c.nBottom;
        b.CheckBurst(m_dlg.m_rcClient, m_platform);
        EXPECT_EQ(std::make_tuple(b.m_bBurst, b.m_bFirstChance, b.m_bSecondChance),
                  std::make_tuple(c.bBurst, c.bFirstAfter, c.bSecondAfter)) << c.nBottom;
    }
    EXPECT_EQ(m_platform.SoundIds(), std::vector<int>(4, ids::kSoundBurst));
}

// Running: only released cells, drawn where they stood; a cell that bursts
// stays released. Closing: burst cells are visited and retire; their fragments
// fly on, deadly, and a cell whose eight are all out is whole again above the
// area, at second 0 100 pixels right of where it was.
TEST_F(BursterTest, RunningVisitsReleasedCellsAndClosingFliesBurstOnesOutForGood)
{
    m_platform.m_nSeconds = 0;
    CBurster* pWave = m_dlg.m_pSecondWave = new CBurster[m_dlg.m_nSecondWaveCount = 2];
    pWave[0].m_rcBox = Rect{100, 443, 200, 543};  // bursts in the bottom band at its first fall
    pWave[1].m_rcBox = Rect{204, 156, 304, 256};  // burst but not released: it waits
    pWave[0].m_bActive = pWave[1].m_bBurst = 1;
    pWave[1].m_bFirstChance = pWave[1].m_bSecondChance = 0;
    pWave[1].StartBurst();  // all at (229, 181): "down" stands on the bottom edge, 581, after 20 steps
    PlaceGermAt(Point{240, 190});  // on the waiting fragments
    RecordingDrawingContext dc;
    EXPECT_EQ(m_dlg.UpdateSecondWave(dc, 1), 1);
    // A white disc outlined pale blue, then the seam in two shades, every pen 3 wide.
    using enum DrawnShape::Kind;
    const std::vector<DrawnShape>& s = dc.m_shapes;
    const Rgb pale{200, 200, 255}, white{255, 255, 255};
    EXPECT_EQ(s, (std::vector<DrawnShape>{{Ellipse, {100, 443, 200, 543}, {}, "", 0, 3, pale, white},
                                          {Line, {148, 443, 148, 543}, {}, "", 0, 3, pale, white},
                                          {Line, {151, 443, 151, 543}, {}, "", 0, 3, {166, 166, 255}, white}}));
    EXPECT_EQ(pWave[0].m_bActive, 1);
    PlaceGermAt(Point{480, 570});
    const Point moved[8] = {{229, 161}, {249, 161}, {249, 181}, {249, 201},
                            {229, 201}, {209, 201}, {209, 181}, {209, 161}};
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(pWave[1].m_bBurst, 1);
        ASSERT_EQ(m_dlg.UpdateSecondWave(dc, 0), 1);
        EXPECT_TRUE(i > 1 || std::equal(moved, moved + 8, pWave[1].m_ptFragment));
    }
    const CBurster& w = pWave[1];
    EXPECT_EQ(std::tuple(pWave[0].m_bActive, w.m_bActive, w.m_bBurst, w.m_bFirstChance, w.m_bSecondChance, w.m_rcBox),
              std::tuple(0, 0, 0, 1, 1, Rect{304, -100, 404, 0}));
    PlaceGermAt(Point{150, 80});  // in the first cell's "up" fragment, 21 steps out
    EXPECT_EQ(m_dlg.UpdateSecondWave(dc, 0), 0);
    // The frame's last eight shapes: that cell's fragments, "up" first.
    EXPECT_EQ(s.at(s.size() - 8), (DrawnShape{Ellipse, {125, 58, 175, 108}, {}, "", 0, 3, pale, white}));
}

}  // namespace
