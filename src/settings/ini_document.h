// An INI file held in memory: private-profile reads and writes with the platform's rules,
// parsed once and written back with every byte that a write does not touch. A file with a
// byte-order mark (UTF-8, UTF-16LE, UTF-16BE) is read as its code page 932 text, each value
// also exactly where code page 932 cannot hold it, and written back in its own encoding, its
// untouched lines and unchanged values code unit for code unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/cp932.h"
#include "common/exact_text.h"
#include "common/text_encoding.h"

namespace ini {

class IniDocument {
public:
    IniDocument() = default;
    // The file's bytes, mark included.
    explicit IniDocument(std::string_view bytes);
    IniDocument(const IniDocument& other) : IniDocument(other.Serialize()) {}
    IniDocument& operator=(const IniDocument& other) { return *this = IniDocument(other.Serialize()); }
    IniDocument(IniDocument&&) = default;
    IniDocument& operator=(IniDocument&&) = default;

    // True when at least one section header stands in the file.
    bool HasSections() const { return m_sections.size() > 1; }
    // True for a file with a byte-order mark, which holds every character.
    bool IsMarked() const { return m_encoding != textenc::Encoding::Cp932; }

    // The value of key in the first section of that name: trimmed, with one matching pair
    // of outer quotes removed. The default (trailing spaces removed) when file, section or
    // key is missing. Section and key names match without regard to case.
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value as GetString gives it, with exact set to every character as a marked file holds
    // them when code page 932 cannot hold them all (empty otherwise).
    ExactText GetText(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // The value read as a decimal integer with optional sign, wrapping modulo 2^32 as the
    // platform does; 0 for a value without digits; the default when the key is missing.
    std::uint32_t GetInt(std::string_view section, std::string_view key, std::uint32_t defaultValue) const;

    // The entries of the first section of that name in file order: "key=value" trimmed with
    // quotes kept, or the bare text of a line without "="; comments and blank lines left out.
    // Unlike the other calls, the platform does not trim the caller's section name here.
    std::vector<std::string> GetSectionEntries(std::string_view section) const;
    // The same entries, each with every character as a marked file holds them where code page
    // 932 cannot hold them all.
    std::vector<ExactText> GetSectionTexts(std::string_view section) const;

    // The names of all sections in file order, duplicates included.
    std::vector<std::string> GetSectionNames() const;

    // Sets key to value in the first section of that name: an existing key is rewritten in
    // place under the file's own spelling of its name, a new key goes after the section's last
    // entry, a new section at the end. A key whose line already holds value is left as it stands.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // The same with texts of every character: a marked file stores a new key and the value with
    // all of them, a file in code page 932 their code page 932 forms.
    void WriteText(std::string_view section, const ExactText& key, const ExactText& value);

    // Replaces the lines in front of the first header or comment line with lines, and ends in
    // CR LF every line that ended in LF or with the file, as writing the lines as text would.
    void ReplaceLeadingLines(const std::vector<ExactText>& lines);

    // The whole file as bytes in its own encoding, mark included.
    std::string Serialize() const;
    // The whole file as code page 932 text.
    std::string Text() const;

private:
    enum class LineKind : std::uint8_t { Blank, Comment, Header, Key, Text };

    enum class Ending : std::uint8_t { None, CrLf, Lf, Cr };

    // Where a line's parts stand: its kind, and its trimmed name (header name, key name or bare
    // text) and trimmed value, in code units of the text it was read from.
    struct Shape {
        std::uint32_t nameBegin = 0, nameEnd = 0, valueBegin = 0, valueEnd = 0;
        LineKind kind = LineKind::Blank;
    };

    // The kind and the ending share the padding after the offsets: a file's lines are walked in
    // every look-up, and a line fits one cache line.
    struct Line : Shape {
        Ending ending = Ending::None;
        std::string_view text;  // code page 932, without its line end; points into m_storage
        // A line as it stood in a marked file: its bytes there, without line end.
        std::optional<std::string_view> original;

        std::string_view Name() const { return text.substr(nameBegin, nameEnd - nameBegin); }
        std::string_view Value() const { return text.substr(valueBegin, valueEnd - valueBegin); }
    };

    struct Section {
        std::vector<Line> lines;  // lines[0] is the header, except in the part before any header
        // Key name (a view into m_storage) -> index of its first line.
        std::unordered_map<std::string_view, std::size_t, cp932::IgnoreCaseHash, cp932::IgnoreCaseEqual> firstKeyLine;
        std::size_t lastKeyLine = 0;  // the last entry, where a new key goes after; else the header
    };

    // Calls take(line, ending) for every line of a text in the encoding (without its mark).
    template <typename Take>
    static void SplitLines(std::string_view data, textenc::Encoding encoding, Take take);
    // One parser for both forms of a line: code page 932 text, or every character of a marked one.
    template <typename Char>
    static Shape ShapeOf(std::basic_string_view<Char> text);
    static Line ParseLine(std::string_view text, Ending ending);
    void ParseMarked(std::string_view bytes);
    std::string Compose(bool inOwnEncoding) const;
    // A line to write, given as code page 932 text and, for a marked file, every character.
    Line ParseNewLine(std::string text, std::u16string_view exact = {});
    // Every character of a line of a marked file; empty for any other line.
    std::u16string Characters(const Line& line) const;
    // The line's value and key name as its characters give them, where they are exact forms.
    std::u16string ExactValue(const Line& line, std::u16string_view characters) const;
    std::u16string ExactName(const Line& line, std::u16string_view characters) const;
    // A section entry of a marked file with every character, where code page 932 cannot hold them.
    std::u16string ExactEntry(const Line& line) const;
    // A key line to write, under the name given with every character of it for a marked file.
    Line NewKeyLine(std::string_view name, std::u16string_view exactName, const ExactText& value);
    // The three cases of a write: the key in a new section, an existing key rewritten in place,
    // a new key inserted after the section's last entry.
    void AppendSection(std::string_view name, Line line, bool structural);
    void RewriteKey(Line& existing, const ExactText& value, bool structural);
    void InsertKey(Section& section, Line line, bool structural);
    void Append(const Line& line);
    const Section* FindSection(std::string_view name) const;
    const Line* FindKey(std::string_view section, std::string_view key) const;
    void Reparse();

    // The file's bytes and every line written since; a deque never moves what it holds, so
    // the lines' views stay valid, also when the document is moved.
    std::deque<std::string> m_storage;
    // m_sections[0] holds the lines before the first header; no name reaches it.
    std::vector<Section> m_sections{1};
    std::unordered_map<std::string_view, std::size_t, cp932::IgnoreCaseHash, cp932::IgnoreCaseEqual> m_firstSection;
    textenc::Encoding m_encoding = textenc::Encoding::Cp932;
    std::string_view m_oddLastByte;  // of a UTF-16 file; points into m_storage
};

}  // namespace ini
