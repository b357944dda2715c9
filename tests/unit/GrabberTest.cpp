// The grabber's spawn, its 65-step cycle, the pull of its line, its drawing
// and its closing slide. Its contact box is in the contact table.
#include "tests/unit/GameFixture.h"

namespace {

class GrabberTest : public GameFixture {
protected:
    CGrabber& m_grabber = *(m_dlg.m_pGrabber = new CGrabber);
    RecordingDrawingContext m_dc;
};

TEST_F(GrabberTest, ACycleSlidesInGrabsWithOneSoundSlidesOutAndRespawnsAt65)
{
    m_platform.m_nSeconds = 2;  // two passes of height then side, the last one counts
    m_platform.m_randQueue = {7, 0, 300, 1};
    m_grabber.Spawn(m_dlg.m_rcClient, m_platform);  // the anchor at (539, 300)
    for (int nStep = 1; nStep <= 64; ++nStep) {
        m_grabber.Advance(m_dlg.m_rcClient, m_platform);
        // In by step 15; the sound and the grab from step 16 to 50; then out.
        EXPECT_EQ(std::tuple(m_grabber.m_ptAnchor.x == 464, m_grabber.m_bGrabbing, m_platform.m_sounds.size()),
                  std::tuple(nStep >= 15 && nStep <= 50, nStep > 15 && nStep <= 50 ? 1 : 0, nStep > 15 ? 1u : 0u))
            << nStep;
    }
    m_platform.m_nSeconds = 0;  // no draw: the left side, the height kept
    m_grabber.Advance(m_dlg.m_rcClient, m_platform);
    EXPECT_EQ(std::tuple(m_grabber.m_nPhase, m_grabber.m_nSide, m_grabber.m_rcBox, m_platform.SoundIds()),
              std::tuple(0, 0, Rect{-100, 250, 0, 350}, std::vector<int>{ids::kSoundGrab}));
}

// The line runs from the anchor to 15 pixels above the germ and pulls a
// readable cursor 5 pixels per axis toward the anchor; closing pulls once
// more, lets go and slides the cell out for good, the phase held at 61.
TEST_F(GrabberTest, TheLinePullsTowardTheAnchorThenClosingLetsGoAndSlidesOutForGood)
{
    m_grabber.m_nSide = m_grabber.m_bGrabbing = 1;
    m_grabber.m_nPhase = 20;
    m_grabber.m_ptAnchor = Point{464, 200};
    m_grabber.m_rcBox = Rect{414, 150, 514, 250};
    const std::pair<Point, Point> pulls[] = {{{100, 215}, {5, 0}}, {{464, 400}, {0, -5}}, {{480, 100}, {-5, 5}}};
    for (const auto& [ptGerm, ptPull] : pulls) {
        PlaceGermAt(ptGerm);
        ASSERT_EQ(m_dlg.UpdateGrabber(m_dc, 1), 1);
        EXPECT_EQ(m_dlg.GetGermPos(), (Point{ptGerm.x + ptPull.x, ptGerm.y + ptPull.y}));
        EXPECT_EQ(m_dc.m_shapes.back().rc, (Rect{464, 200, ptGerm.x, ptGerm.y - 15}));
    }
    const std::vector<DrawnShape>& s = m_dc.m_shapes;  // body, nucleus, the mouth facing the area, line
    const Rgb red{150, 0, 0};
    EXPECT_EQ(std::tuple(s[2], s[3].nPenWidth, s[3].rgbPen),
              std::tuple(DrawnShape{DrawnShape::Kind::Ellipse, {409, 170, 464, 230}, {}, "", 0, 1, red, red}, 4,
                         Rgb{255, 255, 255}));
    m_platform.m_bCursorReadable = false;
    ASSERT_EQ(m_dlg.UpdateGrabber(m_dc, 1), 1);
    m_platform.m_bCursorReadable = true;
    for (int nCall = 1; nCall <= 10; ++nCall)
        ASSERT_EQ(m_dlg.UpdateGrabber(m_dc, 0), 1);
    // Three pulls, none unread, one last.
    EXPECT_EQ(std::tuple(m_grabber.m_nPhase, m_grabber.m_ptAnchor.x, m_platform.m_cursorMoves.size()),
              std::tuple(61, 464 + 5 * 10, 3u + 0 + 1));
    // The pull comes before the contact test: pulled onto the body's left
    // edge, 464, the germ dies in that same frame; and the frame behind the
    // death box shows the cell that killed (body, nucleus, mouth, line).
    m_grabber.m_bGrabbing = 1;
    PlaceGermAt(Point{459, 215});
    m_dc.m_shapes.clear();
    size_t nShapesAtBox = 0;
    m_platform.m_onMessageBox = [&](const std::string&) { nShapesAtBox = m_dc.m_shapes.size(); };
    EXPECT_EQ(m_dlg.UpdateGrabber(m_dc, 1), 0);
    EXPECT_EQ(nShapesAtBox, 4u);
}

}  // namespace
