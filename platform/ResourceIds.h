#pragma once
// Numbers shared by the game and its host: commands, sounds, pictures.

namespace ids {

// "Start" menu, in menu order; "Help" menu.
inline constexpr int kNewGame = 32771;
inline constexpr int kLevel2 = 32772;
inline constexpr int kFinalLevel = 32780;
inline constexpr int kEndingAct = 32781;
inline constexpr int kAbout = 32782;
inline constexpr int kInstructions = 32783;
inline constexpr int kFirstStartCommand = kNewGame;
inline constexpr int kLastStartCommand = kEndingAct;

inline constexpr int kIcon = 128;
inline constexpr int kGermCursor = 130;
inline constexpr int kHeartBitmap = 148;
inline constexpr int kInfectedHeartBitmap = 150;

inline constexpr int kSoundUnused = 138;
inline constexpr int kSoundInfect = 139;   // "INFECT!" and every level start
inline constexpr int kSoundCount = 140;    // "Ready" and "Set"
inline constexpr int kSoundDeath = 141;
inline constexpr int kSoundBurst = 142;
inline constexpr int kSoundGrab = 143;
inline constexpr int kSoundSpray = 145;
inline constexpr int kSoundHeartbeat = 149;
inline constexpr int kSoundInfection = 151;

}  // namespace ids
