// The game from its first line to its exit status, in one place: main()
// only calls runGame. The order, and why:
//
//  0. --help and --version answer, and other options of two dashes are
//     refused (status 2), before anything starts and without a display.
//  1. Signal handlers (SIGTERM, SIGINT, SIGHUP): before anything that may
//     block, so that a signal is kept until the event loop runs.
//  2. The umask read once and the session bus address fixed: before any
//     thread starts, the one read and the one change of the environment;
//     on Windows the program folder made the current one (engine_path.h).
//  3. No display: a plain message and status 1, before Qt aborts.
//  4. The font configuration read on a thread of its own, while Qt
//     connects to the display; the application made.
//  5. The sprite sheet decoded on a thread of its own, while the store is
//     locked and the program built.
//  6. The store locked: a second copy brings the first forward and ends; a
//     copy that cannot lock plays without writing.
//  7. Program::start: the dictionary check on a thread of its own beside
//     the main window and its menu; the settings read once the check has
//     passed; the window shown; a stored game offered.
//  8. Once the first frame is on screen (afterFirstFrame): the window icon,
//     and the sound module loaded with the audio device opened.
//  9. The event loop, then the unload that writes the settings; a failure
//     in play, a signal or a lost display each keep the game first.
#pragma once

#include <string>

namespace vorpex {

// Runs the game; returns the process's exit status.
int runGame(int argc, char** argv);

// Writes `text` on standard error as one line, behind the program's name:
// every message of the program there has this form.
void toStandardError(const std::string& text);

}  // namespace vorpex
