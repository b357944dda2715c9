// The contact rule of every hazard family, edge by edge: live hazards of one
// family, the germ on an edge of its contact area, then one pixel out, and a
// running group update each time. On the edge the germ dies (the update ends
// the frame, one death box), a pixel out it lives.
#include "tests/unit/GameFixture.h"

namespace {

// Each puts live hazards of one family into the level. Drifter box
// (100, 100, 150, 150).
void Drifter(CGermDlg& d)
{
    (d.m_pFirstWave = new CDrifter[d.m_nFirstWaveCount = 1])->m_rcBox = Rect{100, 100, 150, 150};
    d.m_pFirstWave->m_bActive = 1;
}

// A whole cell, and a burst one whose eight fragments stack in its middle.
void Bursters(CGermDlg& d)
{
    CBurster* p = d.m_pSecondWave = new CBurster[d.m_nSecondWaveCount = 2];
    p[0].m_rcBox = Rect{100, 100, 200, 200};
    p[1].m_rcBox = Rect{300, 300, 400, 400};
    p[0].m_bActive = p[1].m_bActive = p[1].m_bBurst = 1;
    p[1].StartBurst();
}

// A left-wall syringe at its spawn place, spraying, and a right-wall one whose
// spray has no height: it has no dots (and nothing to divide by) but is shown
// on every miss.
void Syringes(CGermDlg& d)
{
    CSyringe* p = d.m_pSyringes = new CSyringe[d.m_nSyringeCount = 2];
    p[1].m_nSide = p[0].m_bSpraying = p[1].m_bSpraying = 1;
    p[0].m_ptBody[0] = Point{0, 100};
    p[1].m_ptBody[0] = Point{300, 400};
    p[0].m_rcSpray = Rect{200, 250, 480, 265};
    p[1].m_rcSpray = Rect{0, 0, 100, 0};
    p[0].PlaceBody();
    p[1].PlaceBody();
}

void Chaser(CGermDlg& d) { (d.m_pChaser = new CChaser)->m_rcBox = Rect{100, 100, 165, 165}; }
void Grabber(CGermDlg& d) { (d.m_pGrabber = new CGrabber)->m_rcBox = Rect{414, 250, 514, 350}; }

// Client points, as GetGermPos reads them.
struct ContactCase { const char* pszName; void (*install)(CGermDlg& dlg); Point ptOn, ptOut; };
void PrintTo(const ContactCase& c, std::ostream* os) { *os << c.pszName; }

const ContactCase kCases[] = {
    // Drifter: the box, not the disc.
    {"DrifterLeft", Drifter, {100, 105}, {99, 105}}, {"DrifterRight", Drifter, {150, 145}, {151, 145}},
    {"DrifterTop", Drifter, {105, 100}, {105, 99}},  {"DrifterBottom", Drifter, {145, 150}, {145, 151}},
    // Bursters: the whole box (100, 100, 200, 200); the fragments' square
    // (325, 325, 375, 375), not the rest of the burst cell's box.
    {"BursterLeft", Bursters, {100, 100}, {99, 100}}, {"BurstFragmentsLeft", Bursters, {325, 330}, {324, 330}},
    {"BurstFragmentsBottom", Bursters, {375, 375}, {375, 376}},
    // Syringe bodies, 20 above and below, no margin sideways: the left one in
    // client x -120..0, y 99..169, the right one in 300..420, 369..439; the
    // spray (200, 250, 480, 265), 26 above and below. Their test takes the
    // 19-pixel menu bar off the germ's y once more.
    {"SyringeLeftBodyTop", Syringes, {0, 99}, {0, 98}}, {"SyringeLeftBodyBottom", Syringes, {-120, 169}, {-120, 170}},
    {"SyringeLeftBodyTip", Syringes, {0, 120}, {1, 120}}, {"SyringeRightBodyTop", Syringes, {420, 369}, {420, 368}},
    {"SyringeRightBodyBottom", Syringes, {300, 439}, {300, 440}},
    {"SyringeSprayTop", Syringes, {480, 243}, {480, 242}}, {"SyringeSprayBottom", Syringes, {200, 310}, {200, 311}},
    // Chaser box (100, 100, 165, 165) and grabber box (414, 250, 514, 350):
    // the box, not the disc.
    {"ChaserTopLeft", Chaser, {100, 100}, {99, 100}},    {"ChaserBottomRight", Chaser, {165, 165}, {165, 166}},
    {"GrabberTopLeft", Grabber, {414, 250}, {414, 249}}, {"GrabberBottomLeft", Grabber, {414, 350}, {413, 350}},
};

class ContactTest : public GameFixture, public ::testing::WithParamInterface<ContactCase> {};

TEST_P(ContactTest, TheGermDiesOnTheEdgeOfTheFamilysContactAreaAndNotAPixelOut)
{
    const ContactCase& c = GetParam();
    CGermDlg& d = m_dlg;
    for (bool bOn : {true, false}) {
        c.install(d);
        PlaceGermAt(bOn ? c.ptOn : c.ptOut);
        RecordingDrawingContext dc;
        // A running frame of every family, in effect the installed one's group update.
        const int bAlive = d.UpdateFirstWave(dc, 15, 1) && d.UpdateSecondWave(dc, 1) && d.UpdateSyringes(dc, 1) &&
                           (!d.m_pChaser || d.UpdateChaser(dc, 3, 1)) && (!d.m_pGrabber || d.UpdateGrabber(dc, 1));
        EXPECT_EQ(std::make_pair(bAlive, m_platform.m_boxes.size()), std::make_pair(bOn ? 0 : 1, std::size_t{1})) << bOn;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, ContactTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
