#pragma once
// Numbers shared by the game and its hosts: commands, sounds, pictures.
// The Windows resource script reads every `int k... = number;` line here.

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

// The system menu's About item and its text (string resource).
inline constexpr int kSysAbout = 16;
inline constexpr int kAboutMenuString = 101;

// The About box and its controls.
inline constexpr int kAboutDialog = 100;
inline constexpr int kAboutVersionLine = 1001;
inline constexpr int kAboutSecondLine = 1002;
inline constexpr int kAboutNotice = 1003;
inline constexpr int kAboutVisitButton = 1004;

inline constexpr int kIcon = 128;
inline constexpr int kGermCursor = 130;
inline constexpr int kGermHotSpot = 15;  // x and y, in the cursor's 32 x 32 pixels
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
