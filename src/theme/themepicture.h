#pragma once
// Theme pictures as the game reads them: BMP files read whole (bmpfile.h) into 24-bit
// pictures, by their path's bytes. A picture that cannot be read whole (empty,
// truncated, not a BMP) counts as unreadable, exactly as a missing one, so its group
// comes from the built-in pictures; nothing half-read is ever drawn.

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "theme/theme.h"

namespace quorvel {

/// Reads a theme picture as a 24-bit picture; a null picture when it cannot be read
/// whole, and then problem (when given) says why: "missing", "too large", "empty
/// file", "truncated", "not a BMP picture", ...
QImage readThemePicture(const std::string& path, std::string* problem = nullptr);

/// The pictures of a group, in the order of groupFiles, when the group comes from the
/// theme folder: the folder is a theme, every file of the group is there
/// (groupFromFolder) and each reads whole. Otherwise nothing: the group is built in.
std::optional<std::vector<QImage>> themePictureGroup(const std::string& folder, PictureGroup group);

} // namespace quorvel
