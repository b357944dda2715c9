#pragma once
// The texts of the game's message boxes.

inline constexpr const char* kInstructionsText =
    "Your job, as a lone germ, is to locate and infect the human heart of the host you have "
    "invaded, killing the poor sick man you inhabit (a germ's dream come true!).  However, the "
    "human body is not without its defenses (white blood cells, medicine, etc.), so you must "
    "escape and dodge anything that attacks you.\n"
    "\n"
    "You will control your movements via the cursor (the germ is the cursor), up through the "
    "blood stream.  Dodge anything that moves to survive (or even anything that doesn't move, "
    "including the sides of the screen), for if any antigens or antibodies get a hold of you "
    "they will rip the beating nucleus from your gaping germ cytoplasm.  That would be bad.  So "
    "good luck, and good infecting!  May you spread like the plague.";

inline constexpr const char* kDeathText = "You have been disinfected!";
inline constexpr const char* kCursorReadFailedText = "GetCursorPos() is a shitty function!";
