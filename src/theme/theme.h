#pragma once
// Theme folders: a folder directly inside the program folder holding the 36 view
// pictures is a theme, named after the folder. It may add panel, box, exit and map
// pictures, message variants (key word + ".txt"), its vocabulary (theme.ini), sounds,
// music and a story. Whatever a theme lacks, or cannot be read, comes from the
// built-in theme "Back to basics <Default>", which has no folder.
//
// Each operation comes in two forms: one over a theme folder's path (ending in "/"),
// used by the tool and the tests, and one over a theme name in the program folder.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/filereader.h"
#include "files/inifile.h"

namespace quorvel {

class MessageCatalogue;
struct Vocabulary;

/// The name of the built-in theme.
inline constexpr std::string_view builtinThemeName = "Back to basics <Default>";

/// The picture groups a theme supplies all together or not at all.
enum class PictureGroup {
    strips, ///< the 36 view pictures: door1..12, wall1..12, middle1..12 (these make the theme)
    boxes,  ///< openbox1..3, closebox1..3
    exits,  ///< exita, exitb, exitc, ending
    map,    ///< the wall map
    panel,  ///< the 14 item-panel, indicator and compass-heading pictures
};

/// The file names of a group in the order they are tested; for strips "door1.bmp" to
/// "door12.bmp", "wall1.bmp" to "wall12.bmp", "middle1.bmp" to "middle12.bmp".
const std::vector<std::string>& groupFiles(PictureGroup group);

/// The folder of a theme in root (root + name + "/"); empty for the built-in theme
/// and for names that are no plain folder name ("", ".", "..", "a/b", ...). A theme
/// is named in UTF-8; when no folder has exactly that name, a folder whose name is no
/// UTF-8 but reads as the name in Windows-1252 (Latin-1 names from an unpacked
/// archive) is the theme's folder.
std::string themeFolder(std::string_view root, std::string_view name);
/// The same in the program folder.
std::string themeFolder(std::string_view name);

/// The path of a file of the theme folder: the exact name, or else a file whose name
/// differs only in ASCII case (themes made on Windows); empty when there is none.
/// Folders and other non-files do not count.
std::string themeFile(const std::string& folder, std::string_view filename);

/// The first view picture missing from the folder in the test order; empty when all
/// 36 are there.
std::string firstMissingView(const std::string& folder);
/// True when the folder holds all 36 view pictures.
bool isThemeFolder(const std::string& folder);
/// The theme test for theme in root.
bool checkFiles(std::string_view root, std::string_view theme);
/// The theme test for a theme of the program folder.
bool isTheme(std::string_view name);

/// The theme list: the built-in theme first, then every subfolder of root that is a
/// theme, in the order the file system lists them. A folder whose name is no UTF-8 is
/// listed under its name read as Windows-1252, which themeFolder leads back to it.
std::vector<std::string> listThemes(std::string_view root);
/// The theme list of the program folder.
std::vector<std::string> listThemes();

/// True when a picture group comes from the theme folder's files: the folder is a
/// theme and every file of the group exists. Otherwise the built-in set is used.
bool groupFromFolder(const std::string& folder, PictureGroup group);
/// The same for a theme of the program folder (false for the built-in theme).
bool groupFromTheme(std::string_view theme, PictureGroup group);

/// The theme's music file ("music.mid", else "music.rmi"), or empty.
std::string themeMusic(const std::string& folder);
/// The theme's story ("story.rtf"), or empty.
std::string themeStory(const std::string& folder);

/// Theme file bytes as UTF-8 text, through the one text decoder (decodeReadOnlyText:
/// UTF-8, UTF-16 with or without its byte-order mark, else Windows-1252 line by line);
/// nothing when they are no text (hold a NUL byte and are no UTF-16), so the file
/// counts as absent.
std::optional<std::string> themeText(std::string_view bytes);
/// Why a theme file could not be read, for the theme report: "missing" (or no plain
/// file), "too large", or "cannot be opened" (no permission, an I/O error).
std::string unreadableFileReason(FileRead result);
/// Why an existing theme text cannot be read, for the theme report: "not text" (it
/// holds NULs and reads as no UTF-16) or why the file could not be read; empty when it
/// reads.
std::string themeTextProblem(const std::string& path);
/// The lines of a theme text file; nothing when it is missing, unreadable, larger
/// than a megabyte, or not text (holds a NUL byte), so it counts as absent.
std::optional<std::vector<std::string>> themeTextFile(const std::string& path);
/// Theme text cut into lines at CRLF, LF or a lone CR; no line after a final break.
std::vector<std::string> themeTextLines(std::string_view text);
/// Sets every word of the keys of the sections Items and Hints from a theme.ini: a key
/// that is absent or empty makes its word empty. Without an Items section the item words
/// (box, gem, open and light words included) stay as they were.
void setThemeWords(Vocabulary& words, const IniFile& ini);

/// The folder's theme.ini, read through the one text decoder (themeText); nothing when
/// there is none or it is no text. Every reader of theme.ini (the words, the about box's credits)
/// uses it.
std::optional<IniFile> themeIni(const std::string& folder);
/// Switches the catalogue to the theme in folder: built-in words and variants first,
/// then the folder's variant files (variants that do not fill cleanly dropped), then
/// its theme.ini. An empty folder restores the built-in theme.
void loadThemeFolder(MessageCatalogue& catalogue, const std::string& folder);
/// Switches the catalogue to a theme of the program folder (or the built-in theme).
void loadTheme(MessageCatalogue& catalogue, std::string_view name);

} // namespace quorvel
