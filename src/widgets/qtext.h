#pragma once
// The game keeps its texts as UTF-8 in std::string; Qt's widgets show QString.

#include <string_view>

#include <QString>

namespace quorvel {

/// UTF-8 text as a QString for a widget (bytes that are not UTF-8 show as U+FFFD).
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quorvel
