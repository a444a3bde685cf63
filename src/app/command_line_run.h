// The command line on Windows: reading it, telling the user what is wrong with it, and /run.
#pragma once

#include <string>
#include <vector>

#include "app/command_line.h"

// The arguments after the program's name, split as the shell splits them.
std::vector<std::u16string> ReadCommandLine();

// Shows the usage (/?) or what is wrong with the command line; answers the exit code.
int ReportCommandLine(const ParsedCommandLine& parsed);

// /run: KMX.INI as the window shows it at start-up, then the profile, then the images, written
// and the emulator started as the Run button does, with no window; nothing is written or started
// when a file, the emulator's folder or KMX.INI is not usable. Answers the exit code.
int RunFromCommandLine(const LaunchRequest& request);
