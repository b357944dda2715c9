// The drifter's spawn, its four modes, its contact box and its group update.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class DrifterTest : public GameFixture {
protected:
    // A level under way with a wave of one drifter at rc.
    CDrifter& OneDrifterAt(Rect rc)
    {
        m_dlg.m_nState = kStateLevel1 + 1;
        m_dlg.m_nFirstWaveCount = 1;
        m_dlg.m_pFirstWave = new CDrifter[1];
        m_dlg.m_pFirstWave[0].m_rcBox = rc;
        m_dlg.m_pFirstWave[0].m_bActive = 1;
        return m_dlg.m_pFirstWave[0];
    }
    // Steps the drifter and returns how its box moved.
    Point Step(CDrifter& drifter, int nSpeed)
    {
        const Rect rcBefore = drifter.m_rcBox;
        drifter.Move(nSpeed, m_dlg);
        return Point{drifter.m_rcBox.left - rcBefore.left, drifter.m_rcBox.top - rcBefore.top};
    }
    RecordingDrawingContext m_dc;
};

TEST_F(DrifterTest, SpawnKeepsTheLastOfSecondsDrawsOrItsPlaceAtSecondZero)
{
    CDrifter drifter;
    m_platform.m_nSeconds = 3;
    m_platform.m_randQueue = {100, 200, 489 + 250};
    drifter.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(drifter.m_rcBox, (Rect{200, -50, 250, 0}));  // bottom on the top edge
    EXPECT_TRUE(m_platform.m_randQueue.empty());
    m_platform.m_nSeconds = 0;
    drifter.m_rcBox = Rect{300, 600, 350, 650};
    drifter.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(drifter.m_rcBox, (Rect{300, -50, 350, 0}));
    CDrifter fresh;
    fresh.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(fresh.m_rcBox, (Rect{-50, -50, 0, 0}));  // a defined box, never garbage
}

TEST_F(DrifterTest, ZigzagSwingsFiveLeftThenElevenRightThenElevenLeft)
{
    CDrifter drifter;
    drifter.m_bZigzag = 1;
    std::string strPath;
    for (int i = 0; i < 27; ++i) {
        const Point d = Step(drifter, 17);
        ASSERT_EQ(d.y, 17);
        strPath += d.x < 0 ? 'L' : 'R';
    }
    EXPECT_EQ(strPath, std::string(5, 'L') + std::string(11, 'R') + std::string(11, 'L'));
}

TEST_F(DrifterTest, HomingStepsTwoPixelsTowardTheGermWhileFalling)
{
    CDrifter drifter;
    drifter.m_bHoming = 1;
    drifter.m_rcBox = Rect{100, 100, 150, 150};
    PlaceGermAt(Point{300, 400});
    EXPECT_EQ(Step(drifter, 9), (Point{2, 9}));
    PlaceGermAt(Point{10, 400});
    EXPECT_EQ(Step(drifter, 9), (Point{-2, 9}));
    PlaceGermAt(Point{drifter.m_rcBox.left + 25, 400});
    EXPECT_EQ(Step(drifter, 9), (Point{0, 9}));
}

TEST_F(DrifterTest, SteeredDrifterTurnsAtEachWallToTheFirstWordAtSecondZero)
{
    m_platform.m_nSeconds = 0;
    const std::pair<Rect, std::string> walls[] = {
        {{439, 200, 489, 250}, "left"},   // moving right into the right wall
        {{0, 200, 50, 250}, "right"},
        {{200, -50, 250, 0}, "down"},
        {{200, 531, 250, 581}, "up"},
        {{439, 531, 489, 581}, "up"},     // right and bottom together: the bottom wins
    };
    for (const auto& [rc, strWord] : walls) {
        CDrifter drifter;
        drifter.m_bSteered = 1;
        drifter.m_strDirection = "nowhere";  // not a word it knows: it stays put
        drifter.m_rcBox = rc;
        EXPECT_EQ(Step(drifter, 10), (Point{0, 0}));
        EXPECT_EQ(drifter.m_strDirection, strWord);
    }
}

TEST_F(DrifterTest, SteeredTurnDrawsOncePerWallWithTheSameSeconds)
{
    m_platform.m_nSeconds = 2;
    m_platform.m_randQueue = {5, 1, 7, 2};  // right wall: 1 -> "upleft"; bottom: 2 -> "upright"
    CDrifter drifter;
    drifter.m_bSteered = 1;
    drifter.m_strDirection = "downright";
    drifter.m_rcBox = Rect{429, 521, 479, 571};
    EXPECT_EQ(Step(drifter, 10), (Point{10, 10}));
    EXPECT_EQ(drifter.m_strDirection, "upright");
}

TEST_F(DrifterTest, LeavingThroughTheBottomReentersWhileRunningAndRetiresWhenClosing)
{
    PlaceGermAt(Point{490, 300});
    CDrifter& drifter = OneDrifterAt(Rect{200, 570, 250, 620});
    m_platform.m_nSeconds = 1;
    m_platform.m_randQueue = {333};
    ASSERT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 1), 1);
    EXPECT_EQ(drifter.m_rcBox, (Rect{283, -50, 333, 0}));
    EXPECT_EQ(drifter.m_bActive, 1);
    drifter.m_rcBox = Rect{200, 570, 250, 620};
    ASSERT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 0), 1);
    EXPECT_EQ(drifter.m_bActive, 0);
    EXPECT_FALSE(m_dlg.AnyFirstWaveActive());
}

TEST_F(DrifterTest, AWaitingDrifterIsNeitherDrawnNorDeadly)
{
    CDrifter& drifter = OneDrifterAt(Rect{100, 100, 150, 150});
    drifter.m_bActive = 0;
    PlaceGermAt(Point{125, 125});
    EXPECT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 1), 1);
    EXPECT_TRUE(m_dc.m_shapes.empty());
    EXPECT_EQ(drifter.m_rcBox, (Rect{100, 100, 150, 150}));
}

TEST_F(DrifterTest, AnActiveDrifterIsDrawnRedWithADarkerCoreAndABlackOutline)
{
    OneDrifterAt(Rect{100, 100, 150, 150});
    PlaceGermAt(Point{490, 300});
    m_dlg.UpdateFirstWave(m_dc, 15, 1);
    const std::vector<DrawnShape> discs = m_dc.Of(DrawnShape::Kind::Ellipse);
    ASSERT_EQ(discs.size(), 2u);
    EXPECT_EQ(discs[0].rc, (Rect{100, 100, 150, 150}));  // where it stood before moving
    EXPECT_EQ(discs[0].rgbBrush, (Rgb{250, 0, 0}));
    EXPECT_EQ(discs[1].rc, (Rect{115, 115, 135, 135}));
    EXPECT_EQ(discs[1].rgbBrush, (Rgb{218, 0, 0}));
    for (const DrawnShape& disc : discs) {
        EXPECT_EQ(disc.nPenWidth, 3);
        EXPECT_EQ(disc.rgbPen, (Rgb{0, 0, 0}));
    }
}

TEST_F(DrifterTest, AHitEndsTheUpdateAtOnceAndTheWaveIsGone)
{
    m_dlg.m_nState = kStateLevel1 + 1;
    m_dlg.m_nFirstWaveCount = 3;
    m_dlg.m_pFirstWave = new CDrifter[3];
    for (int i = 0; i < 3; ++i) {
        m_dlg.m_pFirstWave[i].m_rcBox = Rect{100, 100 * i, 150, 100 * i + 50};
        m_dlg.m_pFirstWave[i].m_bActive = 1;
    }
    PlaceGermAt(Point{125, 25});  // in the first drifter; the others must not be touched
    EXPECT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 1), 0);
    EXPECT_EQ(m_dlg.m_pFirstWave, nullptr);
    EXPECT_EQ(m_dc.Of(DrawnShape::Kind::Ellipse).size(), 2u);
    EXPECT_EQ(m_platform.m_boxes, std::vector<std::string>{"You have been disinfected!"});
}

}  // namespace
