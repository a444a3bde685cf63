// Generated INI files for the benchmarks.
#pragma once

#include <string>

namespace bench {

// A launcher INI whose schema section holds settings of every type.
inline std::string LauncherIni(int settings) {
    std::string text = "[ORVANE Settings]\r\nLegacy=1\r\nWait=1\r\n[KMX]\r\n";
    static const char* forms[] = {"|BOOL|flag", "|INT|number", "|ENUM|0,off,1,on,2,auto|mode", "|STR|text"};
    for (int i = 0; i < settings; ++i) {
        text += "Key" + std::to_string(i) + "=" + std::to_string(11 + i) + forms[i % 4] + std::to_string(i) + "\r\n";
    }
    return text;
}

// KMX.INI with a legacy block, the slots, and a value for every schema key.
inline std::string EmulatorIni(int settings) {
    std::string text = "a.kfd\r\nb.kfd\r\nc.khd\r\nd.khd\r\nfont.bmp\r\n\r\n\r\n\r\n\r\n1\r\n";
    text += "[KMX]\r\nFDD1=a.kfd\r\nFDD2=b.kfd\r\nHDD1=c.khd\r\nHDD2=d.khd\r\nFont=font.bmp\r\nResume=1\r\n";
    for (int i = 0; i < settings; ++i) text += "Key" + std::to_string(i) + "=" + std::to_string(i % 3) + "\r\n";
    return text;
}

// An INI file of about the given size: sections of keys, comments and blank lines.
inline std::string IniOfSize(std::size_t size) {
    std::string text;
    for (int section = 0; text.size() < size; ++section) {
        text += "[Section" + std::to_string(section) + "]\r\n; comment line\r\n";
        for (int key = 0; key < 40 && text.size() < size; ++key) {
            text += "Key" + std::to_string(key) + " = value of key " + std::to_string(key) + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace bench
