// The game's short effects: ambience, sting, count, death, burst, grab, spray.
#include <cmath>
#include <numbers>

#include "tools/Rng.h"
#include "tools/SynthSounds.h"

namespace {

// A bubble rings at a pitch that rises as it grows towards the surface.
Signal Bubble(int nRate, double dHz, double dSeconds)
{
    Signal s(Frames(dSeconds, nRate));
    Oscillator osc(nRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / nRate;
        const double dFade = 1.0 - t / dSeconds;  // ends at zero: no click
        s[i] = osc.Sine(dHz * (1.0 + 1.8 * t / dSeconds)) * Attack(t, 0.004) * Decay(t, dSeconds / 3.5) * dFade;
    }
    return s;
}

// A short chirp that rises by half its pitch: a droplet or a tiny snap.
Signal Chirp(int nRate, double dHz, double dTau)
{
    Signal s(Frames(dTau * 6.0, nRate));
    Oscillator osc(nRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / nRate;
        s[i] = osc.Sine(dHz * (1.0 + 0.5 * t / (dTau * 6.0))) * Attack(t, 0.001) * Decay(t, dTau);
    }
    return s;
}

// A low sine whose pitch falls from dFrom to dTo: the body of hits and thumps.
Signal Thump(int nRate, double dFrom, double dTo, double dTau)
{
    Signal s(Frames(dTau * 7.0, nRate));
    Oscillator osc(nRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / nRate;
        const double dHz = dTo + (dFrom - dTo) * Decay(t, dTau * 0.7);
        s[i] = osc.Sine(dHz) * Attack(t, 0.002) * Decay(t, dTau);
    }
    return s;
}

// Filtered noise with a fast attack and an exponential fall.
Signal NoiseBurst(int nRate, double dHz, double dQ, double dTau, Rng& rng)
{
    Signal s(Frames(dTau * 7.0, nRate));
    Biquad filter;
    filter.SetBandPass(nRate, dHz, dQ);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / nRate;
        s[i] = filter.Process(rng.Signed()) * Attack(t, 0.001) * Decay(t, dTau);
    }
    return s;
}

// "IN-FECT!": a dissonant stab, each hit a cluster of detuned saws.
Signal Stab(int nRate, double dRoot, double dTau, Rng& rng)
{
    static constexpr double aRatio[] = {1.0, 1.0059, 1.4142, 2.0, 2.997};
    Signal s(Frames(dTau * 6.0, nRate));
    std::vector<Oscillator> oscs(std::size(aRatio), Oscillator(nRate));
    Biquad lowpass;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / nRate;
        double d = 0.0;
        for (std::size_t k = 0; k < oscs.size(); ++k) {
            d += oscs[k].Saw(dRoot * aRatio[k]) / double(oscs.size());
        }
        lowpass.SetLowPass(nRate, 400.0 + 3200.0 * Decay(t, dTau * 0.6), 1.2);
        s[i] = std::tanh(3.0 * lowpass.Process(d)) * Attack(t, 0.003) * Decay(t, dTau);
    }
    Mix(s, Thump(nRate, dRoot * 2.0, dRoot * 0.5, dTau * 0.6), 0, 0.9);
    Mix(s, NoiseBurst(nRate, 1800.0, 0.8, 0.02, rng), 0, 0.6);
    return s;
}

}  // namespace

std::vector<Signal> SynthBubbles(int nRate, std::size_t nFrames)
{
    Rng rng(138);
    Signal s(nFrames);
    Biquad bed;
    bed.SetLowPass(nRate, 320.0, 0.7);
    for (double& d : s) {
        d = 0.25 * bed.Process(rng.Signed());
    }
    // One draw per statement: argument order differs between compilers.
    for (double t = rng.Range(0.0, 0.05); t < double(nFrames) / nRate; t += rng.Range(0.02, 0.1)) {
        const double dHz = rng.Range(260.0, 720.0);
        const double dSeconds = rng.Range(0.03, 0.08);
        Mix(s, Bubble(nRate, dHz, dSeconds), Frames(t, nRate), rng.Range(0.15, 0.5));
    }
    const double dEnd = double(nFrames) / nRate;
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double t = double(i) / nRate;
        s[i] *= Attack(t, 0.25) * Attack(dEnd - t, 0.35);
    }
    return {s};
}

std::vector<Signal> SynthInfect(int nRate, std::size_t nFrames)
{
    Rng rng(139);
    Signal s(nFrames);
    Mix(s, Stab(nRate, 55.0, 0.09, rng), 0, 0.7);
    Mix(s, Stab(nRate, 41.2, 0.22, rng), Frames(0.26, nRate), 1.0);

    // The swell: the cluster climbs an octave, opens up and growls faster.
    static constexpr double aRatio[] = {1.0, 1.0595, 1.4142, 2.0, 2.01};
    std::vector<Oscillator> oscs(std::size(aRatio), Oscillator(nRate));
    Oscillator siren(nRate);
    Biquad lowpass;
    const double dStart = 0.3, dPeak = 2.15;
    for (std::size_t i = Frames(dStart, nRate); i < nFrames; ++i) {
        const double t = double(i) / nRate;
        const double u = std::min(1.0, (t - dStart) / (dPeak - dStart));
        const double dRoot = 55.0 * std::pow(2.0, u);
        double d = 0.0;
        for (std::size_t k = 0; k < oscs.size(); ++k) {
            d += oscs[k].Saw(dRoot * aRatio[k]) / double(oscs.size());
        }
        lowpass.SetLowPass(nRate, 250.0 * std::pow(14.0, u), 2.0);
        const double dGrowl = 1.0 - 0.35 * (0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * (6.0 + 14.0 * u) * t));
        const double dLevel = Lerp(0.15, 1.0, u * u) * (t < dPeak ? 1.0 : Decay(t - dPeak, 0.1));
        const double dSiren = 0.25 * u * siren.Sine(dRoot * 8.0);
        s[i] += dLevel * (std::tanh(2.5 * lowpass.Process(d)) * dGrowl + dSiren);
    }
    Mix(s, Stab(nRate, 82.4, 0.12, rng), Frames(dPeak, nRate), 0.8);
    return {s};
}

std::vector<Signal> SynthCount(int nRate, std::size_t nFrames)
{
    Signal tone(nFrames);
    Oscillator osc1(nRate), osc2(nRate), osc3(nRate);
    const double dHz = 784.0;  // G5: clear over the game's low rumbles
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double t = double(i) / nRate;
        const double d = osc1.Sine(dHz) + 0.25 * osc2.Sine(2.0 * dHz) + 0.08 * osc3.Sine(3.0 * dHz);
        tone[i] = d * Attack(t, 0.005) * (t < 0.22 ? 1.0 : Decay(t - 0.22, 0.22));
    }
    Signal s(nFrames);
    Mix(s, tone, 0, 1.0);
    Mix(s, tone, Frames(0.19, nRate), 0.3);  // the room answers twice
    Mix(s, tone, Frames(0.38, nRate), 0.12);
    return {s};
}

std::vector<Signal> SynthDeath(int nRate, std::size_t nFrames)
{
    Rng rng(141);
    Signal s(nFrames);
    Oscillator wail(nRate), under(nRate);
    Biquad lowpass, fizz;
    const double dEnd = double(nFrames) / nRate;
    double dGate = 1.0, dGateTarget = 1.0;
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double t = double(i) / nRate;
        const double u = t / dEnd;
        // Falls from 700 Hz to 55 Hz with a sickly vibrato.
        const double dHz = 700.0 * std::pow(55.0 / 700.0, u) * (1.0 + 0.03 * std::sin(2.0 * std::numbers::pi * 5.5 * t));
        lowpass.SetLowPass(nRate, dHz * 5.0, 1.5);
        const double dTone = lowpass.Process(wail.Saw(dHz) + 0.6 * under.Saw(dHz * 0.84));
        // Dissolving: 25 ms grains drop out more and more often.
        if (i % Frames(0.025, nRate) == 0) {
            dGateTarget = rng.Unit() < 1.0 - 0.85 * u ? 1.0 : 0.0;
        }
        dGate += (dGateTarget - dGate) * 0.01;
        fizz.SetBandPass(nRate, 600.0 + 2.5 * dHz, 1.5);
        const double dFizz = fizz.Process(rng.Signed()) * std::sin(std::numbers::pi * u);
        s[i] = (dTone * dGate + 0.9 * dFizz) * Attack(t, 0.02) * std::pow(1.0 - u, 1.3);
    }
    return {s};
}

std::vector<Signal> SynthBurst(int nRate, std::size_t nFrames)
{
    Rng rng(142);
    Signal s(nFrames);
    Mix(s, Thump(nRate, 150.0, 40.0, 0.12), 0, 1.0);
    Biquad lowpass;
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double t = double(i) / nRate;
        lowpass.SetLowPass(nRate, 300.0 + 4500.0 * Decay(t, 0.08), 0.9);
        s[i] += 1.2 * lowpass.Process(rng.Signed()) * Attack(t, 0.001) * Decay(t, 0.1);
    }
    // Droplets falling back, sparser and softer as the splat settles.
    for (int n = 0; n < 34; ++n) {
        const double u = rng.Unit();
        const double t = 0.04 + 1.0 * u * u;
        const double dHz = rng.Range(500.0, 1600.0);
        const double dTau = rng.Range(0.006, 0.014);
        Mix(s, Chirp(nRate, dHz, dTau), Frames(t, nRate), rng.Range(0.3, 0.7) * (1.0 - 0.8 * u));
    }
    Mix(s, NoiseBurst(nRate, 700.0, 1.2, 0.35, rng), Frames(0.02, nRate), 0.5);
    return {s};
}

std::vector<Signal> SynthGrab(int nRate, std::size_t nFrames)
{
    Rng rng(143);
    Signal s(nFrames);
    Mix(s, NoiseBurst(nRate, 2500.0, 0.7, 0.006, rng), 0, 1.0);
    Mix(s, Chirp(nRate, 1100.0, 0.012), 0, 0.6);
    // The stretch: a rubbery buzz whose pulse rate and formant both rise.
    Oscillator pulse(nRate);
    Biquad formant;
    const double dFrom = 0.02, dTo = 0.56;
    for (std::size_t i = Frames(dFrom, nRate); i < Frames(dTo, nRate); ++i) {
        const double u = (double(i) / nRate - dFrom) / (dTo - dFrom);
        formant.SetBandPass(nRate, 450.0 + 1100.0 * u, 4.0);
        const double dBuzz = formant.Process(pulse.Saw(45.0 + 80.0 * u + 6.0 * rng.Signed()));
        s[i] += 2.2 * dBuzz * std::sin(std::numbers::pi * u) * (0.8 + 0.2 * rng.Unit());
    }
    Mix(s, NoiseBurst(nRate, 1800.0, 0.9, 0.01, rng), Frames(dTo, nRate), 0.7);
    Mix(s, Thump(nRate, 220.0, 90.0, 0.03), Frames(dTo, nRate), 0.6);
    return {s};
}

std::vector<Signal> SynthSpray(int nRate, std::size_t nFrames)
{
    Rng rng(145);
    Signal s(nFrames);
    Biquad highpass, lowpass;
    highpass.SetHighPass(nRate, 2600.0, 0.7);
    lowpass.SetLowPass(nRate, 9000.0, 0.7);
    const double dEnd = double(nFrames) / nRate;
    double dWobble = 0.0;
    for (std::size_t i = 0; i < nFrames; ++i) {
        const double t = double(i) / nRate;
        dWobble += (rng.Signed() - dWobble) * 0.002;  // the plunger's unsteady push
        const double dLevel = (1.0 + 0.6 * Decay(t, 0.06) + 0.8 * dWobble) * Attack(t, 0.025) *
                              (t < dEnd - 0.3 ? 1.0 : Decay(t - (dEnd - 0.3), 0.08));
        s[i] = lowpass.Process(highpass.Process(rng.Signed())) * dLevel;
    }
    return {s};
}
