#pragma once
// Named numbers of the game window: timers, states, frame thresholds.

namespace game {

inline constexpr int kFrameTimer = 101;
inline constexpr int kFirstWaveTimer = 103;
inline constexpr int kSecondWaveTimer = 104;
inline constexpr int kFramePeriodMs = 65;
inline constexpr int kFirstWavePeriodMs = 500;

// m_nState values; levels are 2 (Level 1) to 11 (Final Level).
inline constexpr int kStateIdle = 0;
inline constexpr int kStateCountdown = 1;
inline constexpr int kStateLevel1 = 2;
inline constexpr int kStateFinalLevel = 11;
inline constexpr int kStateEndingAct = 12;

// The highest progress the menu understands: everything unlocked.
inline constexpr int kMaxProgress = 12;

// Levels 2 to 10 show their title while m_nFrame runs up to this value.
inline constexpr int kBannerLastFrame = 25;

// The germ's start point lies this far above the window's bottom edge.
inline constexpr int kStartPointAboveBottom = 150;

}  // namespace game
