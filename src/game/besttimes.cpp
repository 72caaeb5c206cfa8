#include "game/besttimes.h"

#include <algorithm>
#include <optional>

#include "game/bytes.h"
#include "game/levels.h"
#include "text/gametext.h"
#include "text/textcodec.h"

namespace quorvel {

namespace {

using namespace bytes;

constexpr std::uint8_t signature[5] = {4, 'Q', 'V', 'B', 'T'};
constexpr std::size_t offSize = 16;
constexpr std::size_t levelBytes = 3 * bestTimesEntry;
static_assert(bestTimesHeader + levelCount * levelBytes == bestTimesSize);

// Entry offsets.
constexpr std::size_t eName = 0;
constexpr std::size_t eTime = 24;
constexpr std::size_t eGems = 32;
constexpr std::size_t eTimeText = 36;
constexpr std::size_t eSteps = 60;
constexpr std::size_t eFood = 64;
constexpr std::size_t eGems2 = 68;
constexpr std::size_t eBattery = 72;
constexpr std::size_t eStart = 84;
constexpr std::size_t eEnd = 1108;
constexpr std::size_t textCapacity = 20; ///< characters of a name or time text, and its bytes

// A name or clock text as an entry holds it: cut to 20 characters, never inside one,
// in 20 bytes. As UTF-8 when that fits; otherwise in Windows-1252, one byte a
// character, the way names were stored on Windows. A text Windows-1252 cannot hold
// (or whose bytes would read back as other UTF-8) keeps the whole characters that
// fit as UTF-8.
std::string fieldBytes(std::string_view text) {
    const std::string_view cut = cutChars(text, textCapacity);
    if (cut.size() <= textCapacity) return std::string(cut);
    if (const std::optional<std::string> narrow = toCp1252(cut); narrow && !validUtf8(*narrow))
        return *narrow;
    return std::string(cutBytes(cut, textCapacity));
}

// Text as an entry holds it, as UTF-8: stored names are UTF-8 or Windows-1252.
std::string fieldText(std::span<const std::uint8_t> entry, std::size_t at) {
    return decodePiece(getShortString(entry, at, textCapacity));
}

} // namespace

std::size_t BestTimes::offset(int level, int rank) {
    if (!isLevel(level)) level = 1;
    if (rank < 1 || rank > 3) rank = 1;
    return bestTimesHeader + (level - 1) * levelBytes + (rank - 1) * bestTimesEntry;
}

void BestTimes::writeHeader() {
    const std::span<std::uint8_t> h(m_image);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        h[i] = signature[i];
    h[5] = 1;
    h[6] = 35;
    put32(h, 8, 0);
    put32(h, 12, 0);
    put32(h, offSize, static_cast<std::int32_t>(bestTimesSize));
}

BestTimes::BestTimes() {
    writeHeader();
    BestTime friendly;
    friendly.name = "Friend";
    friendly.time = defaultTime;
    friendly.timeText = "99 days, 23:59:59";
    for (int level = 1; level <= levelCount; ++level)
        for (int rank = 1; rank <= 3; ++rank)
            setEntry(level, rank, friendly);
}

BestTimesProblem BestTimes::checkHeader(std::span<const std::uint8_t> head) {
    std::uint8_t buffer[bestTimesHeader] = {};
    for (std::size_t i = 0; i < head.size() && i < bestTimesHeader; ++i)
        buffer[i] = head[i];
    const std::span<const std::uint8_t> h(buffer);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        if (h[i] != signature[i]) return BestTimesProblem::notValid;
    if (get32(h, offSize) != static_cast<std::int32_t>(bestTimesSize))
        return BestTimesProblem::corrupt;
    return BestTimesProblem::none;
}

BestTimes BestTimes::fromFile(std::span<const std::uint8_t> file) {
    BestTimes table;
    table.m_image.fill(0);
    std::copy_n(file.begin(), std::min(file.size(), bestTimesSize), table.m_image.begin());
    return table;
}

BestTime BestTimes::entry(int level, int rank) const {
    const std::span<const std::uint8_t> e =
        std::span<const std::uint8_t>(m_image).subspan(offset(level, rank), bestTimesEntry);
    BestTime t;
    t.name = fieldText(e, eName);
    t.time = getDouble(e, eTime);
    t.gems = get32(e, eGems);
    t.timeText = fieldText(e, eTimeText);
    t.steps = get32(e, eSteps);
    t.food = get32(e, eFood);
    t.battery = get32(e, eBattery);
    for (int code = 0; code < 256; ++code) {
        t.start[code] = static_cast<std::uint32_t>(get32(e, eStart + 4 * code));
        t.end[code] = static_cast<std::uint32_t>(get32(e, eEnd + 4 * code));
    }
    return t;
}

void BestTimes::setEntry(int level, int rank, const BestTime& result) {
    const std::span<std::uint8_t> e =
        std::span<std::uint8_t>(m_image).subspan(offset(level, rank), bestTimesEntry);
    std::fill(e.begin(), e.end(), 0);
    putShortString(e, eName, fieldBytes(result.name), textCapacity);
    putDouble(e, eTime, result.time);
    put32(e, eGems, result.gems);
    putShortString(e, eTimeText, fieldBytes(result.timeText), textCapacity);
    put32(e, eSteps, result.steps);
    put32(e, eFood, result.food);
    put32(e, eGems2, result.gems);
    put32(e, eBattery, result.battery);
    for (int code = 0; code < 256; ++code) {
        put32(e, eStart + 4 * code, static_cast<std::int32_t>(result.start[code]));
        put32(e, eEnd + 4 * code, static_cast<std::int32_t>(result.end[code]));
    }
}

void BestTimes::setVersion(std::uint8_t major, std::uint8_t minor) {
    m_image[5] = major;
    m_image[6] = minor;
}

int BestTimes::rankOf(int level, double time, std::int32_t gems) const {
    for (int rank = 1; rank <= 3; ++rank) {
        const std::span<const std::uint8_t> e =
            std::span<const std::uint8_t>(m_image).subspan(offset(level, rank), bestTimesEntry);
        const double t = getDouble(e, eTime);
        if (time < t || (time == t && gems > get32(e, eGems))) return rank;
    }
    return 0;
}

int BestTimes::record(int level, const BestTime& result) {
    if (!isLevel(level)) return 0;
    const int rank = rankOf(level, result.time, result.gems);
    if (rank == 0) return 0;
    const auto move = [this, level](int from, int to) {
        std::copy_n(m_image.begin() + offset(level, from), bestTimesEntry,
                    m_image.begin() + offset(level, to));
    };
    if (rank <= 2) move(2, 3);
    if (rank == 1) move(1, 2);
    setEntry(level, rank, result);
    writeHeader();
    return rank;
}

BestTimesProblem checkBestTimes(std::span<const std::uint8_t> file) {
    const BestTimesProblem p = BestTimes::checkHeader(file);
    if (p != BestTimesProblem::none) return p;
    return file.size() < bestTimesSize ? BestTimesProblem::corrupt : BestTimesProblem::none;
}

std::pair<std::string, std::string> bestTimesProblemDialog(BestTimesProblem problem,
                                                           const std::string& path) {
    switch (problem) {
    case BestTimesProblem::none: break;
    case BestTimesProblem::notValid:
        return {
            gameText("quorvel::Problems", "File Error"),
            fillIn(gameText("quorvel::Problems",
                            "%1 is not a valid Quorvel Score File! Defuault scores will be used!"),
                   path)};
    case BestTimesProblem::corrupt:
        return {
            gameText("quorvel::Problems", "Data Error"),
            fillIn(gameText("quorvel::Problems",
                            "%1 is corrupt or has been altered!  Defuault scores will be used!"),
                   path)};
    case BestTimesProblem::unreadable:
        return {gameText("quorvel::Problems", "File Error"),
                fillIn(gameText("quorvel::Problems",
                                "Unable to read %1!  Defuault scores will be used!"),
                       path)};
    }
    return {};
}

} // namespace quorvel
