#pragma once
// What the host settles before and just after the application object is
// made: how the game is scheduled, the windowing system, the program's name
// and version, and its widget style; and how the program ends.

// Call first of all, before anything needs a display: answers --help and
// --version on stdout (exit code 0) and refuses anything else in one line on
// stderr (exit code 2). Returns -1 when there is no argument, so the game runs.
int AnswerCommandLine(int argc, char** argv);

// Call before QApplication exists. Asks the kernel for short time slices
// (frames start on time on a busy machine); picks Wayland in a Wayland
// session and X11 otherwise, unless the user chose a platform; without a
// display that answers, says so in one line and ends the program (exit 1).
void PrepareHostEnvironment();

// Call once the QApplication exists.
void ConfigureApplication();

// Once the game window is gone: on Wayland, ends the program without Qt's
// own teardown, whose two event threads can wait on each other for ever
// (Qt 6.4); nothing of the game's is left to tear down by then.
void LeaveApplication();
