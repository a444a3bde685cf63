// The general report of a file error that no handler treats itself: a stop box with the
// error's text and the file's path.
#pragma once

#include <windows.h>

#include <string>

#include "common/file_io.h"

// The text of the error for the file at path.
std::string FileErrorText(fileio::FileError error, const std::string& path);
void ReportFileError(HWND owner, fileio::FileError error, const std::string& path);
