// Peer check: our INI engine against the platform's private-profile functions on generated files.
// Every disagreement must be one of the deliberate differences listed below, each with its reason.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "common/cp932.h"
#include "settings/ini_document.h"
#include "settings/ini_file.h"
#include "support/temp_dir.h"

namespace {

constexpr int kFiles = 2200;
constexpr DWORD kBufferSize = 1 << 16;

// What one comparison asked, for the deliberate-difference predicates.
struct Query {
    std::string operation;
    std::string file;  // the file's bytes before any write
    std::string section;
    std::string key;
    std::string defaultValue;
    std::string ours;
    std::string platform;
    std::vector<std::pair<std::string, std::string>> writes;  // write comparisons: every section and key written
    std::string writeLog;
};

bool HasEdgeBlank(const std::string& name) {
    return !name.empty() && (name.front() == '\t' || name.back() == '\t' || name.front() == '\v' || name.back() == '\v');
}

std::vector<std::string> FileLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(" \t\v");
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(" \t\v") - begin + 1);
}

// Header lines of a file, trimmed, for the predicates.
std::vector<std::string> HeaderLines(const std::string& bytes) {
    std::vector<std::string> headers;
    for (const std::string& line : FileLines(bytes)) {
        const std::string trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed[0] == '[') headers.push_back(trimmed);
    }
    return headers;
}

bool AnyHeader(const std::string& bytes, const std::function<bool(const std::string&)>& test) {
    for (const std::string& header : HeaderLines(bytes)) {
        if (test(header)) return true;
    }
    return false;
}

// The value that the queried key has in the file; "?" when it has none.
std::string ValueOf(const Query& q) { return ini::IniDocument(q.file).GetString(q.section, q.key, "?"); }

struct Difference {
    const char* name;
    const char* reason;
    std::function<bool(const Query&)> applies;
};

// The differences between Windows (whose behaviour the engine follows) and Wine, the peer here.
const std::vector<Difference>& DeliberateDifferences() {
    static const std::vector<Difference> differences = {
        {"open-header", "Windows takes a \"[\" line without \"]\" as a header running to the line end; Wine ignores it",
         [](const Query& q) {
             return AnyHeader(q.file, [](const std::string& h) { return cp932::FindChar(h, ']') == std::string::npos; });
         }},
        {"second-bracket", "Windows ends a section name at its first \"]\"; Wine at the last",
         [](const Query& q) {
             return AnyHeader(q.file, [](const std::string& h) {
                 const std::size_t first = cp932::FindChar(h, ']');
                 return first != std::string::npos && cp932::FindChar(h, ']', first + 1) != std::string::npos;
             });
         }},
        {"nameless-section", "Wine files the lines before the first header under the empty name and lists no empty name; "
                             "Windows reaches them by no name and lists \"[]\"",
         [](const Query& q) {
             if (AnyHeader(q.file, [](const std::string& h) { return TrimBlanks(h.substr(1, h.find(']') - 1)).empty(); })) {
                 return true;
             }
             bool linesBeforeFirstHeader = false;
             for (const std::string& line : FileLines(q.file)) {
                 const std::string trimmed = TrimBlanks(line);
                 if (!trimmed.empty() && trimmed[0] == '[') break;
                 if (!trimmed.empty()) linesBeforeFirstHeader = true;
             }
             for (const auto& write : q.writes) {
                 if (TrimBlanks(write.first).empty()) return true;
             }
             return linesBeforeFirstHeader && TrimBlanks(q.section).empty();
         }},
        {"quoted-default", "Wine also removes quotes from the default; Windows only trims its trailing spaces",
         [](const Query& q) {
             return q.operation == "string" && q.defaultValue.find_first_of("\"'") != std::string::npos;
         }},
        {"empty-int", "Wine gives the default for a key whose value is empty; Windows reads it as 0",
         [](const Query& q) { return q.operation == "int" && ValueOf(q).empty(); }},
        {"hex-int", "Wine reads \"0x\" numbers as hexadecimal; Windows stops at the \"x\"",
         [](const Query& q) { return q.operation == "int" && ValueOf(q).find("0x") != std::string::npos; }},
        {"repeated-empty-key", "Wine drops a key with an empty name that directly follows another one (blank lines "
                               "between count as nothing); Windows keeps both",
         [](const Query& q) {
             bool previousEmptyKey = false;
             for (const std::string& line : FileLines(q.file)) {
                 const std::string trimmed = TrimBlanks(line);
                 if (trimmed.empty()) continue;
                 const bool emptyKey = trimmed[0] == '=';
                 if (emptyKey && previousEmptyKey) return true;
                 previousEmptyKey = emptyKey;
             }
             return false;
         }},
        {"bare-line-shadows", "Wine takes a line without \"=\" for a key without a value, which hides a later key of "
                              "that name; Windows passes over such a line",
         [](const Query& q) {
             std::vector<std::string> keys = {q.key};
             for (const auto& write : q.writes) keys.push_back(write.second);
             for (const std::string& line : FileLines(q.file)) {
                 const std::string trimmed = TrimBlanks(line);
                 if (cp932::FindChar(trimmed, '=') != std::string::npos) continue;
                 for (const std::string& key : keys) {
                     if (cp932::EqualsIgnoreCase(trimmed, TrimBlanks(key))) return true;
                 }
             }
             return false;
         }},
        {"blank-default", "Wine keeps one space of a default made of spaces only; Windows removes all trailing spaces",
         [](const Query& q) {
             return q.operation == "string" && !q.defaultValue.empty() &&
                    q.defaultValue.find_first_not_of(' ') == std::string::npos;
         }},
        {"caller-tabs", "Wine trims tabs from the caller's section and key names; Windows only spaces",
         [](const Query& q) {
             for (const auto& [section, key] : q.writes) {
                 if (HasEdgeBlank(section) || HasEdgeBlank(key)) return true;
             }
             return HasEdgeBlank(q.section) || HasEdgeBlank(q.key);
         }},
    };
    return differences;
}

class Peer {
public:
    explicit Peer(unsigned seed) : m_random(seed) {}

    // A random INI file in the forms the platform reads: sections with duplicate and case-varied
    // names, keys with white space, quotes, comments, lines without "=", CP932 text with 0x5C,
    // 0x5D and 0x7C second bytes, CR LF and LF line ends.
    std::string GenerateFile() {
        m_names.clear();
        std::string file;
        const bool lf = Chance(3);
        auto end = [&] { return Chance(25) ? std::string("\r") : (lf || Chance(10)) ? std::string("\n") : std::string("\r\n"); };
        if (Chance(4)) {
            for (int i = Below(3); i >= 0; --i) file += Name() + "=" + Value() + end();
        }
        const int sections = 1 + Below(5);
        for (int s = 0; s < sections; ++s) {
            std::string name = !m_names.empty() && Chance(5) ? VaryCase(m_names[Below(m_names.size())]) : Name();
            if (Chance(40)) name = "";
            m_names.push_back(name);
            std::string header = Pad() + "[" + Pad() + name + Pad();
            if (!Chance(30)) header += "]";
            if (Chance(15)) header += Chance(2) ? " trailing" : "]x";
            file += header + end();
            const int lines = Below(8);
            std::vector<std::string> keys;
            for (int l = 0; l < lines; ++l) {
                switch (Below(10)) {
                    case 0: file += Pad() + ";" + Value() + end(); break;
                    case 1: file += Pad() + end(); break;
                    case 2: file += Pad() + Name() + Pad() + end(); break;
                    default: {
                        std::string key = !keys.empty() && Chance(6) ? VaryCase(keys[Below(keys.size())]) : Name();
                        if (Chance(30)) key = "";
                        keys.push_back(key);
                        file += Pad() + key + Pad() + "=" + Pad() + Value() + Pad() + end();
                    }
                }
            }
        }
        if (Chance(3) && !file.empty()) file.pop_back();  // no final line end
        return file;
    }

    std::string Name() {
        static const std::vector<std::string> pieces = {
            "a", "B", "z", "Key", "sec", "1", "_", ".", "-", "#", " ", "\x95\x5C" /*表*/, "\x83\x5C" /*ソ*/,
            "\x83\x7C" /*ポ*/, "\x83\x5D" /*ゾ*/, "\x8A\xBF" /*漢*/, "\x82\x60" /*Ａ*/, "\x82\x81" /*ａ*/,
            "\x83\x9F" /*Α*/, "\x83\xBF" /*α*/, "\x84\x60" /*Я*/, "\x84\x91" /*я*/, "\xB1" /*ｱ*/};
        std::string name;
        for (int i = 1 + Below(4); i > 0; --i) name += pieces[Below(pieces.size())];
        return TrimBlanks(name);
    }

    std::string Value() {
        switch (Below(8)) {
            case 0: return "";
            case 1: return std::to_string(static_cast<int>(m_random() % 2001) - 1000);
            case 2: {
                static const std::vector<std::string> numbers = {"+5", "-0", "42abc", "4294967297", "-1", "x9", " 7",
                                                                 "99999999999", "00012", "+-3", "0x1F"};
                return numbers[Below(numbers.size())];
            }
            case 3: {
                const char quote = Chance(2) ? '"' : '\'';
                return std::string(1, quote) + Name() + (Chance(4) ? "" : std::string(1, quote));
            }
            default: {
                std::string value = Name();
                if (Chance(4)) value += "=" + Name();
                if (Chance(5)) value += ";" + Name();
                if (Chance(6)) value += " " + Name();
                return value;
            }
        }
    }

    std::string Pad() {
        static const char* pads[] = {"", "", "", " ", "  ", "\t", " \t", "\v"};
        return pads[Below(8)];
    }

    std::string VaryCase(const std::string& name) {
        std::string varied = name;
        for (std::size_t i = 0; i < varied.size(); i += cp932::CharLength(varied, i)) {
            const char c = varied[i];
            if (cp932::CharLength(varied, i) == 1 && Chance(2)) {
                if (c >= 'a' && c <= 'z') varied[i] = static_cast<char>(c - 32);
                if (c >= 'A' && c <= 'Z') varied[i] = static_cast<char>(c + 32);
            }
        }
        // Full-width, Greek and Cyrillic letters swapped too: the platform must not fold them.
        static const std::vector<std::pair<std::string, std::string>> pairs = {
            {"\x82\x60", "\x82\x81"}, {"\x83\x9F", "\x83\xBF"}, {"\x84\x60", "\x84\x91"}};
        for (const auto& [upper, lower] : pairs) {
            for (std::size_t i = 0; i + 1 < varied.size(); i += cp932::CharLength(varied, i)) {
                const std::string_view here(varied.data() + i, 2);
                if (here == upper) varied.replace(i, 2, lower);
                else if (here == lower) varied.replace(i, 2, upper);
            }
        }
        return varied;
    }

    // Names to ask for: the file's own, case-varied, space-padded, or absent ones.
    std::string AskSection() {
        if (m_names.empty() || Chance(8)) return Name() + "absent";
        std::string name = m_names[Below(m_names.size())];
        if (Chance(2)) name = VaryCase(name);
        if (Chance(5)) name = " " + name + "  ";
        if (Chance(20)) name = "\t" + name;
        return name;
    }

    std::string AskKey(const std::vector<std::string>& entries) {
        if (entries.empty() || Chance(6)) return Chance(2) ? Name() : "";
        std::string key = entries[Below(entries.size())];
        const std::size_t equals = cp932::FindChar(key, '=');
        if (equals != std::string::npos) key.erase(equals);
        if (Chance(2)) key = VaryCase(key);
        if (Chance(6)) key = " " + key + " ";
        return key;
    }

    std::string Default() {
        if (Chance(2)) return "";
        std::string value = Value();
        if (Chance(3)) value += "   ";
        return value;
    }

    bool Chance(int oneIn) { return m_random() % static_cast<unsigned>(oneIn) == 0; }
    int Below(std::size_t n) { return static_cast<int>(m_random() % n); }

private:
    std::mt19937 m_random;
    std::vector<std::string> m_names;
};

std::string JoinList(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) joined += item + '\0';
    return joined;
}

std::string PlatformList(const std::vector<char>& buffer, DWORD count) {
    // The list form: NUL-terminated items up to the closing empty one.
    std::string list(buffer.data(), count);
    if (!list.empty() && list.back() != '\0') list += '\0';
    return list;
}

std::string PlatformNames(const std::string& path) {
    std::vector<char> buffer(kBufferSize);
    return PlatformList(buffer, GetPrivateProfileSectionNamesA(buffer.data(), kBufferSize, path.c_str()));
}

std::string PlatformSection(const std::string& section, const std::string& path) {
    std::vector<char> buffer(kBufferSize);
    return PlatformList(buffer, GetPrivateProfileSectionA(section.c_str(), buffer.data(), kBufferSize, path.c_str()));
}

std::string PlatformString(const std::string& section, const std::string& key, const std::string& def,
                           const std::string& path) {
    std::vector<char> buffer(kBufferSize);
    const DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(), kBufferSize,
                                                 path.c_str());
    return std::string(buffer.data(), count);
}

class Recorder {
public:
    void Compare(Query query) {
        ++m_compared;
        if (query.ours == query.platform) return;
        for (const Difference& difference : DeliberateDifferences()) {
            if (difference.applies(query)) {
                ++m_explained[difference.name];
                return;
            }
        }
        m_unexplained.push_back(std::move(query));
    }

    void Report() const {
        std::ostringstream summary;
        summary << m_compared << " comparisons; deliberate differences seen:";
        for (const Difference& difference : DeliberateDifferences()) {
            const auto found = m_explained.find(difference.name);
            summary << "\n  " << difference.name << " x" << (found == m_explained.end() ? 0 : found->second) << ": "
                    << difference.reason;
        }
        std::cout << summary.str() << std::endl;
        for (std::size_t i = 0; i < m_unexplained.size() && i < 15; ++i) {
            const Query& q = m_unexplained[i];
            ADD_FAILURE() << "unexplained disagreement in " << q.operation << " [" << Escape(q.section) << "] "
                          << Escape(q.key) << " default " << Escape(q.defaultValue) << "\n  ours:     "
                          << Escape(q.ours) << "\n  platform: " << Escape(q.platform) << "\n  file:\n"
                          << Escape(q.file) << "\n  writes:\n" << Escape(q.writeLog);
        }
        EXPECT_TRUE(m_unexplained.empty()) << m_unexplained.size() << " unexplained disagreements";
    }

    static std::string Escape(const std::string& text) {
        std::ostringstream out;
        for (unsigned char c : text) {
            if (c == '\n') out << "\\n\n";
            else if (c >= 0x20 && c < 0x7F && c != '\\') out << c;
            else out << "\\x" << std::hex << (c >> 4) << (c & 15) << std::dec;
        }
        return out.str();
    }

private:
    int m_compared = 0;
    std::map<std::string, int> m_explained;
    std::vector<Query> m_unexplained;
};

}  // namespace

TEST(IniPeer, ReadsAgreeWithThePlatformOnGeneratedFiles) {
    TempDir dir;
    Peer peer(20261208);
    Recorder recorder;
    for (int n = 0; n < kFiles; ++n) {
        const std::string bytes = peer.GenerateFile();
        const std::string path = dir.File("read" + std::to_string(n) + ".ini");
        WriteBytes(path, bytes);
        const ini::IniDocument doc = ini::LoadIniFile(path);

        recorder.Compare({"names", bytes, "", "", "", JoinList(doc.GetSectionNames()), PlatformNames(path)});
        for (int s = 0; s < 6; ++s) {
            const std::string section = peer.AskSection();
            const std::vector<std::string> entries = doc.GetSectionEntries(section);
            recorder.Compare({"section", bytes, section, "", "", JoinList(entries), PlatformSection(section, path)});
            for (int k = 0; k < 4; ++k) {
                const std::string key = peer.AskKey(entries);
                const std::string def = peer.Default();
                recorder.Compare({"string", bytes, section, key, def, doc.GetString(section, key, def),
                                  PlatformString(section, key, def, path)});
                const int intDefault = static_cast<int>(peer.Below(100)) - 50;
                recorder.Compare({"int", bytes, section, key, std::to_string(intDefault),
                                  std::to_string(doc.GetInt(section, key, static_cast<std::uint32_t>(intDefault))),
                                  std::to_string(GetPrivateProfileIntA(section.c_str(), key.c_str(), intDefault,
                                                                       path.c_str()))});
            }
        }
    }
    recorder.Report();
}

TEST(IniPeer, WritesReadBackAsThePlatformsOwnWrites) {
    TempDir dir;
    Peer peer(777);
    Recorder recorder;
    for (int n = 0; n < kFiles / 2; ++n) {
        const std::string bytes = peer.GenerateFile();
        const std::string ours = dir.File("ours" + std::to_string(n) + ".ini");
        const std::string theirs = dir.File("theirs" + std::to_string(n) + ".ini");
        const bool startEmpty = peer.Chance(10);
        if (!startEmpty) WriteBytes(theirs, bytes);
        ini::IniDocument doc(startEmpty ? std::string() : bytes);

        std::vector<std::pair<std::string, std::string>> written;
        std::string writeLog;
        for (int w = 1 + peer.Below(6); w > 0; --w) {
            const std::string section = peer.Chance(4) ? peer.Name() : peer.AskSection();
            const std::string key = peer.AskKey(doc.GetSectionEntries(section));
            std::string value = peer.Value();
            if (peer.Chance(8)) value = " " + value + " ";
            doc.WriteString(section, key, value);
            WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), theirs.c_str());
            written.emplace_back(section, key);
            writeLog += "[" + section + "] " + key + " = " + value + "\n";
        }
        ASSERT_TRUE(ini::SaveIniFile(ours, doc));

        // Both files read back through the platform.
        const std::string original = startEmpty ? std::string() : bytes;
        const std::string names = PlatformNames(theirs);
        recorder.Compare({"names", original, "", "", "", PlatformNames(ours), names, written, writeLog});
        for (const auto& [section, key] : written) {
            recorder.Compare({"section", original, section, key, "", PlatformSection(section, ours),
                              PlatformSection(section, theirs), written, writeLog});
            recorder.Compare({"string", original, section, key, "", PlatformString(section, key, "?", ours),
                              PlatformString(section, key, "?", theirs), written, writeLog});
        }
    }
    recorder.Report();
}
