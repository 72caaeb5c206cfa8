// The built-in tune: twenty bars of a slow, mysterious walk in A minor for a warm
// pad, a harp, a bass, a flute and a music box (General MIDI). One pass lasts a
// minute at 80 beats a minute; the last bar leans on E so the loop falls back to A
// minor without a seam.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "sounds.h"

namespace soundGen {

namespace {

constexpr int ticksPerBeat = 480;
constexpr int beatsPerBar = 4;
constexpr int bars = 20;
constexpr int tempo = 750000; // microseconds per beat: 80 beats a minute

struct Event {
    long tick;
    int order; ///< at one tick: controls first, then note-offs, then note-ons
    std::string bytes;
};

class Track {
  public:
    explicit Track(std::string name) { meta(0, 0x03, name); }

    void meta(long tick, int type, const std::string& data) {
        std::string b = "\xFF";
        b += static_cast<char>(type);
        b += vlq(data.size());
        b += data;
        m_events.push_back({tick, 0, b});
    }
    void control(int channel, int number, int value) {
        m_events.push_back({0, 0, bytes3(0xB0 | channel, number, value)});
    }
    void program(int channel, int number) {
        std::string b;
        b += static_cast<char>(0xC0 | channel);
        b += static_cast<char>(number);
        m_events.push_back({0, 0, b});
    }
    /// A note from `beat` (counted from the start of the tune) lasting `length` beats.
    void note(int channel, double beat, double length, int pitch, int velocity) {
        const long on = std::lround(beat * ticksPerBeat);
        const long off = std::lround((beat + length) * ticksPerBeat) - 10; // a breath between notes
        m_events.push_back({on, 2, bytes3(0x90 | channel, pitch, velocity)});
        m_events.push_back({std::max(on + 1, off), 1, bytes3(0x80 | channel, pitch, 0)});
    }

    /// The track chunk, ending at `end` ticks.
    std::string chunk(long end) {
        std::stable_sort(m_events.begin(), m_events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::string data;
        long now = 0;
        for (const Event& e : m_events) {
            data += vlq(static_cast<unsigned long>(e.tick - now));
            data += e.bytes;
            now = e.tick;
        }
        data += vlq(static_cast<unsigned long>(std::max(0L, end - now)));
        data += "\xFF\x2F";
        data += '\0';
        return "MTrk" + be32(data.size()) + data;
    }

    static std::string vlq(unsigned long v) {
        std::string out(1, static_cast<char>(v & 0x7F));
        while ((v >>= 7) != 0)
            out.insert(out.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        return out;
    }
    static std::string be32(unsigned long v) {
        std::string s;
        for (int shift = 24; shift >= 0; shift -= 8)
            s += static_cast<char>((v >> shift) & 0xFF);
        return s;
    }

  private:
    static std::string bytes3(int a, int b, int c) {
        std::string s;
        s += static_cast<char>(a);
        s += static_cast<char>(b);
        s += static_cast<char>(c);
        return s;
    }
    std::vector<Event> m_events;
};

/// A little deterministic variation of loudness, so repeated notes do not sound stamped.
class Touch {
  public:
    int operator()(int velocity, int spread) {
        m_seed = m_seed * 1103515245u + 12345u;
        const int r = static_cast<int>((m_seed >> 16) % static_cast<unsigned>(2 * spread + 1));
        return std::clamp(velocity + r - spread, 1, 127);
    }

  private:
    std::uint32_t m_seed = 7;
};

// MIDI note numbers.
enum : int {
    D2 = 38,
    E2 = 40,
    F2 = 41,
    G2 = 43,
    A2 = 45,
    B2 = 47,
    C3 = 48,
    D3 = 50,
    E3 = 52,
    F3 = 53,
    G3 = 55,
    Gs3 = 56,
    A3 = 57,
    B3 = 59,
    C4 = 60,
    D4 = 62,
    E4 = 64,
    F4 = 65,
    G4 = 67,
    Gs4 = 68,
    A4 = 69,
    B4 = 71,
    C5 = 72,
    D5 = 74,
    E5 = 76,
    F5 = 77,
    G5 = 79,
    A5 = 81,
    C6 = 84,
    D6 = 86,
    E6 = 88,
    F6 = 89,
    G6 = 91,
    Gs6 = 92,
    A6 = 93,
    B6 = 95,
};

struct Chord {
    int bass;
    int pad[3];
    int arp[8]; ///< eight quavers of the harp
};

// Am F Dm E | Am F G E, twice, then F G Esus4 E.
const Chord am = {A2, {A3, C4, E4}, {A2, E3, A3, C4, E4, C4, A3, E3}};
const Chord f = {F2, {A3, C4, F4}, {F2, C3, F3, A3, C4, A3, F3, C3}};
const Chord dm = {D2, {A3, D4, F4}, {D3, A3, D4, F4, A4, F4, D4, A3}};
const Chord e = {E2, {Gs3, B3, E4}, {E2, B2, E3, Gs3, B3, Gs3, E3, B2}};
const Chord g = {G2, {G3, B3, D4}, {G2, D3, G3, B3, D4, B3, G3, D3}};
const Chord esus = {E2, {A3, B3, E4}, {E2, B2, E3, A3, B3, A3, E3, B2}};

const Chord* const progression[bars] = {&am, &f, &dm, &e, &am, &f, &g, &e, &am,   &f,
                                        &dm, &e, &am, &f, &g,  &e, &f, &g, &esus, &e};

struct Note {
    double beat; ///< within the bar
    double length;
    int pitch;
};

// The flute's tune, bars 9 to 20 (index 0 is bar 9).
const std::vector<Note> melody[12] = {
    {{0, 1, A4}, {1, 1, C5}, {2, 1.5, E5}, {3.5, 0.5, D5}},
    {{0, 1, C5}, {1, 1, A4}, {2, 2, F5}},
    {{0, 1, F5}, {1, 0.5, E5}, {1.5, 0.5, D5}, {2, 2, A4}},
    {{0, 1, Gs4}, {1, 1, B4}, {2, 2, E5}},
    {{0, 1, A4}, {1, 1, C5}, {2, 1, E5}, {3, 1, A5}},
    {{0, 1.5, G5}, {1.5, 0.5, F5}, {2, 1, E5}, {3, 1, C5}},
    {{0, 1, D5}, {1, 1, B4}, {2, 1, G4}, {3, 1, D5}},
    {{0, 3, E5}, {3, 1, B4}},
    {{0, 2, A5}, {2, 1, G5}, {3, 1, F5}},
    {{0, 2, D5}, {2, 1, B4}, {3, 1, D5}},
    {{0, 2, E5}, {2, 2, A4}},
    {{0, 3, Gs4}},
};

// The music box's glints: bars 5 to 8 and 17 to 20.
const std::vector<Note> glints[4] = {
    {{0, 1, E6}, {2, 1.5, A6}},
    {{0, 1, C6}, {2.5, 1, F6}},
    {{0, 1, D6}, {2, 1.5, B6}},
    {{0, 1, Gs6}, {2, 2, E6}},
};

} // namespace

std::string makeTune() {
    Touch touch;
    const long end = static_cast<long>(bars) * beatsPerBar * ticksPerBeat;

    Track conductor("Quorvel 3-D");
    conductor.meta(0, 0x51, Track::be32(tempo).substr(1));
    conductor.meta(0, 0x58, std::string("\x04\x02\x18\x08", 4));
    conductor.meta(0, 0x59, std::string("\x00\x01", 2)); // no sharps or flats, minor: A minor

    // channel, program, volume, pan, reverb
    struct Voice {
        const char* name;
        int channel, program, volume, pan, reverb;
    };
    const Voice voices[] = {{"Pad", 0, 89, 78, 64, 100},
                            {"Harp", 1, 46, 92, 44, 80},
                            {"Bass", 2, 32, 88, 64, 40},
                            {"Flute", 3, 73, 96, 76, 90},
                            {"Music box", 4, 10, 70, 90, 110}};
    std::vector<Track> tracks;
    for (const Voice& v : voices) {
        Track t(v.name);
        t.program(v.channel, v.program);
        t.control(v.channel, 7, v.volume);
        t.control(v.channel, 10, v.pan);
        t.control(v.channel, 91, v.reverb);
        t.control(v.channel, 93, 20); // a touch of chorus
        tracks.push_back(std::move(t));
    }
    Track& padTrack = tracks[0];
    Track& harp = tracks[1];
    Track& bass = tracks[2];
    Track& flute = tracks[3];
    Track& box = tracks[4];

    for (int bar = 0; bar < bars; ++bar) {
        const Chord& c = *progression[bar];
        const double at = bar * beatsPerBar;
        for (int p : c.pad)
            padTrack.note(0, at, beatsPerBar, p, touch(58, 4));
        // The harp is softer while the flute sings.
        const int harpVelocity = bar >= 8 ? 52 : 62;
        for (int i = 0; i < 8; ++i)
            harp.note(1, at + 0.5 * i, 0.5, c.arp[i] + 12,
                      touch(i % 4 == 0 ? harpVelocity + 8 : harpVelocity, 5));
        if (bar >= 2) {
            bass.note(2, at, 2, c.bass, touch(76, 4));
            bass.note(2, at + 2, 2, c.bass + 7, touch(66, 4));
        }
        if (bar >= 8)
            for (const Note& n : melody[bar - 8])
                flute.note(3, at + n.beat, n.length, n.pitch, touch(84, 6));
        const int glint = bar >= 4 && bar < 8 ? bar - 4 : bar >= 16 ? bar - 16 : -1;
        if (glint >= 0)
            for (const Note& n : glints[glint])
                box.note(4, at + n.beat, n.length, n.pitch, touch(64, 6));
    }

    std::string smf = "MThd" + Track::be32(6);
    smf += std::string("\x00\x01", 2); // format 1
    smf += static_cast<char>(0);
    smf += static_cast<char>(1 + tracks.size());
    smf += static_cast<char>(ticksPerBeat >> 8);
    smf += static_cast<char>(ticksPerBeat & 0xFF);
    smf += conductor.chunk(end);
    for (Track& t : tracks)
        smf += t.chunk(end);
    return smf;
}

} // namespace soundGen
