// File error reports.
#include "framework/file_error_report.h"

#include "common/texts.h"
#include "framework/services.h"

std::string FileErrorText(fileio::FileError error, const std::string& path) {
    const char* pattern = texts::kFileErrorGeneric;
    switch (error) {
        case fileio::FileError::InvalidPath: pattern = texts::kFileErrorBadPath; break;
        case fileio::FileError::AccessDenied: pattern = texts::kFileErrorAccessDenied; break;
        case fileio::FileError::DiskFull: pattern = texts::kFileErrorDiskFull; break;
        default: break;
    }
    std::string text = pattern;
    const std::size_t placeholder = text.find("%1");  // "%1" sits in ASCII, before any double-byte text
    text.replace(placeholder, 2, path);
    return text;
}

void ReportFileError(HWND owner, fileio::FileError error, const std::string& path) {
    GetServices().ShowMessage(owner, FileErrorText(error, path), MB_OK | MB_ICONSTOP);
}
