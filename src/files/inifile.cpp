#include "files/inifile.h"
#include "text/textcodec.h"

#include <charconv>
#include <limits>

#include <QString>
#include <QStringDecoder>

#include "files/access.h"
#include "files/filereader.h"
#include "files/safewrite.h"

namespace quorvel {

namespace {

// Larger files are not settings files; they read as empty rather than eating memory.
constexpr std::size_t maxIniBytes = 16 * 1024 * 1024;

bool isblank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isblank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (isblank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The name as it compares: every character kept but letter case. A leading U+FEFF is
// part of the name (a player may be called that), so the decoder must not take it for
// a byte-order mark, as QString::fromUtf8 does.
std::string fold(std::string_view s) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString name = utf8(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
    return name.toCaseFolded().toUtf8().toStdString();
}

// U+FEFF in UTF-8: the byte-order mark.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::string_view keyOf(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return {};
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    return trim(t.substr(0, eq));
}

std::string_view valueOf(std::string_view line) {
    std::string_view v = trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''))
        v = v.substr(1, v.size() - 2);
    return v;
}

// A section header "[name]": the name runs to the last "]" of the line, so a
// player named "A]B" keeps the sections "A]B.Settings" and so on.
bool sectionOf(std::string_view line, std::string_view& name) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[') return false;
    const std::size_t close = t.rfind(']');
    name = trim(close == 0 ? t.substr(1) : t.substr(1, close - 1));
    return true;
}

bool hasBreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool parseInt(std::string_view text, int& value) {
    std::string_view t = trim(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    const char* end = t.data() + t.size();
    const auto [p, ec] = std::from_chars(t.data(), end, value);
    return ec == std::errc() && p == end;
}

} // namespace

IniFile IniFile::load(const std::string& path) {
    IniFile file;
    read(path, file);
    return file;
}

FileRead IniFile::read(const std::string& path, IniFile& file) {
    std::string bytes;
    const FileRead result = readFile(path, maxIniBytes, bytes);
    file = result == FileRead::ok ? parse(bytes) : IniFile();
    return result;
}

IniFile IniFile::parse(std::string_view bytes) {
    IniFile file;
    std::string text = decodeText(bytes);
    // Marks left after the decoder's own (an editor that added one more) are not part of
    // the first line: the file is written without a mark, and a reader would take the
    // first of them for one, so a line kept with them would read back as another line.
    std::size_t marks = 0;
    while (text.compare(marks, byteOrderMark.size(), byteOrderMark) == 0)
        marks += byteOrderMark.size();
    text.erase(0, marks);
    // The file is written back with the line ends it was read with, its first one.
    const LineBreak firstBreak = findLineBreak(text);
    if (firstBreak.size > 0) file.m_lineEnd = text.substr(firstBreak.at, firstBreak.size);

    for (std::size_t start = 0; start < text.size();) {
        const LineBreak br = findLineBreak(text, start);
        const std::string_view line(text.data() + start, br.at - start);
        start = br.at + br.size;

        std::string_view name;
        if (sectionOf(line, name)) {
            Section s;
            s.name = std::string(name);
            s.foldName = fold(name);
            s.header = true;
            s.lines.push_back(Line{std::string(line), {}, {}});
            file.m_sections.push_back(std::move(s));
            continue;
        }
        const std::string_view key = keyOf(line);
        file.m_sections.back().lines.push_back(
            Line{std::string(line), std::string(key), key.empty() ? std::string() : fold(key)});
    }
    return file;
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const std::string f = fold(trim(section));
    for (const Section& s : m_sections)
        if (s.header && s.foldName == f) return &s;
    return nullptr;
}

const IniFile::Line* IniFile::findLine(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s) return nullptr;
    const std::string f = fold(trim(key));
    if (f.empty()) return nullptr;
    for (const Line& l : s->lines)
        if (l.foldKey == f) return &l;
    return nullptr;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const Line* l = findLine(section, key);
    return l ? std::string(valueOf(l->text)) : std::string(def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
    const Line* l = findLine(section, key);
    int value = 0;
    return l && parseInt(valueOf(l->text), value) ? value : def;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return findLine(section, key) != nullptr;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    const Section* s = findSection(section);
    if (!s) return out;
    std::vector<std::string> seen;
    for (const Line& l : s->lines) {
        if (l.foldKey.empty()) continue;
        bool dup = false;
        for (const std::string& f : seen)
            dup = dup || f == l.foldKey;
        if (dup) continue;
        seen.push_back(l.foldKey);
        out.push_back(l.key);
    }
    return out;
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> out;
    for (const Section& s : m_sections)
        if (s.header) out.push_back(s.name);
    return out;
}

bool IniFile::validSection(std::string_view section) {
    return !section.empty() && !hasBreak(section) && trim(section) == section;
}

bool IniFile::validKey(std::string_view key) {
    return !key.empty() && !hasBreak(key) && trim(key) == key &&
           key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';';
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    if (!validSection(section) || !validKey(key) || hasBreak(value)) return false;
    std::string stored(value);
    // Blanks at either end and a quoted value would be lost on reading: quote it.
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    if (!value.empty() && (isblank(value.front()) || isblank(value.back()) || quoted))
        stored = '"' + stored + '"';

    const std::string fs = fold(section);
    const std::string fk = fold(key);
    // An empty folded key would match every line that is not a key line (headers too).
    if (fk.empty()) return false;
    Section* target = nullptr;
    for (Section& s : m_sections)
        if (s.header && s.foldName == fs) {
            target = &s;
            break;
        }
    if (!target) {
        const Section& last = m_sections.back();
        const bool empty = m_sections.size() == 1 && last.lines.empty();
        if (!empty && !last.lines.empty() && !trim(last.lines.back().text).empty())
            m_sections.back().lines.push_back(Line{});
        Section s;
        s.name = std::string(section);
        s.foldName = fs;
        s.header = true;
        s.lines.push_back(Line{"[" + s.name + "]", {}, {}});
        m_sections.push_back(std::move(s));
        target = &m_sections.back();
    }
    std::size_t after = 0; // the header line, or the last key line of the section
    for (std::size_t i = 0; i < target->lines.size(); ++i) {
        Line& l = target->lines[i];
        if (l.foldKey == fk) {
            l.text = l.key + "=" + stored;
            return true;
        }
        if (!l.foldKey.empty()) after = i;
    }
    target->lines.insert(target->lines.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                         Line{std::string(key) + "=" + stored, std::string(key), fk});
    return true;
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

std::string IniFile::text() const {
    const std::string& eol = m_lineEnd;
    std::string out;
    for (const Section& s : m_sections)
        for (const Line& l : s.lines) {
            out += l.text;
            out += eol;
        }
    return out;
}

bool IniFile::save(const std::string& path) const {
    return writeFileSafely(path, text());
}

bool updateIniFile(const std::string& path, const std::function<void(IniFile&)>& change) {
    IniFile file;
    const FileRead read = IniFile::read(path, file);
    if (read != FileRead::ok && read != FileRead::missing) return false;
    change(file);
    if (!file.save(path)) return false;
    openAccess(path);
    return true;
}

} // namespace quorvel
