#pragma once
// What the host settles before and just after the application object is
// made: how the game is scheduled, a windowing system that lets the game move
// the pointer, the program's name and version, and its widget style.

// Call first of all, before anything needs a display: answers --help and
// --version on stdout (exit code 0) and refuses anything else in one line on
// stderr (exit code 2). Returns -1 when there is no argument, so the game runs.
int AnswerCommandLine(int argc, char** argv);

// Call before QApplication exists. Asks the kernel for short time slices
// (frames start on time on a busy machine); picks X11 under Wayland (the game
// pushes the real pointer, which Wayland forbids) unless the user chose a
// platform; without any display, says so in one line and ends the program.
void PrepareHostEnvironment();

// Call once the QApplication exists.
void ConfigureApplication();
