// Loading an INI file into memory once, and saving it back atomically.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "settings/ini_document.h"

namespace ini {

// The file parsed; an empty document when it is missing or unreadable, which reads as defaults.
IniDocument LoadIniFile(const std::string& path);

// Replaces the file with the document's bytes atomically; false when that failed.
bool SaveIniFile(const std::string& path, const IniDocument& document);

// Sets keys in one section of the file: read, changed in memory, replaced atomically. A missing
// file is created; one that is there but could not be read is left as it is. False when nothing
// was written.
bool WriteIniStrings(const std::string& path, std::string_view section,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> entries);

}  // namespace ini
