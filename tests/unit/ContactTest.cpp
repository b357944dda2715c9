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
