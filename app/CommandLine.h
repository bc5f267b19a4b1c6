#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// The program's command line: commands that run without a window or a
// display, such as "estimate".

inline constexpr const char *ProgramName = "pelora-toolbox";

// Whether the arguments (argv without the program) ask for the command line
// rather than the window: a command, or --help, -h or --version first.
bool IsCommandLine(const std::vector<std::string> &arguments);

// Runs write, which writes to out (and flushes it where it must be out by
// now), and checks that out took it; if not, names what could not be
// written and why on err (a full disk, a closed terminal) and gives false.
bool WrittenOut(std::ostream &out, std::ostream &err, const char *what,
                const std::function<void()> &write);

// Runs what the arguments ask for, writing results to out and errors to
// err. The exit status: 0 done, 1 a file or a write failed, 2 the arguments
// are not understood.
int RunCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);
