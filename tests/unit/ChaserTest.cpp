// The chaser's spawn, its step toward a target, its drawing and both phases
// of its group update. Its contact box is in the contact table.
#include "tests/unit/GameFixture.h"

namespace {

class ChaserTest : public GameFixture {
protected:
    // Puts the box at rc, runs one update and returns how the box moved.
    Point Update(Rect rc, int bRunning)
    {
        m_chaser.m_rcBox = rc;
        EXPECT_EQ(m_dlg.UpdateChaser(m_dc, 3, bRunning), 1);
        return Point{m_chaser.m_rcBox.left - rc.left, m_chaser.m_rcBox.top - rc.top};
    }
    CChaser& m_chaser = *(m_dlg.m_pChaser = new CChaser);
    RecordingDrawingContext m_dc;
};

TEST_F(ChaserTest, SpawnHidesTheBoxAboveTheAreaWithItsRightEdgeOnTheLastDraw)
{
    m_platform.m_nSeconds = 0;
    m_chaser.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(m_chaser.m_rcBox, (Rect{-65, -65, 0, 0}));  // never spawned: still a defined box
    m_platform.m_nSeconds = 2;
    m_platform.m_randQueue = {100, 489 + 300};
    m_chaser.Spawn(Rect{0, 40, 489, 581}, m_platform);
    EXPECT_EQ(m_chaser.m_rcBox, (Rect{235, -25, 300, 40}));
}

TEST_F(ChaserTest, StepTowardMovesTheCentreOneStepPerAxisWithoutClamping)
{
    // Target and move of the centre (132, 132), steps of 3.
    const std::pair<Point, Point> steps[] = {
        {{132, 400}, {0, 3}}, {{132, 10}, {0, -3}}, {{400, 132}, {3, 0}}, {{10, 132}, {-3, 0}},
        {{132, 132}, {0, 0}}, {{400, 400}, {3, 3}}, {{10, 10}, {-3, -3}}, {{400, 10}, {3, -3}},
        {{10, 400}, {-3, 3}}, {{133, 131}, {3, -3}},  // one pixel off: it jumps past
    };
    for (const auto& [pt, ptMove] : steps) {
        m_chaser.m_rcBox = Rect{100, 100, 165, 165};
        m_chaser.StepToward(pt.x, pt.y, 3);
        EXPECT_EQ(m_chaser.m_rcBox, (Rect{100 + ptMove.x, 100 + ptMove.y, 165 + ptMove.x, 165 + ptMove.y}));
    }
}

TEST_F(ChaserTest, DrawnWhereItStoodItHuntsThenHeadsForTheBottomMiddleAndSkipsRunningCalls)
{
    PlaceGermAt(Point{400, 132});
    EXPECT_EQ(Update(Rect{100, 100, 165, 165}, 1), (Point{3, 0}));
    const std::vector<DrawnShape> discs = m_dc.Of(DrawnShape::Kind::Ellipse);
    ASSERT_EQ(discs.size(), 2u);
    auto look = [](const DrawnShape& d) { return std::tuple{d.rc, d.nPenWidth, d.rgbPen, d.rgbBrush}; };
    const Rgb white{255, 255, 255};
    EXPECT_EQ(look(discs[0]), std::tuple(Rect{100, 100, 165, 165}, 3, white, white));
    EXPECT_EQ(look(discs[1]), std::tuple(Rect{117, 117, 148, 148}, 3, white, Rgb{245, 245, 245}));
    m_dlg.m_rcClient = Rect{100, 0, 589, 581};  // half the width 244, left + half 344
    EXPECT_EQ(Update(Rect{212, 268, 277, 333}, 0), (Point{0, 20}));  // centre (244, 300)
    m_dc.m_shapes.clear();
    PlaceGermAt(Point{244, 300});  // inside the box, but a running call after closing skips it
    EXPECT_EQ(Update(Rect{212, 268, 277, 333}, 1), (Point{0, 0}));
    EXPECT_TRUE(m_dc.m_shapes.empty());
    EXPECT_TRUE(m_platform.m_boxes.empty());
}

}  // namespace
