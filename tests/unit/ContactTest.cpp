// The contact rule of every hazard family, edge by edge: one live hazard in a
// level under way, the germ at one point, one group update. A hit kills the
// germ (state 0, the level's hazards gone, one death box); a miss does not.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

struct ContactCase {
    const char* pszName;
    // Puts one live hazard of the family into the level.
    void (*install)(CGermDlg& dlg);
    // The family's group update in the running phase.
    int (*update)(CGermDlg& dlg, DrawingContext& dc);
    Point ptGerm;  // client point, as GetGermPos reads it
    bool bHit;
};

void InstallDrifter(CGermDlg& dlg)
{
    dlg.m_nFirstWaveCount = 1;
    dlg.m_pFirstWave = new CDrifter[1];
    dlg.m_pFirstWave[0].m_rcBox = Rect{100, 100, 150, 150};
    dlg.m_pFirstWave[0].m_bActive = 1;
}

int UpdateDrifters(CGermDlg& dlg, DrawingContext& dc)
{
    return dlg.UpdateFirstWave(dc, 15, 1);
}

// A whole cell, and a burst one whose eight fragments stack in its middle.
void InstallBursters(CGermDlg& dlg)
{
    CBurster* pWave = dlg.m_pSecondWave = new CBurster[dlg.m_nSecondWaveCount = 2];
    pWave[0].m_rcBox = Rect{100, 100, 200, 200};
    pWave[1].m_rcBox = Rect{300, 300, 400, 400};
    pWave[0].m_bActive = pWave[1].m_bActive = pWave[1].m_bBurst = 1;
    pWave[1].StartBurst();
}

int UpdateBursters(CGermDlg& dlg, DrawingContext& dc) { return dlg.UpdateSecondWave(dc, 1); }

// A left-wall syringe at its spawn place, spraying, and a right-wall one.
// Their test takes the 19-pixel menu bar off the germ's y once more.
void InstallSyringes(CGermDlg& dlg)
{
    CSyringe* pSyringes = dlg.m_pSyringes = new CSyringe[dlg.m_nSyringeCount = 2];
    pSyringes[1].m_nSide = pSyringes[0].m_bSpraying = 1;
    pSyringes[0].m_ptBody[0] = Point{0, 100};
    pSyringes[1].m_ptBody[0] = Point{300, 400};
    pSyringes[0].PlaceBody();
    pSyringes[1].PlaceBody();
    pSyringes[0].m_rcSpray = Rect{200, 250, 480, 265};
}

int UpdateSyringes(CGermDlg& dlg, DrawingContext& dc) { return dlg.UpdateSyringes(dc, 1); }

void InstallChaser(CGermDlg& dlg) { (dlg.m_pChaser = new CChaser)->m_rcBox = Rect{100, 100, 165, 165}; }
int UpdateChaser(CGermDlg& dlg, DrawingContext& dc) { return dlg.UpdateChaser(dc, 3, 1); }
void InstallGrabber(CGermDlg& dlg) { (dlg.m_pGrabber = new CGrabber)->m_rcBox = Rect{414, 250, 514, 350}; }
int UpdateGrabber(CGermDlg& dlg, DrawingContext& dc) { return dlg.UpdateGrabber(dc, 1); }

const ContactCase kCases[] = {
    // Drifter box (100, 100, 150, 150): edges and corners count, the disc does not.
    {"DrifterTopLeftCorner", InstallDrifter, UpdateDrifters, {100, 100}, true},
    {"DrifterBottomRightCorner", InstallDrifter, UpdateDrifters, {150, 150}, true},
    {"DrifterTopRightCorner", InstallDrifter, UpdateDrifters, {150, 100}, true},
    {"DrifterLeftEdge", InstallDrifter, UpdateDrifters, {100, 125}, true},
    {"DrifterLeftOfBox", InstallDrifter, UpdateDrifters, {99, 125}, false},
    {"DrifterRightOfBox", InstallDrifter, UpdateDrifters, {151, 125}, false},
    {"DrifterAboveBox", InstallDrifter, UpdateDrifters, {125, 99}, false},
    {"DrifterBelowBox", InstallDrifter, UpdateDrifters, {125, 151}, false},
    {"DrifterOffTheCorner", InstallDrifter, UpdateDrifters, {151, 151}, false},
    // Bursters: the whole box (100, 100, 200, 200); the fragments' square
    // (325, 325, 375, 375), and not the rest of the burst cell's box.
    {"BursterTopLeftCorner", InstallBursters, UpdateBursters, {100, 100}, true},
    {"BurstFragmentsCorner", InstallBursters, UpdateBursters, {375, 375}, true},
    {"BurstCellOutsideFragments", InstallBursters, UpdateBursters, {310, 310}, false},
    // Syringe bodies, 20 above and below (client y 99..169 and 369..439),
    // no margin sideways; the spray (200, 250, 480, 265), 26 above and below.
    {"SyringeTipOnTheLeftEdge", InstallSyringes, UpdateSyringes, {0, 99}, true},
    {"SyringeAboveLeftBody", InstallSyringes, UpdateSyringes, {0, 98}, false},
    {"SyringeLeftBodyBottom", InstallSyringes, UpdateSyringes, {-120, 169}, true},
    {"SyringeBelowLeftBody", InstallSyringes, UpdateSyringes, {-120, 170}, false},
    {"SyringeRightOfTip", InstallSyringes, UpdateSyringes, {1, 120}, false},
    {"SyringeRightBodyTop", InstallSyringes, UpdateSyringes, {420, 369}, true},
    {"SyringeBelowRightBody", InstallSyringes, UpdateSyringes, {300, 440}, false},
    {"SyringeSpray26Above", InstallSyringes, UpdateSyringes, {200, 243}, true},
    {"SyringeSpray27Above", InstallSyringes, UpdateSyringes, {480, 242}, false},
    {"SyringeSpray27Below", InstallSyringes, UpdateSyringes, {300, 311}, false},
    // Chaser box (100, 100, 165, 165) and grabber box (414, 250, 514, 350):
    // the box, not the disc, edges included.
    {"ChaserTopLeftCorner", InstallChaser, UpdateChaser, {100, 100}, true},
    {"ChaserBottomRightCorner", InstallChaser, UpdateChaser, {165, 165}, true},
    {"ChaserLeftOfBox", InstallChaser, UpdateChaser, {99, 130}, false},
    {"ChaserBelowBox", InstallChaser, UpdateChaser, {130, 166}, false},
    {"GrabberTopLeftCorner", InstallGrabber, UpdateGrabber, {414, 250}, true},
    {"GrabberBottomLeftCorner", InstallGrabber, UpdateGrabber, {414, 350}, true},
    {"GrabberLeftOfBox", InstallGrabber, UpdateGrabber, {413, 300}, false},
    {"GrabberBelowBox", InstallGrabber, UpdateGrabber, {450, 351}, false},
};

class ContactTest : public GameFixture, public ::testing::WithParamInterface<ContactCase> {};

TEST_P(ContactTest, TheGermDiesExactlyOnTheFamilysContactArea)
{
    const ContactCase& c = GetParam();
    m_dlg.m_nState = kStateLevel1 + 1;
    c.install(m_dlg);
    PlaceGermAt(c.ptGerm);
    RecordingDrawingContext dc;
    EXPECT_EQ(c.update(m_dlg, dc), c.bHit ? 0 : 1);
    EXPECT_EQ(m_dlg.m_nState, c.bHit ? kStateIdle : kStateLevel1 + 1);
    EXPECT_EQ(m_platform.m_boxes.size(), c.bHit ? 1u : 0u);
    if (c.bHit) {
        EXPECT_EQ(m_dlg.m_pFirstWave, nullptr);
    }
    m_dlg.ClearLevel();
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, ContactTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
