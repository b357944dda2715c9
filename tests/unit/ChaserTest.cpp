// The chaser's spawn, drawing and both phases of its group update. Its
// contact box is in the contact table.
#include "tests/unit/GameFixture.h"

namespace {

class ChaserTest : public GameFixture {
protected:
    // Puts the box at rc, runs one group update and returns how the box moved.
    Point Update(Rect rc, int bRunning)
    {
        m_chaser.m_rcBox = rc;
        EXPECT_EQ(m_dlg.UpdateChaser(m_dc, 3, bRunning), 1);
        return Point{m_chaser.m_rcBox.left - rc.left, m_chaser.m_rcBox.top - rc.top};
    }
    CChaser& m_chaser = *(m_dlg.m_pChaser = new CChaser);
    RecordingDrawingContext m_dc;
};

// Spawned above the area, its right edge on the last draw or kept at second 0;
// drawn where it stood, a disc and its nucleus; the centre steps 3 toward the
// germ on each axis, then 20 toward the bottom middle once the level closes,
// with no clamping. A running call after that does nothing.
TEST_F(ChaserTest, SpawnsAboveTheAreaHuntsTheGermThenHeadsForTheBottomMiddleForGood)
{
    m_platform.m_nSeconds = 2;
    m_platform.m_randQueue = {100, 489 + 300};
    m_chaser.Spawn(Rect{0, 40, 489, 581}, m_platform);
    EXPECT_EQ(m_chaser.m_rcBox, (Rect{235, -25, 300, 40}));
    m_platform.m_nSeconds = 0;
    m_chaser.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(m_chaser.m_rcBox, (Rect{235, -65, 300, 0}));
    const std::pair<Point, Point> hunts[] = {
        {{132, 400}, {0, 3}}, {{400, 132}, {3, 0}}, {{10, 10}, {-3, -3}}, {{400, 10}, {3, -3}}};
    for (const auto& [ptGerm, ptMove] : hunts) {
        PlaceGermAt(ptGerm);
        EXPECT_EQ(Update(Rect{100, 100, 165, 165}, 1), ptMove);
    }
    const std::vector<DrawnShape> discs = m_dc.Of(DrawnShape::Kind::Ellipse);
    EXPECT_EQ(std::pair(discs.at(0).rc, discs.at(1).rc), std::pair(Rect{100, 100, 165, 165}, Rect{117, 117, 148, 148}));
    m_dlg.m_rcClient = Rect{100, 0, 589, 581};  // half the width 244, left + half 344
    EXPECT_EQ(Update(Rect{218, 268, 283, 333}, 0), (Point{-20, 20}));  // centre (250, 300): past the middle
    PlaceGermAt(Point{250, 300});  // inside the box
    EXPECT_EQ(Update(Rect{218, 268, 283, 333}, 1), (Point{0, 0}));
    EXPECT_TRUE(m_dc.m_shapes.size() == 2 * 5 && m_platform.m_boxes.empty());
}

}  // namespace
