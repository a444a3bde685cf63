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
#include "support/cp932_literal.h"
#include "support/temp_dir.h"

namespace {

constexpr int kFiles = 2200;
constexpr int kMarkedFiles = 1000;
// Stands for a character outside code page 932 in the generated text; never generated otherwise.
constexpr char kForeign[] = "\x01";
constexpr DWORD kBufferSize = 1 << 16;

bool HasEdgeBlank(const std::string& name) {
    return !name.empty() && (name.front() == '\t' || name.back() == '\t' || name.front() == '\v' || name.back() == '\v');
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(" \t\v");
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(" \t\v") - begin + 1);
}

// The file read as plain text, without the engine under test: every line with its kind and
// names, and the names of the sections it may belong to under either platform's header rules.
struct TextLine {
    enum Kind { Blank, Comment, Header, Key, Bare } kind = Blank;
    std::vector<std::string> names;   // Header: its name to the first "]", to the last, or to the line end
    bool open = false;                // Header without "]"
    std::string key, value;           // Key: trimmed; Bare: the text in key
    std::vector<std::string> owners;  // sections a line below a header may belong to
};

std::vector<TextLine> ReadText(const std::string& bytes) {
    std::vector<TextLine> lines;
    std::vector<std::string> owners = {""};
    std::string text;
    auto finish = [&] {
        TextLine line;
        const std::string trimmed = TrimBlanks(text);
        text.clear();
        line.owners = owners;
        if (trimmed.empty()) {
            line.kind = TextLine::Blank;
        } else if (trimmed[0] == ';') {
            line.kind = TextLine::Comment;
        } else if (trimmed[0] == '[') {
            line.kind = TextLine::Header;
            const std::size_t first = cp932::FindChar(trimmed, ']');
            line.open = first == std::string::npos;
            if (line.open) {
                line.names = {TrimBlanks(trimmed.substr(1))};
                owners.push_back(line.names[0]);  // Windows opens it; Wine stays in the section before
            } else {
                line.names = {TrimBlanks(trimmed.substr(1, first - 1)),
                              TrimBlanks(trimmed.substr(1, cp932::FindLastChar(trimmed, ']') - 1))};
                owners = line.names;
            }
        } else if (const std::size_t equals = cp932::FindChar(trimmed, '='); equals != std::string::npos) {
            line.kind = TextLine::Key;
            line.key = TrimBlanks(trimmed.substr(0, equals));
            line.value = TrimBlanks(trimmed.substr(equals + 1));
        } else {
            line.kind = TextLine::Bare;
            line.key = trimmed;
        }
        lines.push_back(std::move(line));
    };
    for (char c : bytes) {
        if (c == '\r' || c == '\n') finish();
        else text += c;
    }
    finish();
    return lines;
}

// A caller's name as either platform trims it (Windows spaces only, Wine tabs too) names one of these.
bool Names(const std::vector<std::string>& names, const std::string& asked) {
    std::string spaces = asked;
    spaces.erase(0, spaces.find_first_not_of(' '));
    spaces.erase(spaces.find_last_not_of(' ') + 1);
    for (const std::string& name : names) {
        if (cp932::EqualsIgnoreCase(name, spaces) || cp932::EqualsIgnoreCase(name, TrimBlanks(asked))) return true;
    }
    return false;
}

// What one comparison asked: the file before any write, the operation and its names, and for
// the comparisons after writes, every section and key written.
struct Query {
    std::string operation;
    std::string file;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::string ours;
    std::string platform;
    std::vector<std::pair<std::string, std::string>> writes;
    std::string writeLog;

    bool Writes() const { return !writes.empty(); }
    // The sections that the query reads: its own, or for the names after writes, every one written.
    bool ReadsSectionOf(const std::vector<std::string>& names) const {
        if (operation != "names") return Names(names, section);
        for (const auto& write : writes) {
            if (Names(names, write.first)) return true;
        }
        return false;
    }
};

// The value of the first key line of that name in a section of that name, from the text alone.
const TextLine* KeyLine(const std::vector<TextLine>& lines, const Query& q) {
    for (const TextLine& line : lines) {
        if (line.kind == TextLine::Key && Names(line.owners, q.section) && Names({line.key}, q.key)) return &line;
    }
    return nullptr;
}

bool Unquoted(const std::string& text, std::string& inner) {
    if (text.size() < 2 || (text[0] != '"' && text[0] != '\'') || text.back() != text[0]) return false;
    inner = text.substr(1, text.size() - 2);
    return true;
}

// A behaviour in which Windows (whose rules the engine follows) and Wine (the peer here) differ.
// Whether it may explain a disagreement is decided per query, from the file's text and the
// query alone; maxShare bounds the share of all comparisons it may explain. The same rules hold
// for files with a byte-order mark, read as their code page 932 text. Those files follow Wine,
// with no entry here: Windows reads UTF-16LE with its mark as documented, while its handling of
// the UTF-8 and UTF-16BE marks is unverified.
struct Difference {
    const char* name;
    const char* reason;
    double maxShare;
    std::function<bool(const Query&, const std::vector<TextLine>&)> applies;
};

const std::vector<Difference>& DeliberateDifferences() {
    static const std::vector<Difference> differences = {
        {"open-header", "Windows takes a \"[\" line without \"]\" as a header running to the line end; Wine ignores it",
         0.03,
         [](const Query& q, const std::vector<TextLine>& lines) {
             for (const TextLine& line : lines) {
                 if (line.kind != TextLine::Header || !line.open) continue;
                 if (q.operation == "names" && !q.Writes()) return true;
                 if (q.ReadsSectionOf(line.names) || q.ReadsSectionOf(line.owners)) return true;
             }
             return false;
         }},
        {"second-bracket", "Windows ends a section name at its first \"]\"; Wine at the last", 0.03,
         [](const Query& q, const std::vector<TextLine>& lines) {
             for (const TextLine& line : lines) {
                 if (line.kind != TextLine::Header || line.open || line.names[0] == line.names[1]) continue;
                 if (q.operation == "names" && !q.Writes()) return true;
                 if (q.ReadsSectionOf(line.names)) return true;
             }
             return false;
         }},
        {"nameless-section", "Wine files the lines before the first header under the empty name, lists no empty name "
                             "and rewrites a \"[]\" section without its header, into the section before; Windows "
                             "reaches those lines by no name, lists \"[]\" and keeps it", 0.04,
         [](const Query& q, const std::vector<TextLine>& lines) {
             bool emptyHeader = false;
             for (const TextLine& line : lines) {
                 if (line.kind != TextLine::Header || !(line.names[0].empty() || line.names.back().empty())) continue;
                 emptyHeader = true;
                 if (q.Writes() && q.ReadsSectionOf(line.owners)) return true;
             }
             if (q.operation == "names" && !q.Writes()) return emptyHeader;
             return q.ReadsSectionOf({""});
         }},
        {"quoted-default", "Wine also removes quotes from the default; Windows only trims its trailing spaces", 0.02,
         [](const Query& q, const std::vector<TextLine>&) {
             std::string inner, def = q.defaultValue;
             def.erase(def.find_last_not_of(' ') + 1);
             return q.operation == "string" && Unquoted(def, inner);
         }},
        {"empty-int", "Wine gives the default for a key whose value is empty; Windows reads it as 0", 0.02,
         [](const Query& q, const std::vector<TextLine>& lines) {
             const TextLine* line = q.operation == "int" ? KeyLine(lines, q) : nullptr;
             std::string inner;
             return line != nullptr && (line->value.empty() || (Unquoted(line->value, inner) && inner.empty()));
         }},
        {"hex-int", "Wine reads \"0x\" numbers as hexadecimal; Windows stops at the \"x\"", 0.005,
         [](const Query& q, const std::vector<TextLine>& lines) {
             const TextLine* line = q.operation == "int" ? KeyLine(lines, q) : nullptr;
             return line != nullptr && (line->value.find("0x") != std::string::npos ||
                                        line->value.find("0X") != std::string::npos);
         }},
        {"repeated-empty-key", "Wine drops a key with an empty name that directly follows another one (blank lines "
                               "between count as nothing); Windows keeps both", 0.005,
         [](const Query& q, const std::vector<TextLine>& lines) {
             bool previousEmptyKey = false;
             for (const TextLine& line : lines) {
                 if (line.kind == TextLine::Blank) continue;
                 const bool emptyKey = line.kind == TextLine::Key && line.key.empty();
                 if (emptyKey && previousEmptyKey && q.ReadsSectionOf(line.owners) &&
                     (q.operation == "section" || q.operation == "names" || TrimBlanks(q.key).empty())) {
                     return true;
                 }
                 previousEmptyKey = emptyKey;
             }
             return false;
         }},
        {"bare-line-shadows", "Wine takes a line without \"=\" for a key without a value, which hides a later key of "
                              "that name; Windows passes over such a line", 0.04,
         [](const Query& q, const std::vector<TextLine>& lines) {
             std::vector<std::string> keys = {q.key};
             for (const auto& write : q.writes) {
                 if (Names({TrimBlanks(write.first)}, q.section)) keys.push_back(write.second);
             }
             if (q.operation == "section" && !q.Writes()) {
                 for (const TextLine& line : lines) {
                     if (line.kind == TextLine::Key && Names(line.owners, q.section)) keys.push_back(line.key);
                 }
             }
             for (const TextLine& line : lines) {
                 if (line.kind != TextLine::Bare || !Names(line.owners, q.section)) continue;
                 for (const std::string& key : keys) {
                     if (Names({line.key}, key)) return true;
                 }
             }
             return false;
         }},
        {"blank-default", "Wine keeps one space of a default made of spaces only; Windows removes all trailing spaces",
         0.01,
         [](const Query& q, const std::vector<TextLine>&) {
             return q.operation == "string" && !q.defaultValue.empty() &&
                    q.defaultValue.find_first_not_of(' ') == std::string::npos;
         }},
        {"caller-tabs", "Wine trims tabs from the caller's section and key names; Windows only spaces", 0.05,
         [](const Query& q, const std::vector<TextLine>&) {
             for (const auto& [section, key] : q.writes) {
                 if ((HasEdgeBlank(section) || HasEdgeBlank(key)) &&
                     (q.operation == "names" || Names({TrimBlanks(section)}, q.section))) {
                     return true;
                 }
             }
             return HasEdgeBlank(q.section) || HasEdgeBlank(q.key);
         }},
    };
    return differences;
}

class Peer {
public:
    // With foreign set, values and comments also hold kForeign, where a marked file puts a
    // character that code page 932 cannot hold.
    Peer(unsigned seed, bool foreign) : m_random(seed), m_bForeign(foreign) {}

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
        if (m_bForeign && Chance(4)) return PlainValue() + kForeign + PlainValue();
        return PlainValue();
    }

    std::string PlainValue() {
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
        std::string value = PlainValue();
        if (Chance(3)) value += "   ";
        return value;
    }

    bool Chance(int oneIn) { return m_random() % static_cast<unsigned>(oneIn) == 0; }
    int Below(std::size_t n) { return static_cast<int>(m_random() % n); }

private:
    std::mt19937 m_random;
    bool m_bForeign;
    std::vector<std::string> m_names;
};

// The forms a file may take: code page 932 bytes, or one of the three marked encodings.
enum class Form { Ansi, Utf8, Utf16Le, Utf16Be };

const char* FormName(Form form) {
    static const char* const names[] = {"ANSI (code page 932)", "UTF-8 with mark", "UTF-16LE with mark", "UTF-16BE with mark"};
    return names[static_cast<int>(form)];
}

std::wstring Widen(UINT codePage, const std::string& text) {
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
    std::string text(static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

// A generated file in a form: its bytes on disk, and its text as the platform's functions give
// it in code page 932, for the rules. Each placeholder becomes a character outside code page 932
// (a Latin letter, the euro sign, a Hangul syllable, an emoji as a surrogate pair).
struct FormedFile {
    std::string bytes;
    std::string text;
};

FormedFile InForm(const std::string& generated, Form form, unsigned& turn) {
    if (form == Form::Ansi) return {generated, generated};
    static const std::wstring foreign[] = {L"\u00E9", L"\u00FC", L"\u20AC", L"\uD55C", L"\U0001F600"};
    std::wstring wide;
    for (wchar_t c : Widen(932, generated)) {
        if (c == static_cast<unsigned char>(kForeign[0])) wide += foreign[turn++ % std::size(foreign)];
        else wide += c;
    }
    static const char* const encodings[] = {"", "utf-8", "utf-16le", "utf-16be"};
    return {MarkedFile(encodings[static_cast<int>(form)], Narrow(CP_UTF8, wide)), Narrow(CP_ACP, wide)};
}

// Whether a file is wholly in the form it began in: its mark, whole UTF-16 code units, valid UTF-8.
bool InOneEncoding(const std::string& bytes, Form form) {
    switch (form) {
        case Form::Ansi: return true;
        case Form::Utf8: {
            if (bytes.rfind("\xEF\xBB\xBF", 0) != 0) return false;
            const std::string rest = bytes.substr(3);
            return rest.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, rest.data(), static_cast<int>(rest.size()), nullptr, 0) > 0;
        }
        default:
            return bytes.size() % 2 == 0 && bytes.rfind(form == Form::Utf16Le ? "\xFF\xFE" : "\xFE\xFF", 0) == 0;
    }
}

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

// A section in UTF-16 through the wide function, as UTF-8 for the comparison.
std::string PlatformSectionWide(const std::string& section, const std::string& path) {
    std::vector<wchar_t> buffer(kBufferSize);
    const DWORD count = GetPrivateProfileSectionW(Widen(CP_ACP, section).c_str(), buffer.data(), kBufferSize,
                                                  Widen(CP_ACP, path).c_str());
    return Narrow(CP_UTF8, std::wstring(buffer.data(), count));
}

class Recorder {
public:
    void Compare(Query query) {
        ++m_compared;
        if (query.ours == query.platform) return;
        const std::vector<TextLine> lines = ReadText(query.file);
        for (const Difference& difference : DeliberateDifferences()) {
            if (difference.applies(query, lines)) {
                ++m_explained[difference.name];
                return;
            }
        }
        m_unexplained.push_back(std::move(query));
    }

    void Report(const char* what) const {
        std::ostringstream summary;
        summary << what << ": " << m_compared << " comparisons; disagreements explained per difference:";
        for (const Difference& difference : DeliberateDifferences()) {
            const auto found = m_explained.find(difference.name);
            const int count = found == m_explained.end() ? 0 : found->second;
            summary << "\n  " << difference.name << " x" << count << ": " << difference.reason;
            EXPECT_LE(count, difference.maxShare * m_compared)
                << difference.name << " explains more disagreements than it should: its rule has grown too wide";
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

class IniPeer : public ::testing::TestWithParam<Form> {
protected:
    Form form() const { return GetParam(); }
    int Files(int ansiFiles) const { return form() == Form::Ansi ? ansiFiles : kMarkedFiles; }
    unsigned Seed(unsigned ansiSeed) const { return ansiSeed + 1000 * static_cast<unsigned>(form()); }
};

TEST_P(IniPeer, ReadsAgreeWithThePlatformOnGeneratedFiles) {
    TempDir dir;
    Peer peer(Seed(20261208), form() != Form::Ansi);
    Recorder recorder;
    unsigned turn = 0;
    const int files = Files(kFiles);
    for (int n = 0; n < files; ++n) {
        const FormedFile file = InForm(peer.GenerateFile(), form(), turn);
        const std::string& bytes = file.text;
        const std::string path = dir.File("read" + std::to_string(n) + ".ini");
        WriteBytes(path, file.bytes);
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
    recorder.Report((std::string("reads, ") + FormName(form()) + ", " + std::to_string(files) + " files").c_str());
}

TEST_P(IniPeer, WritesReadBackAsThePlatformsOwnWrites) {
    TempDir dir;
    Peer peer(Seed(777), form() != Form::Ansi);
    Recorder recorder;
    unsigned turn = 0;
    const int files = Files(kFiles / 2);
    for (int n = 0; n < files; ++n) {
        const FormedFile file = InForm(peer.GenerateFile(), form(), turn);
        const std::string ours = dir.File("ours" + std::to_string(n) + ".ini");
        const std::string theirs = dir.File("theirs" + std::to_string(n) + ".ini");
        // A plain file may not exist yet; a marked one may hold its mark alone.
        const bool startEmpty = peer.Chance(10);
        const FormedFile start = !startEmpty ? file : form() == Form::Ansi ? FormedFile() : InForm("", form(), turn);
        if (form() != Form::Ansi || !startEmpty) WriteBytes(theirs, start.bytes);
        ini::IniDocument doc(start.bytes);

        std::vector<std::pair<std::string, std::string>> written;
        std::string writeLog;
        for (int w = 1 + peer.Below(6); w > 0; --w) {
            const std::string section = peer.Chance(4) ? peer.Name() : peer.AskSection();
            const std::string key = peer.AskKey(doc.GetSectionEntries(section));
            std::string value = peer.PlainValue();
            if (peer.Chance(8)) value = " " + value + " ";
            doc.WriteString(section, key, value);
            WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), theirs.c_str());
            written.emplace_back(section, key);
            writeLog += "[" + section + "] " + key + " = " + value + "\n";
        }
        ASSERT_TRUE(ini::SaveIniFile(ours, doc));
        if (!InOneEncoding(ReadBytes(ours), form())) ADD_FAILURE() << "written in two encodings:\n" << writeLog;

        // Both files read back through the platform; in a marked file, every section also in
        // UTF-16, where a character that code page 932 cannot hold is still itself.
        const std::string& original = start.text;
        const std::string names = PlatformNames(theirs);
        recorder.Compare({"names", original, "", "", "", PlatformNames(ours), names, written, writeLog});
        for (const auto& [section, key] : written) {
            recorder.Compare({"section", original, section, key, "", PlatformSection(section, ours),
                              PlatformSection(section, theirs), written, writeLog});
            recorder.Compare({"string", original, section, key, "", PlatformString(section, key, "?", ours),
                              PlatformString(section, key, "?", theirs), written, writeLog});
        }
        if (form() == Form::Ansi) continue;
        for (std::size_t at = 0; at < names.size() && names[at] != '\0'; at = names.find('\0', at) + 1) {
            const std::string section = names.substr(at, names.find('\0', at) - at);
            recorder.Compare({"section", original, section, "", "", PlatformSectionWide(section, ours),
                              PlatformSectionWide(section, theirs), written, writeLog});
        }
    }
    recorder.Report((std::string("writes, ") + FormName(form()) + ", " + std::to_string(files) + " files").c_str());
}

std::string FormTestName(const ::testing::TestParamInfo<Form>& info) {
    static const char* const names[] = {"Ansi", "Utf8", "Utf16Le", "Utf16Be"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Forms, IniPeer, ::testing::Values(Form::Ansi, Form::Utf8, Form::Utf16Le, Form::Utf16Be),
                         FormTestName);
