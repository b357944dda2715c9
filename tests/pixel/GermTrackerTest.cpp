// The germ the host keeps on Wayland: what moves it, what the game's moves
// keep of the player's, where it stops, and when the pointer is locked.
#include <gtest/gtest.h>

#include <functional>

#include "platform/qt/GermTracker.h"

namespace {

struct MotionCase {
    const char* pszName;
    std::function<void(GermTracker&)> play;
    QPoint ptGerm;
};
void PrintTo(const MotionCase& c, std::ostream* p) { *p << c.pszName; }

// A 489 x 600 window; the germ starts at 100, 100, the pointer over it and locked.
GermTracker Playing()
{
    GermTracker tracker;
    tracker.SetBounds(QSize(489, 600));
    tracker.PointerEntered(QPointF(100, 100));
    tracker.SetLocked(true);
    tracker.Step(QPoint(0, 0), QPoint(100, 100));
    return tracker;
}

const MotionCase kMotion[] = {
    {"LockedRelativeMotionMoves", [](GermTracker& t) { t.MovedBy({7, -3}); }, {107, 97}},
    {"FractionsAddUp", [](GermTracker& t) { t.MovedBy({0.5, 0.75}); t.MovedBy({0.5, 0.5}); }, {101, 101}},
    {"LockedIgnoresThePointersPlace", [](GermTracker& t) { t.PointerMoved({300, 300}); }, {100, 100}},
    {"UnlockedIgnoresRelativeMotion", [](GermTracker& t) { t.Release(); t.MovedBy({50, 0}); }, {100, 100}},
    // Released, the pointer is put at the germ: its moves count from there.
    {"ReleasedFollowsThePointersMoves",
     [](GermTracker& t) { t.MovedBy({10, 0}); t.Release(); t.PointerMoved({115, 105}); }, {115, 105}},
    // Lost to another window, the pointer stayed where it was locked.
    {"LostLockFollowsThePointerFromWhereItWas",
     [](GermTracker& t) { t.MovedBy({10, 0}); t.SetLocked(false); t.PointerMoved({103, 100}); }, {113, 100}},
    {"OurReleaseAfterALostLockLeavesThePointerThere",
     [](GermTracker& t) { t.MovedBy({10, 0}); t.SetLocked(false); t.Release(); t.PointerMoved({103, 100}); }, {113, 100}},
    {"ComingBackOverTheWindowIsNoJump",
     [](GermTracker& t) { t.SetLocked(false); t.PointerLeft(); t.PointerEntered({400, 50}); t.PointerMoved({401, 52}); },
     {101, 102}},
    // A push read at 100 and sent 4 ms later keeps what the player moved meanwhile.
    {"AGameMoveKeepsThePlayersMotion", [](GermTracker& t) { t.MovedBy({3, 1}); t.Step({100, 100}, {120, 100}); },
     {123, 101}},
    {"AFlickPastTheRightWallStopsOnIt", [](GermTracker& t) { t.MovedBy({5000, 0}); }, {489, 100}},
    {"AFlickPastTheTopLeftStopsInTheCorner", [](GermTracker& t) { t.MovedBy({-900, -900}); }, {0, 0}},
    {"TheBottomWallHolds", [](GermTracker& t) { t.Step({100, 100}, {100, 700}); }, {100, 600}},
    // No lock to be had: the pointer as reported, which the game cannot move.
    {"WithoutALockTheGermIsThePointer",
     [](GermTracker& t) { t.SetFollowsPointer(true); t.PointerMoved({250, 260}); t.Step({250, 260}, {270, 260}); },
     {250, 260}},
};

class GermMotion : public testing::TestWithParam<MotionCase> {};

TEST_P(GermMotion, EndsWhereThePlayerAndTheGameSentIt)
{
    GermTracker tracker = Playing();
    GetParam().play(tracker);
    EXPECT_EQ(tracker.Position(), GetParam().ptGerm);
}

INSTANTIATE_TEST_SUITE_P(Tracker, GermMotion, testing::ValuesIn(kMotion),
                         [](const testing::TestParamInfo<MotionCase>& info) { return info.param.pszName; });

struct LockCase {
    const char* pszName;
    std::function<void(GermTracker&)> play;
    bool bDrawn, bClicksAtGerm, bWantsLock;
};
void PrintTo(const LockCase& c, std::ostream* p) { *p << c.pszName; }

const LockCase kLock[] = {
    {"InPlay", [](GermTracker&) {}, true, true, true},
    {"GermCursorOff", [](GermTracker& t) { t.SetGermOn(false); }, false, false, false},
    {"ABoxOpen", [](GermTracker& t) { t.Hold(true); }, true, false, false},
    {"AMenuOverABox", [](GermTracker& t) { t.Hold(true); t.Hold(true); t.Hold(false); }, true, false, false},
    {"BoxClosedAgain", [](GermTracker& t) { t.Hold(true); t.Hold(false); }, true, true, true},
    {"PointerAway", [](GermTracker& t) { t.PointerLeft(); }, true, true, false},
    {"PointerBack", [](GermTracker& t) { t.PointerLeft(); t.PointerEntered({5, 5}); }, true, true, true},
    {"NoLockProtocol", [](GermTracker& t) { t.SetFollowsPointer(true); }, false, false, false},
};

class GermLock : public testing::TestWithParam<LockCase> {};

TEST_P(GermLock, IsTakenOnlyInPlayWithThePointerOverTheWindow)
{
    GermTracker tracker = Playing();
    tracker.SetGermOn(true);
    GetParam().play(tracker);
    EXPECT_EQ(tracker.IsDrawn(), GetParam().bDrawn);
    EXPECT_EQ(tracker.ClicksAtGerm(), GetParam().bClicksAtGerm);
    EXPECT_EQ(tracker.WantsLock(), GetParam().bWantsLock);
}

INSTANTIATE_TEST_SUITE_P(Tracker, GermLock, testing::ValuesIn(kLock),
                         [](const testing::TestParamInfo<LockCase>& info) { return info.param.pszName; });

}  // namespace
