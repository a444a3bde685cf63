// INI parsing, look-up and in-place rewriting with the platform's private-profile rules.
#include "settings/ini_document.h"

#include <algorithm>
#include <iterator>

#include "settings/text_value.h"

namespace ini {

namespace {

// White space the platform trims around names and values in the file.
template <typename Char>
bool IsBlank(Char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

template <typename Char>
void Trim(std::basic_string_view<Char> text, std::size_t& begin, std::size_t& end) {
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
}

// A separator's first place from `from` on: in code page 932 text never the second byte of a
// double-byte character; in UTF-16 every unit is a character of its own.
std::size_t FindSeparator(std::string_view text, char c, std::size_t from) { return cp932::FindChar(text, c, from); }
std::size_t FindSeparator(std::u16string_view text, char c, std::size_t from) {
    return text.find(static_cast<char16_t>(c), from);
}

// Caller's names lose their spaces only (not tabs), as the platform does.
template <typename Char>
std::basic_string_view<Char> TrimSpaces(std::basic_string_view<Char> name) {
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

template <typename Char>
std::basic_string_view<Char> RemoveOuterQuotes(std::basic_string_view<Char> value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

constexpr std::string_view kEndings[] = {"", "\r\n", "\n", "\r"};

// A default is used with its trailing spaces removed, as the platform does.
std::string DefaultValue(std::string_view defaultValue) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    return std::string(defaultValue);
}

}  // namespace

// Calls take(line, ending) for every line of data, a text in the encoding without its mark.
// Lines end at CR LF, LF or a lone CR, each one code unit.
template <typename Take>
void IniDocument::SplitLines(std::string_view data, textenc::Encoding encoding, Take take) {
    const std::size_t unit = textenc::UnitSize(encoding);
    // Bytes are compared directly: this is the parse's hot path.
    const auto charAt = [&](std::size_t pos) -> char {
        if (pos + unit > data.size()) return '\0';
        return unit == 1 ? data[pos] : textenc::AsciiAt(data, pos, encoding);
    };
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t end = pos;
        while (end < data.size() && charAt(end) != '\r' && charAt(end) != '\n') end += unit;
        Ending ending = Ending::None;
        std::size_t next = end;
        if (charAt(next) == '\n') {
            ending = Ending::Lf;
            next += unit;
        } else if (charAt(next) == '\r') {
            const bool crLf = charAt(next + unit) == '\n';
            ending = crLf ? Ending::CrLf : Ending::Cr;
            next += crLf ? 2 * unit : unit;
        }
        take(data.substr(pos, end - pos), ending);
        pos = next;
    }
}

IniDocument::IniDocument(std::string_view bytes) : m_encoding(textenc::DetectEncoding(bytes)) {
    const std::string_view stored = m_storage.emplace_back(bytes);
    if (m_encoding != textenc::Encoding::Cp932) {
        std::string_view text = stored.substr(textenc::Mark(m_encoding).size());
        // An odd last byte of UTF-16 text holds no character; it stays at the file's end.
        if (text.size() % textenc::UnitSize(m_encoding) != 0) {
            m_oddLastByte = text.substr(text.size() - 1);
            text.remove_suffix(1);
        }
        ParseMarked(text);
        return;
    }
    SplitLines(stored, m_encoding, [this](std::string_view text, Ending ending) { Append(ParseLine(text, ending)); });
}

void IniDocument::ParseMarked(std::string_view bytes) {
    // Every line is converted on its own, so each keeps its own bytes for writing back.
    struct Piece {
        std::string_view original;
        Ending ending;
        std::size_t begin, size;
    };
    std::vector<Piece> pieces;
    std::string decoded;
    SplitLines(bytes, m_encoding, [&](std::string_view original, Ending ending) {
        const std::size_t begin = decoded.size();
        decoded += textenc::DecodeToCp932(original, m_encoding);
        pieces.push_back({original, ending, begin, decoded.size() - begin});
    });
    const std::string_view text = m_storage.emplace_back(std::move(decoded));
    for (const Piece& piece : pieces) {
        Line line = ParseLine(text.substr(piece.begin, piece.size), piece.ending);
        line.original = piece.original;
        Append(line);
    }
}

IniDocument::Line IniDocument::ParseNewLine(std::string text, std::u16string_view exact) {
    if (m_encoding == textenc::Encoding::Cp932) return ParseLine(m_storage.emplace_back(std::move(text)), Ending::CrLf);
    // In a marked file the line is held as it will be written, and read as that reads back, so
    // the document answers as the file it writes will.
    const std::string_view encoded = m_storage.emplace_back(exact.empty() ? textenc::EncodeFromCp932(text, m_encoding)
                                                                          : textenc::EncodeFromUtf16(exact, m_encoding));
    Line line = ParseLine(m_storage.emplace_back(textenc::DecodeToCp932(encoded, m_encoding)), Ending::CrLf);
    line.original = encoded;
    return line;
}

template <typename Char>
IniDocument::Shape IniDocument::ShapeOf(std::basic_string_view<Char> view) {
    Shape shape;
    std::size_t begin = 0;
    std::size_t end = view.size();
    Trim(view, begin, end);
    if (begin == end) return shape;
    if (view[begin] == ';') {
        shape.kind = LineKind::Comment;
        return shape;
    }
    if (view[begin] == '[') {
        // The name ends at the first "]"; a header without one runs to the end of the line.
        const std::size_t close = FindSeparator(view, ']', begin + 1);
        std::size_t nameBegin = begin + 1;
        std::size_t nameEnd = close == std::basic_string_view<Char>::npos ? end : close;
        Trim(view, nameBegin, nameEnd);
        shape.kind = LineKind::Header;
        shape.nameBegin = static_cast<std::uint32_t>(nameBegin);
        shape.nameEnd = static_cast<std::uint32_t>(nameEnd);
        return shape;
    }
    const std::size_t equals = FindSeparator(view.substr(0, end), '=', begin);
    if (equals == std::basic_string_view<Char>::npos) {
        shape.kind = LineKind::Text;
        shape.nameBegin = static_cast<std::uint32_t>(begin);
        shape.nameEnd = static_cast<std::uint32_t>(end);
        return shape;
    }
    std::size_t keyEnd = equals;
    std::size_t valueBegin = equals + 1;
    Trim(view, begin, keyEnd);
    Trim(view, valueBegin, end);
    shape.kind = LineKind::Key;
    shape.nameBegin = static_cast<std::uint32_t>(begin);
    shape.nameEnd = static_cast<std::uint32_t>(keyEnd);
    shape.valueBegin = static_cast<std::uint32_t>(valueBegin);
    shape.valueEnd = static_cast<std::uint32_t>(end);
    return shape;
}

IniDocument::Line IniDocument::ParseLine(std::string_view text, Ending ending) {
    Line line;
    static_cast<Shape&>(line) = ShapeOf(text);
    line.text = text;
    line.ending = ending;
    return line;
}

void IniDocument::Append(const Line& line) {
    if (line.kind == LineKind::Header) {
        m_firstSection.emplace(line.Name(), m_sections.size());
        m_sections.emplace_back();
    }
    Section& section = m_sections.back();
    if (line.kind == LineKind::Key) section.firstKeyLine.emplace(line.Name(), section.lines.size());
    // New keys go after the last entry, a line without "=" counting as one (the platform does so).
    if (line.kind == LineKind::Key || line.kind == LineKind::Text) section.lastKeyLine = section.lines.size();
    section.lines.push_back(line);
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const auto found = m_firstSection.find(name);
    return found == m_firstSection.end() ? nullptr : &m_sections[found->second];
}

const IniDocument::Line* IniDocument::FindKey(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(TrimSpaces(section));
    if (found == nullptr) return nullptr;
    const auto line = found->firstKeyLine.find(TrimSpaces(key));
    return line == found->firstKeyLine.end() ? nullptr : &found->lines[line->second];
}

std::string IniDocument::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    if (const Line* line = FindKey(section, key)) return std::string(RemoveOuterQuotes(line->Value()));
    return DefaultValue(defaultValue);
}

std::u16string IniDocument::Characters(const Line& line) const {
    return line.original ? textenc::DecodeToUtf16(*line.original, m_encoding) : std::u16string();
}

std::u16string IniDocument::ExactValue(const Line& line, std::u16string_view characters) const {
    const Shape shape = ShapeOf(characters);
    if (shape.kind != LineKind::Key) return {};
    const std::u16string_view value = RemoveOuterQuotes(characters.substr(shape.valueBegin, shape.valueEnd - shape.valueBegin));
    // ASCII, as most values are, is held by code page 932 as it stands.
    if (std::all_of(value.begin(), value.end(), [](char16_t unit) { return unit < 0x80; })) return {};
    std::string cp932;
    // Only a value read apart as its code page 932 text was is an exact form of that text.
    if (textenc::HeldByCp932(value, cp932) || cp932 != RemoveOuterQuotes(line.Value())) return {};
    return std::u16string(value);
}

std::u16string IniDocument::ExactName(const Line& line, std::u16string_view characters) const {
    const Shape shape = ShapeOf(characters);
    const std::u16string_view name = characters.substr(shape.nameBegin, shape.nameEnd - shape.nameBegin);
    if (shape.kind == LineKind::Key && textenc::Cp932FromUtf16(name) == line.Name()) return std::u16string(name);
    return textenc::Utf16FromCp932(line.Name());
}

std::u16string IniDocument::ExactEntry(const Line& line) const {
    if (!line.original) return {};
    const std::u16string characters = Characters(line);
    const Shape shape = ShapeOf(std::u16string_view(characters));
    if (shape.kind != line.kind) return {};
    std::u16string entry = characters.substr(shape.nameBegin, shape.nameEnd - shape.nameBegin);
    if (shape.kind == LineKind::Key) entry += u'=' + characters.substr(shape.valueBegin, shape.valueEnd - shape.valueBegin);
    return ExactTextOf(entry).exact;
}

ExactText IniDocument::GetText(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const Line* line = FindKey(section, key);
    if (line == nullptr) return {DefaultValue(defaultValue), {}};
    return {std::string(RemoveOuterQuotes(line->Value())), ExactValue(*line, Characters(*line))};
}

std::uint32_t IniDocument::GetInt(std::string_view section, std::string_view key, std::uint32_t defaultValue) const {
    const Line* line = FindKey(section, key);
    if (line == nullptr) return defaultValue;
    return static_cast<std::uint32_t>(IntegerValue(RemoveOuterQuotes(line->Value())));
}

std::vector<ExactText> IniDocument::GetSectionTexts(std::string_view section) const {
    std::vector<ExactText> entries;
    const Section* found = FindSection(section);
    if (found == nullptr) return entries;
    for (const Line& line : found->lines) {
        if (line.kind != LineKind::Key && line.kind != LineKind::Text) continue;
        std::string entry(line.Name());
        if (line.kind == LineKind::Key) {
            entry += '=';
            entry += line.Value();
        }
        entries.emplace_back(std::move(entry), ExactEntry(line));
    }
    return entries;
}

std::vector<std::string> IniDocument::GetSectionEntries(std::string_view section) const {
    std::vector<std::string> entries;
    for (ExactText& entry : GetSectionTexts(section)) entries.push_back(std::move(entry.cp932));
    return entries;
}

std::vector<std::string> IniDocument::GetSectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < m_sections.size(); ++i) names.emplace_back(m_sections[i].lines.front().Name());
    return names;
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteText(section, std::string(key), std::string(value));
}

void IniDocument::WriteText(std::string_view sectionName, const ExactText& keyText, const ExactText& value) {
    sectionName = TrimSpaces(sectionName);
    const std::string_view key = TrimSpaces(std::string_view(keyText.cp932));
    // A file in code page 932 stores the code page 932 forms. Spaces are ASCII in both forms, so
    // the key's characters lose the same ones.
    const std::u16string keyCharacters = IsMarked() ? CharactersOf(keyText) : std::u16string();
    Line line = NewKeyLine(key, TrimSpaces(std::u16string_view(keyCharacters)), value);
    // A line that would not read back as a key of this section (a name or value holding a
    // line break, a key that makes it a header) changes the file's structure: parse it anew.
    const bool plainKeyLine = line.kind == LineKind::Key || line.kind == LineKind::Comment;
    const bool structural = !plainKeyLine || key.find_first_of("\r\n") != std::string_view::npos ||
                            value.cp932.find_first_of("\r\n") != std::string::npos ||
                            sectionName.find_first_of("\r\n") != std::string_view::npos;

    const auto sectionFound = m_firstSection.find(sectionName);
    if (sectionFound == m_firstSection.end()) return AppendSection(sectionName, std::move(line), structural);
    Section& section = m_sections[sectionFound->second];
    const auto keyFound = section.firstKeyLine.find(key);
    if (keyFound != section.firstKeyLine.end()) return RewriteKey(section.lines[keyFound->second], value, structural);
    InsertKey(section, std::move(line), structural);
}

IniDocument::Line IniDocument::NewKeyLine(std::string_view name, std::u16string_view exactName, const ExactText& value) {
    std::string text(name);
    text += '=';
    text += value.cp932;
    if (!IsMarked()) return ParseNewLine(std::move(text));
    // A marked file's line is made of characters, so that a name or value that code page 932
    // cannot hold keeps every one of them.
    std::u16string characters(exactName);
    characters += u'=';
    characters += CharactersOf(value);
    return ParseNewLine(std::move(text), characters);
}

void IniDocument::AppendSection(std::string_view name, Line line, bool structural) {
    // A new section goes at the end, after a line break if the file lacks a final one.
    for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it) {
        if (it->lines.empty()) continue;
        if (it->lines.back().ending == Ending::None) it->lines.back().ending = Ending::CrLf;
        break;
    }
    Append(ParseNewLine("[" + std::string(name) + "]"));
    Append(line);
    if (structural) Reparse();
}

void IniDocument::RewriteKey(Line& existing, const ExactText& value, bool structural) {
    // Decoded once, for the value's check and the key's spelling.
    const std::u16string characters = Characters(existing);
    // A key whose line already holds the value keeps its line, code unit for code unit.
    if (existing.Value() == value.cp932 && (!IsMarked() || ExactValue(existing, characters) == value.exact)) return;
    // Rewritten in place under the file's own spelling of the key.
    existing = NewKeyLine(existing.Name(), IsMarked() ? ExactName(existing, characters) : std::u16string(), value);
    if (structural || existing.kind != LineKind::Key) Reparse();
}

void IniDocument::InsertKey(Section& section, Line line, bool structural) {
    const std::size_t after = section.lastKeyLine;
    if (section.lines[after].ending == Ending::None) section.lines[after].ending = Ending::CrLf;
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(after) + 1, std::move(line));
    // Only comments and blank lines follow the last entry, so no indexed key moves.
    const Line& inserted = section.lines[after + 1];
    if (structural) {
        Reparse();
    } else if (inserted.kind == LineKind::Key) {
        section.firstKeyLine.emplace(inserted.Name(), after + 1);
        section.lastKeyLine = after + 1;
    }
}

void IniDocument::Reparse() {
    *this = IniDocument(Serialize());
}

void IniDocument::ReplaceLeadingLines(const std::vector<ExactText>& lines) {
    std::vector<Line>& front = m_sections.front().lines;
    auto kept = front.begin();
    while (kept != front.end() && kept->kind != LineKind::Comment) ++kept;
    front.erase(front.begin(), kept);
    std::vector<Line> leading;
    bool structural = false;
    for (const ExactText& text : lines) {
        leading.push_back(ParseNewLine(text.cp932, IsMarked() ? std::u16string_view(text.exact) : std::u16string_view()));
        // A line that starts a section or a comment, or holds a line break, changes what follows
        // it; the front part is reached by no name, so its other lines need no index.
        structural = structural || text.cp932.find_first_of("\r\n") != std::string::npos ||
                     leading.back().kind == LineKind::Header || leading.back().kind == LineKind::Comment;
    }
    front.insert(front.begin(), leading.begin(), leading.end());
    for (Section& section : m_sections) {
        for (Line& line : section.lines) {
            if (line.ending == Ending::Lf || line.ending == Ending::None) line.ending = Ending::CrLf;
        }
    }
    if (structural) Reparse();
}

std::string IniDocument::Compose(bool inOwnEncoding) const {
    const textenc::Encoding encoding = inOwnEncoding ? m_encoding : textenc::Encoding::Cp932;
    std::string endings[std::size(kEndings)];
    for (std::size_t i = 0; i < std::size(kEndings); ++i) endings[i] = textenc::EncodeFromCp932(kEndings[i], encoding);
    std::string bytes(textenc::Mark(encoding));
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) {
            if (encoding == textenc::Encoding::Cp932) {
                bytes += line.text;
            } else if (line.original) {
                bytes += *line.original;
            } else {
                bytes += textenc::EncodeFromCp932(line.text, encoding);
            }
            bytes += endings[static_cast<int>(line.ending)];
        }
    }
    if (inOwnEncoding) bytes += m_oddLastByte;
    return bytes;
}

std::string IniDocument::Serialize() const { return Compose(true); }

std::string IniDocument::Text() const { return Compose(false); }

}  // namespace ini
