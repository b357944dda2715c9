#pragma once
// The pointer is read once a frame: every hazard's contact test asks, and on
// X11 each answer is a round trip to the server. The reading holds for that
// frame only, so a move made between frames (a menu command starting a
// level) steps from where the pointer is, not from where the last frame saw it.
#include <optional>

// Runs frame() with no reading from before it, and drops what it read at its
// end (every form of the reading: game and device pixels). A frame nested in
// it (behind a box the frame opened) does the same.
template <class Frame, class... Reading>
void RunWithFreshReading(Frame&& frame, std::optional<Reading>&... readings)
{
    (readings.reset(), ...);
    frame();
    (readings.reset(), ...);
}
