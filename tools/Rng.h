#pragma once
// A small seeded generator of our own: the standard distributions differ
// between libraries, and regeneration must be byte-identical everywhere.
#include <cstdint>

class Rng {
public:
    explicit Rng(std::uint64_t nSeed) : m_nState(nSeed ? nSeed : 0x9E3779B97F4A7C15ull) {}

    // xorshift64*: good enough for noise and scattering specks.
    std::uint64_t Next()
    {
        m_nState ^= m_nState >> 12;
        m_nState ^= m_nState << 25;
        m_nState ^= m_nState >> 27;
        return m_nState * 0x2545F4914F6CDD1Dull;
    }
    // Uniform in [0, 1).
    double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double Signed() { return Unit() * 2.0 - 1.0; }
    double Range(double dLow, double dHigh) { return dLow + (dHigh - dLow) * Unit(); }
    int Int(int nLow, int nHigh) { return nLow + int(Unit() * (nHigh - nLow + 1)); }

    // A value in [-1, 1) fixed by a position alone: noise that does not
    // depend on how many values were drawn before it.
    static double Hash(std::uint64_t nSeed, int x, int y)
    {
        Rng rng(nSeed ^ (std::uint64_t(std::uint32_t(x)) << 32 | std::uint32_t(y)) * 0x9E3779B97F4A7C15ull);
        rng.Next();
        return rng.Signed();
    }

private:
    std::uint64_t m_nState;
};
