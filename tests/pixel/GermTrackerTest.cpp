// The germ the host keeps on Wayland: what moves it, what the game's moves
// keep of the player's, where it stops, and when the pointer is locked; and
// the frame's one reading of the pointer.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/qt/FrameReading.h"
#include "platform/qt/GermTracker.h"

namespace {

struct MotionCase {
    const char* pszName;
    std::function<void(GermTracker&)> play;
    QPoint ptGerm;
};
void PrintTo(const MotionCase& c, std::ostream* p) { *p << c.pszName; }

// A 489 x 600 window in decorations of its own (3 px borders, a 30 px title
// bar) on a 1920 x 1080 output; the germ starts at 100, 100, the pointer over
// it and locked.
const QRect kOuter(700, 200, 495, 633);
GermTracker Playing()
{
    GermTracker tracker;
    tracker.SetWindow(kOuter, QRect(703, 230, 489, 600));
    tracker.SetReach(QSize(1920, 1080));
    tracker.PointerEntered(QPointF(100, 100));
    tracker.Locked();
    tracker.Step(QPoint(0, 0), QPoint(100, 100));
    return tracker;
}

const MotionCase kMotion[] = {
    {"LockedRelativeMotionMoves", [](GermTracker& t) { t.MovedBy({7, -3}); }, {107, 97}},
    {"FractionsAddUp", [](GermTracker& t) { t.MovedBy({0.5, 0.75}); t.MovedBy({0.5, 0.5}); }, {101, 101}},
    {"LockedIgnoresThePointersPlace", [](GermTracker& t) { t.PointerMoved({300, 300}); }, {100, 100}},
    // Unlocked, the compositor sends both the pointer's move and its relative motion.
    {"UnlockedMotionCountsOnce", [](GermTracker& t) { t.Release(); t.PointerMoved({110, 100}); t.MovedBy({10, 0}); },
     {110, 100}},
    {"SurfaceMotionIsHalvedAtScaleTwo", [](GermTracker& t) { t.SetScale(2); t.MovedBy({10, 6}); }, {105, 103}},
    {"FlooredLeftOfTheWallAndAbove", [](GermTracker& t) { t.MovedBy({-100.25, 0.75}); }, {-1, 100}},
    // Released, the pointer is put at the germ: its moves count from there.
    {"ReleasedFollowsThePointersMoves",
     [](GermTracker& t) { t.MovedBy({10, 0}); t.Release(); t.PointerMoved({115, 105}); }, {115, 105}},
    // Lost to another window, the pointer stayed where it was locked.
    {"LostLockFollowsThePointerFromWhereItWas",
     [](GermTracker& t) { t.MovedBy({10, 0}); t.Unlocked(); t.PointerMoved({103, 100}); }, {113, 100}},
    {"OurReleaseAfterALostLockLeavesThePointerThere",
     [](GermTracker& t) { t.MovedBy({10, 0}); t.Unlocked(); t.Release(); t.PointerMoved({103, 100}); }, {113, 100}},
    {"ComingBackOverTheWindowIsNoJump",
     [](GermTracker& t) { t.Unlocked(); t.PointerLeft(); t.PointerEntered({400, 50}); t.PointerMoved({401, 52}); },
     {101, 102}},
    // A push read at 100 and sent 4 ms later keeps what the player moved meanwhile.
    {"AGameMoveKeepsThePlayersMotion", [](GermTracker& t) { t.MovedBy({3, 1}); t.Step({100, 100}, {120, 100}); },
     {123, 101}},
    // Past a wall as a pointer goes, stopping an output's size beyond the outer rectangle.
    {"AFlickGoesPastTheRightWall", [](GermTracker& t) { t.MovedBy({1500, 0}); }, {1600, 100}},
    {"AFlickStopsAnOutputPastTheRightWall", [](GermTracker& t) { t.MovedBy({5000, 0}); }, {495 + 1920, 100}},
    {"AFlickStopsAnOutputPastTheTopLeft", [](GermTracker& t) { t.MovedBy({-5000, -5000}); }, {-1920, -1080}},
    {"AGameMoveStopsAnOutputBelow", [](GermTracker& t) { t.Step({100, 100}, {100, 5000}); }, {100, 633 + 1080}},
    {"APushOutsideStepsFromWhereItIs", [](GermTracker& t) { t.MovedBy({600, 0}); t.Step({800, 300}, {780, 300}); },
     {680, 100}},
    // The walls' rectangle grew (decorations arrived) or shrank: the reach follows at once.
    {"WiderDecorationsWidenTheReach",
     [](GermTracker& t) { t.SetWindow(QRect(690, 190, 505, 650), QRect(693, 220, 489, 600)); t.MovedBy({5000, 0}); },
     {505 + 1920, 100}},
    {"ANarrowerWindowPullsTheGermIn",
     [](GermTracker& t) { t.MovedBy({5000, 0}); t.SetWindow(QRect(700, 200, 489, 600), QRect(700, 200, 489, 600)); },
     {489 + 1920, 100}},
    // No lock to be had: the pointer as reported, which the game cannot move.
    {"WithoutALockTheGermJumpsToThePointer", [](GermTracker& t) { t.MovedBy({10, 0}); t.SetFollowsPointer(true); },
     {100, 100}},
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

// The germ at 100, 100 from the outer top-left, drawn on a surface at scale 2.
TEST(GermTracker, SpeaksOfOnePlaceInEachSpace)
{
    GermTracker tracker = Playing();
    tracker.SetScale(2);
    EXPECT_EQ(tracker.Read(), kOuter.topLeft() + QPoint(100, 100));
    EXPECT_EQ(tracker.InWindow(), QPoint(97, 70));
    EXPECT_EQ(tracker.OnSurface(), QPoint(200, 200));
}

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

// What a frame read is not what the next one, or a move between them, sees.
TEST(FrameReading, HoldsForItsFrameOnly)
{
    std::optional<int> nReading = 1;  // from before the frame
    std::optional<int> nSeen;
    RunWithFreshReading([&] {
        nSeen = nReading;
        nReading = 2;
    }, nReading);
    EXPECT_EQ(nSeen, std::nullopt);
    EXPECT_EQ(nReading, std::nullopt);
}
