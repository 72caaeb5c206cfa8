#include "besttimes.h"

#include <algorithm>

#include "bytes.h"

namespace quorvel {

namespace {

using namespace bytes;

constexpr std::uint8_t signature[5] = {4, 'Q', 'V', 'B', 'T'};
constexpr std::size_t offsize = 16;
constexpr std::size_t levelbytes = 3 * besttimesentry;

// Entry offsets.
constexpr std::size_t ename = 0;
constexpr std::size_t etime = 24;
constexpr std::size_t egems = 32;
constexpr std::size_t etimetext = 36;
constexpr std::size_t esteps = 60;
constexpr std::size_t efood = 64;
constexpr std::size_t egems2 = 68;
constexpr std::size_t ebattery = 72;
constexpr std::size_t estart = 84;
constexpr std::size_t eend = 1108;
constexpr std::size_t textcapacity = 20;

} // namespace

std::size_t BestTimes::offset(int level, int rank) {
    if (level < 1 || level > 6) level = 1;
    if (rank < 1 || rank > 3) rank = 1;
    return besttimesheader + (level - 1) * levelbytes + (rank - 1) * besttimesentry;
}

void BestTimes::writeheader() {
    const std::span<std::uint8_t> h(m_image);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        h[i] = signature[i];
    h[5] = 1;
    h[6] = 35;
    put32(h, 8, 0);
    put32(h, 12, 0);
    put32(h, offsize, static_cast<std::int32_t>(besttimessize));
}

BestTimes::BestTimes() {
    writeheader();
    BestTime friendly;
    friendly.name = "Friend";
    friendly.time = defaulttime;
    friendly.timetext = "99 days, 23:59:59";
    for (int level = 1; level <= 6; ++level)
        for (int rank = 1; rank <= 3; ++rank)
            setentry(level, rank, friendly);
}

BestTimesProblem BestTimes::checkheader(std::span<const std::uint8_t> head) {
    std::uint8_t buffer[besttimesheader] = {};
    for (std::size_t i = 0; i < head.size() && i < besttimesheader; ++i)
        buffer[i] = head[i];
    const std::span<const std::uint8_t> h(buffer);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        if (h[i] != signature[i]) return BestTimesProblem::notvalid;
    if (get32(h, offsize) != static_cast<std::int32_t>(besttimessize))
        return BestTimesProblem::corrupt;
    return BestTimesProblem::none;
}

BestTimes BestTimes::fromfile(std::span<const std::uint8_t> file) {
    BestTimes table;
    table.m_image.fill(0);
    std::copy_n(file.begin(), std::min(file.size(), besttimessize), table.m_image.begin());
    return table;
}

BestTime BestTimes::entry(int level, int rank) const {
    const std::span<const std::uint8_t> e =
        std::span<const std::uint8_t>(m_image).subspan(offset(level, rank), besttimesentry);
    BestTime t;
    t.name = getshortstring(e, ename, textcapacity);
    t.time = getdouble(e, etime);
    t.gems = get32(e, egems);
    t.timetext = getshortstring(e, etimetext, textcapacity);
    t.steps = get32(e, esteps);
    t.food = get32(e, efood);
    t.battery = get32(e, ebattery);
    for (int code = 0; code < 256; ++code) {
        t.start[code] = static_cast<std::uint32_t>(get32(e, estart + 4 * code));
        t.end[code] = static_cast<std::uint32_t>(get32(e, eend + 4 * code));
    }
    return t;
}

void BestTimes::setentry(int level, int rank, const BestTime& result) {
    const std::span<std::uint8_t> e =
        std::span<std::uint8_t>(m_image).subspan(offset(level, rank), besttimesentry);
    std::fill(e.begin(), e.end(), 0);
    putshortstring(e, ename, result.name, textcapacity);
    putdouble(e, etime, result.time);
    put32(e, egems, result.gems);
    putshortstring(e, etimetext, result.timetext, textcapacity);
    put32(e, esteps, result.steps);
    put32(e, efood, result.food);
    put32(e, egems2, result.gems);
    put32(e, ebattery, result.battery);
    for (int code = 0; code < 256; ++code) {
        put32(e, estart + 4 * code, static_cast<std::int32_t>(result.start[code]));
        put32(e, eend + 4 * code, static_cast<std::int32_t>(result.end[code]));
    }
}

void BestTimes::setversion(std::uint8_t major, std::uint8_t minor) {
    m_image[5] = major;
    m_image[6] = minor;
}

int BestTimes::rankof(int level, double time, std::int32_t gems) const {
    for (int rank = 1; rank <= 3; ++rank) {
        const std::span<const std::uint8_t> e =
            std::span<const std::uint8_t>(m_image).subspan(offset(level, rank), besttimesentry);
        const double t = getdouble(e, etime);
        if (time < t || (time == t && gems > get32(e, egems))) return rank;
    }
    return 0;
}

int BestTimes::record(int level, const BestTime& result) {
    if (level < 1 || level > 6) return 0;
    const int rank = rankof(level, result.time, result.gems);
    if (rank == 0) return 0;
    const auto move = [this, level](int from, int to) {
        std::copy_n(m_image.begin() + offset(level, from), besttimesentry,
                    m_image.begin() + offset(level, to));
    };
    if (rank <= 2) move(2, 3);
    if (rank == 1) move(1, 2);
    setentry(level, rank, result);
    writeheader();
    return rank;
}

BestTimesProblem checkbesttimes(std::span<const std::uint8_t> file) {
    const BestTimesProblem p = BestTimes::checkheader(file);
    if (p != BestTimesProblem::none) return p;
    return file.size() < besttimessize ? BestTimesProblem::corrupt : BestTimesProblem::none;
}

std::pair<std::string, std::string> besttimesproblemdialog(BestTimesProblem problem,
                                                           const std::string& path) {
    switch (problem) {
    case BestTimesProblem::none: break;
    case BestTimesProblem::notvalid:
        return {"File Error",
                path + " is not a valid Quorvel Score File! Defuault scores will be used!"};
    case BestTimesProblem::corrupt:
        return {"Data Error",
                path + " is corrupt or has been altered!  Defuault scores will be used!"};
    case BestTimesProblem::unreadable:
        return {"File Error", "Unable to read " + path + "!  Defuault scores will be used!"};
    }
    return {};
}

} // namespace quorvel
