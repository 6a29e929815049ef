// --replay FILE: a kept run shown again in the window, with "Replay", the speed and the step on
// the picture. F steps the speed, Tab fast-forwards while held, P pauses, Esc quits; nothing the
// viewer presses reaches the run. At the end the picture stays and the run's figures are written
// to standard output.
#pragma once

#include <cstdio>
#include <string>

class Application;
struct Replay;

class ReplayViewer {
public:
    // Why this game and data set (the working directory's) cannot play the file: one line, or
    // empty with replay filled.
    static std::string load(const std::string& path, Replay& replay);
    // Plays the loaded replay in the initialised Application's window; the exit status.
    static int watch(Application& app, const Replay& replay, std::FILE* out);
};
