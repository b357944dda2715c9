// The grabber's spawn, its 65-step cycle, the pull of its line, its drawing
// and its closing slide. Its contact box is in the contact table.
#include "tests/unit/GameFixture.h"

namespace {

class GrabberTest : public GameFixture {
protected:
    void Place(int nSide, Point pt)
    {
        m_grabber.m_nSide = nSide;
        m_grabber.m_ptAnchor = pt;
        m_grabber.m_rcBox = Rect{pt.x - 50, pt.y - 50, pt.x + 50, pt.y + 50};
    }
    CGrabber& m_grabber = *(m_dlg.m_pGrabber = new CGrabber);
    RecordingDrawingContext m_dc;
};

TEST_F(GrabberTest, SpawnHidesTheBodyThenACycleSlidesInGrabsWithOneSoundSlidesOutAndRespawns)
{
    Place(1, Point{0, 123});
    m_platform.m_nSeconds = 0;  // no draw: the left side, the height kept
    m_grabber.Spawn(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(m_grabber.m_nSide, 0);
    EXPECT_EQ(m_grabber.m_rcBox, (Rect{-100, 73, 0, 173}));  // right edge on the area's left edge
    m_platform.m_nSeconds = 2;  // two passes of height then side, the last one counts
    m_platform.m_randQueue = {7, 1, 300, 0, 9, 0, 100, 1};
    m_grabber.Spawn(m_dlg.m_rcClient, m_platform);
    std::string strGrabbing;
    for (int nStep = 1; nStep <= 64; ++nStep) {
        m_grabber.Advance(m_dlg.m_rcClient, m_platform);
        strGrabbing += static_cast<char>('0' + m_grabber.m_bGrabbing);
        EXPECT_EQ(m_grabber.m_ptAnchor.x == 25, nStep >= 15 && nStep <= 50) << nStep;
        EXPECT_EQ(m_platform.m_sounds.size(), nStep >= 16 ? 1u : 0u) << nStep;
    }
    EXPECT_EQ(strGrabbing, std::string(15, '0') + std::string(35, '1') + std::string(14, '0'));
    EXPECT_EQ(m_grabber.m_ptAnchor, (Point{-45, 300}));
    m_grabber.Advance(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(m_grabber.m_nPhase, 0);
    EXPECT_EQ(m_grabber.m_rcBox, (Rect{489, 50, 589, 150}));  // left edge on the area's right edge
    EXPECT_EQ(m_platform.SoundIds(), std::vector<int>{ids::kSoundGrab});
}

TEST_F(GrabberTest, TheLineRunsFromTheAnchorAboveTheGermAndPullsFivePixelsPerAxisTowardIt)
{
    // Germ and pull; the anchor is (100, 200), the line ends 15 pixels above the germ.
    const std::pair<Point, Point> pulls[] = {
        {{300, 215}, {-5, 0}},  // level with the anchor: sideways only
        {{100, 400}, {0, -5}},  // straight below it: vertical only
        {{30, 100}, {5, 5}}, {{100, 215}, {0, 0}},
    };
    Place(0, Point{100, 200});
    m_grabber.m_bGrabbing = 1;
    for (const auto& [ptGerm, ptPull] : pulls) {
        PlaceGermAt(ptGerm);
        const Point ptCursor = m_platform.m_ptCursor;
        m_dlg.DrawGrabber(m_dc);
        EXPECT_EQ(m_platform.m_ptCursor, (Point{ptCursor.x + ptPull.x, ptCursor.y + ptPull.y}));
        EXPECT_EQ(m_dc.m_shapes.back().rc, (Rect{100, 200, ptGerm.x, ptGerm.y - 15}));
    }
    EXPECT_EQ(m_dc.m_shapes[2].rc, (Rect{100, 170, 155, 230}));  // the mouth faces right
    m_platform.m_bCursorReadable = false;  // nothing read: no pull, no box, the line all the same
    m_platform.m_cursorMoves.clear();
    m_dlg.GrabGerm(m_dc);
    EXPECT_TRUE(m_platform.m_cursorMoves.empty() && m_platform.m_boxes.empty());
    ASSERT_EQ(m_dc.m_shapes.size(), 17u);  // four frames of body, nucleus, mouth, line; one line
    EXPECT_EQ(m_dc.m_shapes.back().nPenWidth, 4);
    EXPECT_EQ(m_dc.m_shapes.back().rgbPen, (Rgb{255, 255, 255}));
}

TEST_F(GrabberTest, ClosingPullsOnceMoreThenSlidesOutForGoodAtPhase61)
{
    Place(1, Point{464, 300});
    m_grabber.m_nPhase = 30;
    m_grabber.m_bGrabbing = 1;
    PlaceGermAt(Point{200, 300});
    m_platform.m_nSeconds = 1;  // a respawn would draw
    for (int nCall = 1; nCall <= 10; ++nCall) {
        ASSERT_EQ(m_dlg.UpdateGrabber(m_dc, 0), 1);
        EXPECT_EQ(m_grabber.m_nPhase, 61);
        EXPECT_EQ(m_grabber.m_ptAnchor.x, 464 + 5 * nCall);
    }
    EXPECT_EQ(m_platform.m_cursorMoves.size(), 1u);  // the one last pull
    EXPECT_EQ(m_dc.m_shapes[2].rc, (Rect{409, 270, 464, 330}));  // the mouth faces left
    EXPECT_EQ(m_dc.m_shapes[2].rgbBrush, (Rgb{150, 0, 0}));
}

}  // namespace
