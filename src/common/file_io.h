// Whole-file reading and atomic whole-file replacement, the only file access of the settings code.
#pragma once

#include <string>

namespace fileio {

// Reads the whole file as bytes. False (and contents emptied) when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// Replaces the file with contents: writes a temporary file beside it, flushes it to disk
// and renames it over the target, so a crash or a full disk never leaves it half written.
// False when any step fails; the old file is then untouched and no temporary file remains.
bool ReplaceFileAtomically(const std::string& path, const std::string& contents);

}  // namespace fileio
