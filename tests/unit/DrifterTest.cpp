// The drifter's spawn, its four modes, its turns at the walls and its group
// update.
#include <cstring>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class DrifterTest : public GameFixture {
protected:
    // A level under way with a wave of one drifter at rc.
    CDrifter& OneDrifterAt(Rect rc)
    {
        m_dlg.m_nState = kStateLevel1 + 1;
        CDrifter& drifter = *(m_dlg.m_pFirstWave = new CDrifter[m_dlg.m_nFirstWaveCount = 1]);
        drifter.m_rcBox = rc;
        drifter.m_bActive = 1;
        return drifter;
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

// One step in mid-field: the mode flags in precedence (steered, homing,
// zig-zag, straight), every compass word, homing's two pixels toward the germ.
TEST_F(DrifterTest, EachModeAndWordStepsItsOwnWay)
{
    // Flags: S steered, H homing, Z zig-zag.
    const struct { const char *pszFlags, *pszWord; int nGermX; Point ptStep; } cases[] = {
        {"", "down", 0, {0, 9}},        {"SHZ", "right", 0, {9, 0}},   {"S", "left", 0, {-9, 0}},
        {"S", "upleft", 0, {-9, -9}},   {"S", "downleft", 0, {-9, 9}}, {"S", "upright", 0, {9, -9}},
        {"S", "downright", 0, {9, 9}},  {"S", "down", 0, {0, 9}},      {"S", "up", 0, {0, -9}},
        {"S", "nowhere", 0, {0, 0}},    {"HZ", "up", 300, {2, 9}},     {"H", "down", 10, {-2, 9}},
        {"H", "down", 225, {0, 9}},     {"Z", "up", 0, {-9, 9}},
    };
    for (const auto& c : cases) {
        CDrifter drifter;
        drifter.m_bSteered = std::strchr(c.pszFlags, 'S') != nullptr;
        drifter.m_bHoming = std::strchr(c.pszFlags, 'H') != nullptr;
        drifter.m_bZigzag = std::strchr(c.pszFlags, 'Z') != nullptr;
        drifter.m_strDirection = c.pszWord;
        drifter.m_rcBox = Rect{200, 200, 250, 250};
        PlaceGermAt(Point{c.nGermX, 400});
        EXPECT_EQ(Step(drifter, 9), c.ptStep) << c.pszFlags << " " << c.pszWord;
    }
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

// A wall sends a steered drifter off in one of its three words, drawn with
// the seconds field; a corner draws once per wall and the later wall wins.
TEST_F(DrifterTest, SteeredDrifterTurnsAtEachWallByItsDraw)
{
    const struct { Rect rc; std::vector<int> draws; const char* pszWord; } cases[] = {
        {{439, 200, 489, 250}, {0}, "left"},  {{439, 200, 489, 250}, {1}, "upleft"},
        {{439, 200, 489, 250}, {2}, "downleft"}, {{0, 200, 50, 250}, {0}, "right"},
        {{0, 200, 50, 250}, {1}, "upright"},  {{0, 200, 50, 250}, {2}, "downright"},
        {{200, -50, 250, 0}, {0}, "down"},    {{200, -50, 250, 0}, {1}, "downleft"},
        {{200, -50, 250, 0}, {2}, "downright"}, {{200, 531, 250, 581}, {0}, "up"},
        {{200, 531, 250, 581}, {1}, "upleft"}, {{200, 531, 250, 581}, {2}, "upright"},
        {{439, 531, 489, 581}, {1, 2}, "upright"},
    };
    m_platform.m_nSeconds = 1;
    for (const auto& c : cases) {
        CDrifter drifter;
        drifter.m_bSteered = 1;
        drifter.m_strDirection = "nowhere";  // not a word it knows: it stays put
        drifter.m_rcBox = c.rc;
        m_platform.m_randQueue = c.draws;
        drifter.Move(10, m_dlg);
        EXPECT_EQ(drifter.m_strDirection, c.pszWord) << c.rc.left << "," << c.rc.top;
        EXPECT_TRUE(m_platform.m_randQueue.empty());
    }
}

// A drifter whose top reaches the bottom edge comes back above the top edge
// while the level runs (at the last of the seconds field's draws, or at its
// own x at second 0, its swing kept) and retires when the level closes.
TEST_F(DrifterTest, LeavingThroughTheBottomReentersWhileRunningAndRetiresWhenClosing)
{
    PlaceGermAt(Point{490, 300});
    CDrifter& drifter = OneDrifterAt(Rect{200, 566, 250, 616});
    drifter.m_nSwing = 4;
    m_platform.m_nSeconds = 3;
    m_platform.m_randQueue = {100, 200, 489 + 250};
    ASSERT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 1), 1);
    EXPECT_EQ(drifter.m_rcBox, (Rect{200, -50, 250, 0}));
    EXPECT_EQ(drifter.m_nSwing, 4);
    m_platform.m_nSeconds = 0;
    drifter.m_rcBox = Rect{300, 566, 350, 616};
    ASSERT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 1), 1);
    EXPECT_EQ(drifter.m_rcBox, (Rect{300, -50, 350, 0}));
    drifter.m_rcBox = Rect{300, 566, 350, 616};
    ASSERT_EQ(m_dlg.UpdateFirstWave(m_dc, 15, 0), 1);
    EXPECT_FALSE(m_dlg.AnyFirstWaveActive());
    CDrifter fresh;
    fresh.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(fresh.m_rcBox, (Rect{-50, -50, 0, 0}));  // a defined box, never garbage
}

// Drawn where it stood before moving: a red disc with a darker core, both
// outlined 3 pixels black. A waiting drifter is neither drawn nor moved.
TEST_F(DrifterTest, AnActiveDrifterIsDrawnRedWithADarkerCoreAndAWaitingOneNotAtAll)
{
    CDrifter& drifter = OneDrifterAt(Rect{100, 100, 150, 150});
    PlaceGermAt(Point{490, 300});
    m_dlg.UpdateFirstWave(m_dc, 15, 1);
    drifter.m_bActive = 0;
    m_dlg.UpdateFirstWave(m_dc, 15, 1);
    const DrawnShape disc{DrawnShape::Kind::Ellipse, {100, 100, 150, 150}, {}, "", 0, 3, {0, 0, 0}, {250, 0, 0}};
    const DrawnShape core{DrawnShape::Kind::Ellipse, {115, 115, 135, 135}, {}, "", 0, 3, {0, 0, 0}, {218, 0, 0}};
    EXPECT_EQ(m_dc.m_shapes, (std::vector<DrawnShape>{disc, core}));
    EXPECT_EQ(drifter.m_rcBox, (Rect{100, 115, 150, 165}));
}

}  // namespace
