#pragma once

#include <cmath>
#include <cstdint>

namespace mapgen {

// Small deterministic generators: the pictures must come out byte for byte
// the same on every run, so nothing here depends on the standard library's
// distributions, which differ between implementations.

inline std::uint32_t hash32(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

inline std::uint32_t hash2(int x, int y, std::uint32_t seed)
{
    return hash32(static_cast<std::uint32_t>(x) * 0x9E3779B1U ^
                  hash32(static_cast<std::uint32_t>(y) + seed * 0x85EBCA77U));
}

// Uniform in [0, 1) from a lattice point.
inline double unit(std::uint32_t h)
{
    return (h >> 8) * (1.0 / 16777216.0);
}

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return (next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // Value noise in [0, 1], smooth between lattice points.
    double value(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const double tx = smooth(x - fx), ty = smooth(y - fy);
        const double a = unit(hash2(ix, iy, seed_)), b = unit(hash2(ix + 1, iy, seed_));
        const double c = unit(hash2(ix, iy + 1, seed_)), d = unit(hash2(ix + 1, iy + 1, seed_));
        return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
    }

    // Fractal sum of octaves, normalised to [0, 1].
    double fbm(double x, double y, int octaves, double gain = 0.5) const
    {
        double sum = 0, amp = 1, norm = 0, f = 1;
        for (int i = 0; i < octaves; ++i) {
            sum += amp * Noise(seed_ + 101U * static_cast<std::uint32_t>(i)).value(x * f, y * f);
            norm += amp;
            amp *= gain;
            f *= 2.03;
        }
        return sum / norm;
    }

    // Ridged fractal noise: sharp crests, for mountain chains.
    double ridged(double x, double y, int octaves) const
    {
        double sum = 0, amp = 1, norm = 0, f = 1;
        for (int i = 0; i < octaves; ++i) {
            const double n = Noise(seed_ + 977U * static_cast<std::uint32_t>(i)).value(x * f, y * f);
            const double r = 1.0 - std::abs(2.0 * n - 1.0);
            sum += amp * r * r;
            norm += amp;
            amp *= 0.5;
            f *= 2.1;
        }
        return sum / norm;
    }

    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }

private:
    std::uint32_t seed_;
};

inline double smoothstep(double e0, double e1, double x)
{
    double t = (x - e0) / (e1 - e0);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace mapgen
