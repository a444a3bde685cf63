// Loading and saving INI files.
#include "settings/ini_file.h"

#include "common/file_io.h"

namespace ini {

IniDocument LoadIniFile(const std::string& path) {
    std::string bytes;
    fileio::ReadWholeFile(path, bytes);
    return IniDocument(bytes);
}

bool SaveIniFile(const std::string& path, const IniDocument& document) {
    return fileio::ReplaceFileAtomically(path, document.Serialize());
}

}  // namespace ini
