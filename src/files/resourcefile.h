#pragma once
// Built-in resources, read or written out as files.
// A resource of a name and type (pictures, "WAVE", "MIDI", "RTF", "BIN") is the
// Qt resource ":/TYPE/NAME", exactly as spelt: the tune is ":/MIDI/MUSIC".

#include <string>
#include <string_view>

namespace quorvel {

/// The Qt resource path of a named resource: ":/" + type + "/" + name.
std::string resourcePath(std::string_view name, std::string_view type);
/// The bytes of a resource; false when there is none.
bool readResource(std::string_view name, std::string_view type, std::string& bytes);
/// Writes a resource to path (replacing any file there, safely) and gives it open
/// access. False when there is no such resource (nothing written) or when writing
/// fails ("Unable to create Resource " + path is then logged in the install record).
bool extractResource(std::string_view name, std::string_view type, const std::string& path);

} // namespace quorvel
