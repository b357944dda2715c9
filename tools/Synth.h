#pragma once
// Building blocks of the sound recipes: a mono signal is a vector of doubles
// in [-1, 1] at a known rate; oscillators keep their phase so that a sweeping
// frequency glides without clicks.
#include <cstddef>
#include <vector>

using Signal = std::vector<double>;

struct Clip {
    int nRate = 22050;
    std::vector<Signal> channels;  // one per channel, equal lengths
};

// Frames for a duration in seconds, rounded to the nearest frame.
std::size_t Frames(double dSeconds, int nRate);

class Oscillator {
public:
    explicit Oscillator(int nRate) : m_dStep(1.0 / nRate) {}
    // Each call advances one sample at dHz.
    double Sine(double dHz);
    double Saw(double dHz);     // naive: used low and filtered
    double Square(double dHz);  // naive: used low and filtered

private:
    double Advance(double dHz);
    double m_dStep;
    double m_dPhase = 0.0;  // cycles, in [0, 1)
};

// RBJ biquad; the coefficients may be changed per sample for sweeps.
class Biquad {
public:
    void SetLowPass(int nRate, double dHz, double dQ);
    void SetHighPass(int nRate, double dHz, double dQ);
    void SetBandPass(int nRate, double dHz, double dQ);  // 0 dB peak gain
    double Process(double dIn);

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// exp(-t / tau) for t >= 0, 0 before.
double Decay(double dT, double dTau);
// Linear rise over dAttack seconds, then 1.
double Attack(double dT, double dAttack);
// Straight interpolation between dFrom and dTo for dT in [0, 1], clamped.
double Lerp(double dFrom, double dTo, double dT);

// Scales so the largest magnitude is dPeak (linear), over all channels.
void Normalise(Clip& clip, double dPeak);
// Short fades at both ends so no clip starts or stops on a click.
void FadeEdges(Signal& signal, int nRate, double dSeconds);
// Adds src into dst from frame nAt on, scaled by dGain.
void Mix(Signal& dst, const Signal& src, std::size_t nAt, double dGain);
