// Test helpers for laying out files with code page 932 paths, named through the wide file API.
#pragma once

#include <string>

// Creates the file (empty unless contents are given) and every folder on its path; a path of
// any characters, or one in code page 932.
void MakeFile(const std::wstring& path, const std::string& contents = "");
void MakeFile(const std::string& path, const std::string& contents = "");
void MakeFolder(const std::wstring& path);
void MakeFolder(const std::string& path);
// Removes a file or a folder with everything in it; nothing when it is missing.
void RemoveTree(const std::string& path);
void RemoveTree(const std::wstring& path);
std::string ReadFileText(const std::string& path);
