#pragma once
// What a level says about itself; CGermDlg::RunLevel plays the protocol that
// every level shares (set-up, banner, running phase, closing phase, completion).
#include <functional>

class DrawingContext;

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
    int nSecondWaveCount = 0;   // bursters; 0 = no second wave
    int nSecondWavePeriodMs = 0;
    bool bChaser = false;
    bool bGrabber = false;
    int nSyringeCount = 0;
};

struct LevelHooks {
    // Spawns every hazard in the level's order and sets their modes.
    std::function<void()> spawn;
    // The level's group updates in its fixed order; false when the germ died,
    // after which nothing of the level may be touched.
    std::function<bool(DrawingContext& dc, int bRunning)> update;
    // Optional: runs at the start of every closing-phase call.
    std::function<void()> beforeClosing;
};
