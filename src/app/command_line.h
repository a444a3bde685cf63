// The command line: open the window on a profile, or start the emulator at once (/run) with a
// profile and disk images, for shortcuts, batch files and game front-ends. Portable: it only sorts
// the arguments; the files they name are checked where they are used.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "settings/setting_item.h"

// The program's exit codes; with /wait, a started emulator's own takes the place of kExitDone.
enum ExitCode {
    kExitDone = 0,
    kExitBadCommandLine = 1,  // an unknown switch, a missing path, too many images, a second profile
    kExitBadFile = 2,         // a profile or image missing, unreadable, or beyond code page 932
    kExitNoEmulator = 3,      // no emulator folder remembered that holds KMX.EXE
    kExitNotWritten = 4,      // KMX.INI could not be written; the emulator is not started
    kExitNotStarted = 5,      // KMX.EXE could not be started
};

struct LaunchRequest {
    bool usage = false;  // /?: show the usage and do nothing else
    bool run = false;    // /run: start the emulator without showing the window
    bool wait = false;   // /wait: stay until the emulator ends and end with its exit code
    std::u16string profile;                                // empty when none is given
    std::array<std::u16string, kImageSlotCount> images;  // empty where no image is given
};

enum class CommandLineFault {
    None,
    UnknownSwitch,
    MissingPath,    // a slot switch at the end or before another switch, or an empty argument
    SlotTwice,      // a slot switch for a slot that one before it named
    TooManyImages,  // a bare image for whose kind no slot is left
    ExtraArgument,  // a second profile
    NeedsRun,       // an image or /wait without /run
};

struct ParsedCommandLine {
    LaunchRequest request;
    CommandLineFault fault = CommandLineFault::None;
    std::u16string argument;  // the argument the fault is about
};

// Sorts the arguments after the program's name. Switches begin with "/" or "-" and ignore case. A
// bare argument ending in .kfd, .khd or .bmp is an image for the first free slot of its kind,
// after the slots that switches name; any other is the profile.
ParsedCommandLine ParseCommandLine(const std::vector<std::u16string>& arguments);
