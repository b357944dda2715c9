#include "tools/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::size_t Frames(double dSeconds, int nRate)
{
    return std::size_t(std::lround(dSeconds * nRate));
}

double Oscillator::Advance(double dHz)
{
    const double dPhase = m_dPhase;
    m_dPhase += dHz * m_dStep;
    m_dPhase -= std::floor(m_dPhase);
    return dPhase;
}

double Oscillator::Sine(double dHz)
{
    return std::sin(2.0 * std::numbers::pi * Advance(dHz));
}

double Oscillator::Saw(double dHz)
{
    return 2.0 * Advance(dHz) - 1.0;
}

double Oscillator::Square(double dHz)
{
    return Advance(dHz) < 0.5 ? 1.0 : -1.0;
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2)
{
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = a1 / a0;
    m_a2 = a2 / a0;
}

void Biquad::SetLowPass(int nRate, double dHz, double dQ)
{
    const double w = 2.0 * std::numbers::pi * std::min(dHz, nRate * 0.45) / nRate;
    const double alpha = std::sin(w) / (2.0 * dQ);
    const double c = std::cos(w);
    Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::SetHighPass(int nRate, double dHz, double dQ)
{
    const double w = 2.0 * std::numbers::pi * std::min(dHz, nRate * 0.45) / nRate;
    const double alpha = std::sin(w) / (2.0 * dQ);
    const double c = std::cos(w);
    Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::SetBandPass(int nRate, double dHz, double dQ)
{
    const double w = 2.0 * std::numbers::pi * std::min(dHz, nRate * 0.45) / nRate;
    const double alpha = std::sin(w) / (2.0 * dQ);
    const double c = std::cos(w);
    Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::Process(double dIn)
{
    const double dOut = m_b0 * dIn + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = dIn;
    m_y2 = m_y1;
    m_y1 = dOut;
    return dOut;
}

double Decay(double dT, double dTau)
{
    return dT < 0.0 ? 0.0 : std::exp(-dT / dTau);
}

double Attack(double dT, double dAttack)
{
    return std::clamp(dT / dAttack, 0.0, 1.0);
}

double Lerp(double dFrom, double dTo, double dT)
{
    return dFrom + (dTo - dFrom) * std::clamp(dT, 0.0, 1.0);
}

void Normalise(Clip& clip, double dPeak)
{
    double dMax = 0.0;
    for (const Signal& channel : clip.channels) {
        for (double d : channel) {
            dMax = std::max(dMax, std::abs(d));
        }
    }
    if (dMax <= 0.0) {
        return;
    }
    for (Signal& channel : clip.channels) {
        for (double& d : channel) {
            d *= dPeak / dMax;
        }
    }
}

void FadeEdges(Signal& signal, int nRate, double dSeconds)
{
    const std::size_t nFade = std::min(Frames(dSeconds, nRate), signal.size() / 2);
    for (std::size_t i = 0; i < nFade; ++i) {
        const double dGain = double(i) / nFade;
        signal[i] *= dGain;
        signal[signal.size() - 1 - i] *= dGain;
    }
}

void Mix(Signal& dst, const Signal& src, std::size_t nAt, double dGain)
{
    for (std::size_t i = 0; i < src.size() && nAt + i < dst.size(); ++i) {
        dst[nAt + i] += dGain * src[i];
    }
}
