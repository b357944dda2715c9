#pragma once
// What a level says about itself: its numbers, its drifters' modes and the
// order of its group updates. CGermDlg::RunLevel plays the protocol every
// level shares (set-up, banner, running phase, closing phase, completion).
#include <span>

// The hazard families a level can bring, each with its own group update.
enum class HazardGroup { FirstWave, SecondWave, Chaser, Syringes, Grabber };

// How a drifter moves; each is one flag set right after its spawn.
enum class DrifterMode { Straight, Zigzag, Homing, Steered };

// nCount drifters in index order get this mode.
struct DrifterModeRun {
    int nCount;
    DrifterMode mode;
};

struct LevelScript {
    // Title for the banner; a level without one (Level 1) also plays no start
    // sound and leaves the cursor where the countdown put it.
    const char* pszTitle = nullptr;
    // The running phase ends and the closing phase begins at this frame.
    int nEndFrame = 525;
    // Progress rule on completion: below nRaiseBelow it becomes nRaiseTo.
    int nRaiseBelow = 0;
    int nRaiseTo = 0;

    int nFirstWaveCount = 0;
    int nDrifterSpeed = 0;
    // Modes of the first wave in index order; drifters past them fall straight.
    std::span<const DrifterModeRun> drifterModes{};
    // Every drifter's mode flags are cleared before each closing-phase update,
    // so the wave falls straight out of the window.
    bool bDriftersFallWhenClosing = false;

    int nSecondWaveCount = 0;    // bursters, when the level has a second wave
    int nSecondWavePeriodMs = 0;
    int nChaserSpeed = 0;        // hunting speed, when the level has a chaser
    int nSyringeCount = 0;

    // The level's hazard families in the order they are spawned, updated and
    // so drawn; the first wave is always there.
    std::span<const HazardGroup> groups{};
};
