// Test helpers for laying out files with code page 932 paths through the ANSI file API.
#pragma once

#include <string>

// Creates the file (empty unless contents are given) and every folder on its path.
void MakeFile(const std::string& path, const std::string& contents = "");
void MakeFolder(const std::string& path);
// Removes a file or a folder with everything in it; nothing when it is missing.
void RemoveTree(const std::string& path);
std::string ReadFileText(const std::string& path);
