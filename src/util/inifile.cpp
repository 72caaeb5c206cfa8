#include "inifile.h"
#include "textcodec.h"

#include <charconv>
#include <limits>

#include <QString>

#include "safewrite.h"

namespace quorvel {

namespace {

// Larger files are not settings files; they read as empty rather than eating memory.
constexpr std::size_t maxinibytes = 16 * 1024 * 1024;

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

std::string fold(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))
        .toCaseFolded()
        .toUtf8()
        .toStdString();
}


std::string_view keyof(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return {};
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    return trim(t.substr(0, eq));
}

std::string_view valueof(std::string_view line) {
    std::string_view v = trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''))
        v = v.substr(1, v.size() - 2);
    return v;
}

// A section header "[name]": the name runs to the last "]" of the line, so a
// player named "A]B" keeps the sections "A]B.Settings" and so on.
bool sectionof(std::string_view line, std::string_view& name) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[') return false;
    const std::size_t close = t.rfind(']');
    name = trim(close == 0 ? t.substr(1) : t.substr(1, close - 1));
    return true;
}

bool hasbreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool parseint(std::string_view text, int& value) {
    std::string_view t = trim(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    const char* end = t.data() + t.size();
    const auto [p, ec] = std::from_chars(t.data(), end, value);
    return ec == std::errc() && p == end;
}

} // namespace

IniFile IniFile::load(const std::string& path) {
    std::string bytes;
    if (!readwholefile(path, bytes, maxinibytes)) return IniFile();
    return parse(bytes);
}

IniFile IniFile::parse(std::string_view bytes) {
    IniFile file;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::string text = decodetext(bytes);
    const std::size_t firstbreak = text.find('\n');
    file.m_crlf = firstbreak != std::string::npos && firstbreak > 0 && text[firstbreak - 1] == '\r';

    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;

        std::string_view name;
        if (sectionof(line, name)) {
            Section s;
            s.name = std::string(name);
            s.foldname = fold(name);
            s.header = true;
            s.lines.push_back(Line{std::string(line), {}, {}});
            file.m_sections.push_back(std::move(s));
            continue;
        }
        const std::string_view key = keyof(line);
        file.m_sections.back().lines.push_back(
            Line{std::string(line), std::string(key), key.empty() ? std::string() : fold(key)});
    }
    return file;
}

const IniFile::Section* IniFile::findsection(std::string_view section) const {
    const std::string f = fold(trim(section));
    for (const Section& s : m_sections)
        if (s.header && s.foldname == f) return &s;
    return nullptr;
}

const IniFile::Line* IniFile::findline(std::string_view section, std::string_view key) const {
    const Section* s = findsection(section);
    if (!s) return nullptr;
    const std::string f = fold(trim(key));
    if (f.empty()) return nullptr;
    for (const Line& l : s->lines)
        if (l.foldkey == f) return &l;
    return nullptr;
}

std::string IniFile::readstring(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const Line* l = findline(section, key);
    return l ? std::string(valueof(l->text)) : std::string(def);
}

int IniFile::readinteger(std::string_view section, std::string_view key, int def) const {
    const Line* l = findline(section, key);
    int value = 0;
    return l && parseint(valueof(l->text), value) ? value : def;
}

bool IniFile::readbool(std::string_view section, std::string_view key, bool def) const {
    return readinteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::haskey(std::string_view section, std::string_view key) const {
    return findline(section, key) != nullptr;
}

bool IniFile::hassection(std::string_view section) const {
    return findsection(section) != nullptr;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    const Section* s = findsection(section);
    if (!s) return out;
    std::vector<std::string> seen;
    for (const Line& l : s->lines) {
        if (l.foldkey.empty()) continue;
        bool dup = false;
        for (const std::string& f : seen)
            dup = dup || f == l.foldkey;
        if (dup) continue;
        seen.push_back(l.foldkey);
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

bool IniFile::validsection(std::string_view section) {
    return !section.empty() && !hasbreak(section) && trim(section) == section;
}

bool IniFile::validkey(std::string_view key) {
    return !key.empty() && !hasbreak(key) && trim(key) == key &&
           key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';';
}

bool IniFile::writestring(std::string_view section, std::string_view key, std::string_view value) {
    if (!validsection(section) || !validkey(key) || hasbreak(value)) return false;
    std::string stored(value);
    // Blanks at either end and a quoted value would be lost on reading: quote it.
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    if (!value.empty() && (isblank(value.front()) || isblank(value.back()) || quoted))
        stored = '"' + stored + '"';

    const std::string fs = fold(section);
    const std::string fk = fold(key);
    Section* target = nullptr;
    for (Section& s : m_sections)
        if (s.header && s.foldname == fs) {
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
        s.foldname = fs;
        s.header = true;
        s.lines.push_back(Line{"[" + s.name + "]", {}, {}});
        m_sections.push_back(std::move(s));
        target = &m_sections.back();
    }
    std::size_t after = 0; // the header line, or the last key line of the section
    for (std::size_t i = 0; i < target->lines.size(); ++i) {
        Line& l = target->lines[i];
        if (l.foldkey == fk) {
            l.text = l.key + "=" + stored;
            return true;
        }
        if (!l.foldkey.empty()) after = i;
    }
    target->lines.insert(target->lines.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                         Line{std::string(key) + "=" + stored, std::string(key), fk});
    return true;
}

bool IniFile::writeinteger(std::string_view section, std::string_view key, int value) {
    return writestring(section, key, std::to_string(value));
}

bool IniFile::writebool(std::string_view section, std::string_view key, bool value) {
    return writestring(section, key, value ? "1" : "0");
}

std::string IniFile::text() const {
    const char* eol = m_crlf ? "\r\n" : "\n";
    std::string out;
    for (const Section& s : m_sections)
        for (const Line& l : s.lines) {
            out += l.text;
            out += eol;
        }
    return out;
}

bool IniFile::save(const std::string& path) const {
    return writefilesafely(path, text());
}

} // namespace quorvel
