// File error reports.
#include "framework/file_error_report.h"

#include "common/cp932.h"
#include "common/texts.h"
#include "framework/services.h"

std::string FileErrorText(fileio::FileError error, const std::string& path) {
    static const char* const kPatterns[] = {
        texts::kFileErrorNone,          texts::kFileErrorGeneric,          texts::kFileErrorNotFound,
        texts::kFileErrorBadPath,       texts::kFileErrorTooManyOpenFiles, texts::kFileErrorAccessDenied,
        texts::kFileErrorInvalidFile,   texts::kFileErrorRemoveCurrentDir, texts::kFileErrorDirectoryFull,
        texts::kFileErrorBadSeek,       texts::kFileErrorHardIO,           texts::kFileErrorSharingViolation,
        texts::kFileErrorLockViolation, texts::kFileErrorDiskFull,         texts::kFileErrorEndOfFile,
    };
    const auto cause = static_cast<std::size_t>(error);
    std::string text = cause < std::size(kPatterns) ? kPatterns[cause] : texts::kFileErrorGeneric;
    // Some texts hold "%1" after double-byte characters, so it is searched for as CP932 text.
    for (std::size_t at = cp932::FindChar(text, '%'); at != std::string::npos; at = cp932::FindChar(text, '%', at + 1)) {
        if (text.compare(at, 2, "%1") != 0) continue;
        text.replace(at, 2, path);
        break;
    }
    return text;
}

void ReportFileError(HWND owner, fileio::FileError error, const std::string& path) {
    ShowMessage(owner, FileErrorText(error, path), MB_OK | MB_ICONSTOP);
}
