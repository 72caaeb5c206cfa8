#pragma once
// INI files as the settings file, theme.ini, the install record and the program
// registry use them: "[Section]" lines, "key=value" lines, everything else kept as
// it is. Section and key names are compared without regard to case (Bob and BOB
// share sections) and by every other character, a leading U+FEFF included. Text is
// UTF-8 in this interface. A file is read through the game's one text decoder
// (decodeText): UTF-8 or UTF-16 by its byte-order mark, otherwise line by line, a line
// that is valid UTF-8 as UTF-8 and any other as Windows-1252, the code page of
// settings files and themes made on Windows. So one stray byte garbles nothing but its
// own line, and no name is written back garbled.
// A file is always written as UTF-8, without a byte-order mark; any marks at the start
// of a file read are dropped, none is taken as part of the first line. Lines end with
// CRLF, LF or a lone CR (classic Mac text); a file is written back with the line end
// its first line had.
//
// Reading: integers are decimal (leading sign allowed, surrounding blanks ignored);
// a value that is not a whole number, or does not fit an int, reads as the default.
// A boolean is any integer, non-zero meaning true; anything else reads as the
// default. One pair of matching quotes around a value is removed, as the classic
// profile functions do. When a section or key occurs twice, the first one counts.
//
// Writing changes only the key written: every other section, key, comment, blank
// line and their order stay as they were; a new key goes after the last entry of
// its section, a new section at the end of the file. Names or values that the
// format cannot hold (line breaks; a key with "=", or starting with "[" or ";";
// blanks around a name) are refused, so no value can break the file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class FileRead;

class IniFile {
  public:
    /// The file at path; a missing, unreadable or damaged file gives an empty file.
    static IniFile load(const std::string& path);
    /// Reads the file at path into file (an empty file when it cannot be read) and
    /// tells how the read went, so a file that is there but could not be read is never
    /// written over with what little was read.
    static FileRead read(const std::string& path, IniFile& file);
    /// The file held in bytes, decoded as load() does.
    static IniFile parse(std::string_view bytes);

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    int readInteger(std::string_view section, std::string_view key, int def) const;
    bool readBool(std::string_view section, std::string_view key, bool def) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    /// The keys of a section in file order, as spelt in the file.
    std::vector<std::string> keys(std::string_view section) const;
    /// The section names in file order, as spelt in the file.
    std::vector<std::string> sections() const;

    /// Writes one value; false (nothing changed) when the name or value cannot be stored.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    /// Writes the integer in decimal.
    bool writeInteger(std::string_view section, std::string_view key, int value);
    /// Writes 1 for true and 0 for false.
    bool writeBool(std::string_view section, std::string_view key, bool value);

    /// The file as UTF-8 text, every line ended as the first line of the file read was
    /// (CRLF, LF or a lone CR; LF when new).
    std::string text() const;
    /// Writes the file safely (temporary file, then rename); true on success.
    bool save(const std::string& path) const;

    /// True when section and key names could be written.
    static bool validSection(std::string_view section);
    static bool validKey(std::string_view key);

  private:
    struct Line {
        std::string text;    ///< the line as it stands in the file
        std::string key;     ///< the key name of a key line, else empty
        std::string foldKey; ///< key folded for comparison; empty for other lines
    };
    struct Section {
        std::string name;     ///< empty for the lines before the first section
        std::string foldName; ///< name folded for comparison
        bool header = false;  ///< false only for those leading lines
        std::vector<Line> lines;
    };

    const Section* findSection(std::string_view section) const;
    const Line* findLine(std::string_view section, std::string_view key) const;

    std::vector<Section> m_sections = std::vector<Section>(1); ///< [0]: lines before any section
    std::string m_lineEnd = "\n"; ///< the file's line end, kept when it is written
};

/// Reads a file the game keeps, changes it and writes it back safely, giving it open
/// access: the one way a kept INI file is updated. A file that is there but cannot be
/// read whole (no permission, too large, not a plain file, an I/O error) is left as it
/// is, and so is a file whose write fails; both give false. A missing file starts empty.
bool updateIniFile(const std::string& path, const std::function<void(IniFile&)>& change);

} // namespace quorvel
