// Loading an INI file into memory once, and saving it back atomically.
#pragma once

#include <string>

#include "settings/ini_document.h"

namespace ini {

// The file parsed; an empty document when it is missing or unreadable, which reads as defaults.
IniDocument LoadIniFile(const std::string& path);

// Replaces the file with the document's bytes atomically; false when that failed.
bool SaveIniFile(const std::string& path, const IniDocument& document);

}  // namespace ini
