#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace soundGen {

namespace {
constexpr double twoPi = 2 * std::numbers::pi;

void put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, unsigned v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
} // namespace

double Noise::next() {
    m_seed = m_seed * 1664525u + 1013904223u;
    return static_cast<double>(m_seed >> 8) / static_cast<double>(1u << 23) - 1.0;
}

int samples(double seconds) {
    return static_cast<int>(std::lround(seconds * samplerate));
}

LowPass::LowPass(double cutoff) : m_a(1.0 - std::exp(-twoPi * cutoff / samplerate)) {}

double LowPass::operator()(double x) {
    m_y += m_a * (x - m_y);
    return m_y;
}

BandPass::BandPass(double centre, double q) {
    const double w = twoPi * centre / samplerate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    m_b0 = alpha / a0;
    m_b2 = -alpha / a0;
    m_a1 = -2 * std::cos(w) / a0;
    m_a2 = (1 - alpha) / a0;
}

double BandPass::operator()(double x) {
    const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
}

void mix(Buffer& dst, const Buffer& src, double at, double gain) {
    const std::size_t start = static_cast<std::size_t>(samples(at));
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[start + i] += gain * src[i];
}

Buffer strike(double freq, double seconds, const std::vector<Partial>& partials) {
    Buffer b(static_cast<std::size_t>(samples(seconds)), 0.0);
    const double attack = 0.002;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / samplerate;
        const double rise = std::min(1.0, t / attack);
        double v = 0;
        for (const Partial& p : partials) {
            const double f = freq * p.ratio;
            if (f >= samplerate / 2.0) continue;
            v += p.amp * std::exp(-t / p.decay) * std::sin(twoPi * f * t);
        }
        b[i] = rise * v;
    }
    return b;
}

void finish(Buffer& b, double seconds, double peakDb, double fadeIn, double fadeOut) {
    b.resize(static_cast<std::size_t>(samples(seconds)), 0.0);
    // A DC blocker (high-pass near 15 Hz), then the exact mean removed.
    const double r = 1.0 - twoPi * 15.0 / samplerate;
    double x1 = 0, y1 = 0;
    for (double& v : b) {
        const double y = v - x1 + r * y1;
        x1 = v;
        y1 = y;
        v = y;
    }
    // Raised-cosine fades so the sound starts and ends at zero without a click.
    const int in = samples(fadeIn);
    const int out = samples(fadeOut);
    const int n = static_cast<int>(b.size());
    for (int i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < in) g *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
        if (i >= n - out) g *= 0.5 - 0.5 * std::cos(std::numbers::pi * (n - 1 - i) / out);
        b[static_cast<std::size_t>(i)] *= g;
    }
    double mean = 0;
    for (double v : b)
        mean += v;
    mean /= static_cast<double>(std::max(1, n));
    // Take the mean out under a window so the ends stay at zero.
    double window = 0;
    for (int i = 0; i < n; ++i)
        window += std::sin(std::numbers::pi * i / std::max(1, n - 1));
    const double k = window > 0 ? mean * n / window : 0;
    for (int i = 0; i < n; ++i)
        b[static_cast<std::size_t>(i)] -= k * std::sin(std::numbers::pi * i / std::max(1, n - 1));
    double peak = 0;
    for (double v : b)
        peak = std::max(peak, std::abs(v));
    if (peak <= 0) return;
    const double scale = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& v : b)
        v *= scale;
}

std::string waveBytes(const Buffer& b) {
    std::string data;
    data.reserve(b.size() * 2);
    for (double v : b) {
        const long s = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
        put16(data, static_cast<unsigned>(s) & 0xFFFF);
    }
    std::string out = "RIFF";
    put32(out, static_cast<unsigned>(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, samplerate);
    put32(out, samplerate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, static_cast<unsigned>(data.size()));
    out += data;
    return out;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace soundGen
