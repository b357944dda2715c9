#pragma once
// What the host settles before and just after the application object is
// made: a windowing system that lets the game move the pointer, the
// program's name and version, and its widget style.

// Call before QApplication exists. Picks X11 under Wayland (the game pushes
// the real pointer, which Wayland forbids) unless the user chose a platform;
// without any display, says so in one line and ends the program.
void PrepareHostEnvironment();

// Call once the QApplication exists.
void ConfigureApplication();
