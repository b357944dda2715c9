// The chaser's spawn, drawing and both phases of its group update. Its
// contact box is in the contact table.
#include "tests/unit/GameFixture.h"

namespace {

class ChaserTest : public GameFixture {
protected:
    // Puts the box at rc, runs one group update and returns how the box
    // moved; all four edges move together.
    Point Update(Rect rc, int bRunning)
    {
        m_chaser.m_rcBox = rc;
        EXPECT_EQ(m_dlg.UpdateChaser(m_dc, 3, bRunning), 1);
        const Rect& rcNow = m_chaser.m_rcBox;
        EXPECT_EQ(std::pair(rcNow.Width(), rcNow.Height()), std::pair(rc.Width(), rc.Height()));
        return Point{rcNow.left - rc.left, rcNow.top - rc.top};
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
    const Rgb white{255, 255, 255};  // a white disc, a paler nucleus, both outlined 3 pixels white
    const DrawnShape disc{DrawnShape::Kind::Ellipse, {100, 100, 165, 165}, {}, "", 0, 3, white, white};
    const DrawnShape nucleus{DrawnShape::Kind::Ellipse, {117, 117, 148, 148}, {}, "", 0, 3, white, {245, 245, 245}};
    EXPECT_EQ(std::vector(m_dc.m_shapes.begin(), m_dc.m_shapes.begin() + 2), (std::vector{disc, nucleus}));
    m_dlg.m_rcClient = Rect{100, 0, 589, 581};  // half the width 244, left + half 344
    EXPECT_EQ(Update(Rect{218, 268, 283, 333}, 0), (Point{-20, 20}));  // centre (250, 300): past the middle
    PlaceGermAt(Point{250, 300});  // inside the box
    EXPECT_EQ(Update(Rect{218, 268, 283, 333}, 1), (Point{0, 0}));
    EXPECT_TRUE(m_dc.m_shapes.size() == 2 * 5 && m_platform.m_boxes.empty());
}

}  // namespace
