// The platform-independent part of the file helpers.
#include "common/file_io.h"

namespace fileio {

bool ReadForRewrite(const std::string& path, std::string& contents) {
    const FileError error = ReadWholeFile(path, contents);
    return error == FileError::None || error == FileError::FileNotFound;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& contents) {
    AtomicFile file;
    return file.Open(path) == FileError::None && file.Write(contents.data(), contents.size()) == FileError::None &&
           file.Commit() == FileError::None;
}

}  // namespace fileio
