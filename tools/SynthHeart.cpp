// The host's heart: one beat (149) and the eight seconds of infection (151).
#include <cmath>
#include <numbers>

#include "tools/Rng.h"
#include "tools/SynthSounds.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// One valve sound: a falling low sine with its octave and a soft thud of noise.
Signal Valve(int nRate, double dFrom, double dTo, double dTau, Rng& rng)
{
    Signal s(Frames(dTau * 6.0, nRate));
    Oscillator osc(nRate), octave(nRate);
    Biquad thud;
    thud.SetLowPass(nRate, 260.0, 0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / nRate;
        const double dHz = dTo + (dFrom - dTo) * Decay(t, dTau * 0.8);
        const double d = osc.Sine(dHz) + 0.35 * octave.Sine(2.0 * dHz) + 1.5 * thud.Process(rng.Signed());
        s[i] = d * Attack(t, 0.006) * Decay(t, dTau);
    }
    return s;
}

// "Lub-dub": the louder, lower first sound and a shorter second one.
Signal Beat(int nRate, double dScale, double dGap, Rng& rng)
{
    Signal s(Frames(dGap + 0.25 * dScale, nRate));
    Mix(s, Valve(nRate, 95.0 / dScale, 48.0 / dScale, 0.04 * dScale, rng), 0, 1.0);
    Mix(s, Valve(nRate, 120.0 / dScale, 62.0 / dScale, 0.028 * dScale, rng), Frames(dGap, nRate), 0.6);
    return s;
}

// A low cluster a minor second and a tritone apart; the filter opens slowly.
Signal Drone(int nRate, std::size_t nFrames, double dDetune)
{
    static constexpr double aHz[] = {41.2, 43.65, 58.27, 82.4};
    Signal s(nFrames);
    std::vector<Oscillator> oscs(std::size(aHz), Oscillator(nRate));
    Biquad lowpass;
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double u = double(i) / double(nFrames);
        double d = 0.0;
        for (std::size_t k = 0; k < oscs.size(); ++k) {
            d += oscs[k].Saw(aHz[k] + dDetune * (k + 1)) / double(oscs.size());
        }
        lowpass.SetLowPass(nRate, 180.0 * std::pow(7.0, u), 1.4);
        s[i] = lowpass.Process(d) * Lerp(0.35, 0.8, u) * Attack(u, 0.06);
    }
    return s;
}

// Tension: a tone that climbs two octaves, trembling faster, over a noise swell.
Signal Riser(int nRate, std::size_t nFrames, double dPhase, Rng& rng)
{
    Signal s(nFrames);
    Oscillator tone(nRate), fifth(nRate);
    Biquad band;
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double u = double(i) / double(nFrames);
        const double t = double(i) / nRate;
        const double dHz = 220.0 * std::pow(4.0, u);
        const double dTremble = 0.6 + 0.4 * std::sin(kTwoPi * (3.0 + 11.0 * u) * t + dPhase);
        band.SetBandPass(nRate, 500.0 * std::pow(8.0, u), 2.0);
        const double dTone = tone.Sine(dHz) + 0.3 * fifth.Sine(dHz * 1.4983);
        s[i] = (0.35 * dTone * dTremble + 0.6 * band.Process(rng.Signed())) * u * u;
    }
    return s;
}

}  // namespace

std::vector<Signal> SynthHeartbeat(int nRate, std::size_t nFrames)
{
    Rng rng(149);
    Signal s(nFrames);
    Mix(s, Beat(nRate, 1.0, 0.105, rng), Frames(0.004, nRate), 1.0);
    const double dEnd = double(nFrames) / nRate;
    for (std::size_t i = 0; i < nFrames; ++i) {
        s[i] *= Attack(dEnd - double(i) / nRate, 0.03);
    }
    return {s, s};
}

std::vector<Signal> SynthInfection(int nRate, std::size_t nFrames)
{
    Rng rng(151);
    Signal beats(nFrames);
    // The heart slows: every gap is 18 % longer than the one before.
    double dInterval = 0.55;
    // Each beat lands a little heavier, so the slowing stays in front of the drone.
    const double dEnd = double(nFrames) / nRate;
    for (double t = 0.08; t < dEnd - 0.3; t += dInterval, dInterval *= 1.18) {
        Mix(beats, Beat(nRate, 1.15, 0.17, rng), Frames(t, nRate), Lerp(1.0, 1.6, t / dEnd));
    }
    std::vector<Signal> channels;
    for (int c = 0; c < 2; ++c) {
        Signal s = beats;
        Mix(s, Drone(nRate, nFrames, c ? 0.21 : -0.17), 0, 0.4);
        Mix(s, Riser(nRate, nFrames, c * 1.3, rng), 0, 0.4);
        channels.push_back(std::move(s));
    }
    return channels;
}
