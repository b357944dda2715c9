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
