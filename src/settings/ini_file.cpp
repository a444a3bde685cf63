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

bool WriteIniStrings(const std::string& path, std::string_view section,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> entries) {
    std::string bytes;
    if (!fileio::ReadForRewrite(path, bytes)) return false;
    IniDocument document(bytes);
    for (const auto& [key, value] : entries) document.WriteString(section, key, value);
    return SaveIniFile(path, document);
}

}  // namespace ini
