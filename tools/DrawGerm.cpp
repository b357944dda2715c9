#include "tools/DrawGerm.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include <QPointF>

#include "tools/Palette16.h"
#include "tools/Rng.h"

namespace {

struct GermColours {
    QRgb rgbGround;  // outside the disc
    QRgb rgbBody;
    QRgb rgbRing;
    QRgb rgbSpeck;
    QRgb rgbDot;     // darker dots; equal to rgbBody for none
};

// The disc's edge: a radius that wanders with the angle, from a few
// harmonics with fixed phases, so the outline looks alive but not noisy.
class RaggedEdge {
public:
    RaggedEdge(double dRadius, double dRag, Rng& rng) : m_dRadius(dRadius), m_dRag(dRag)
    {
        for (auto& dPhase : m_aPhase) {
            dPhase = rng.Range(0.0, 2.0 * std::numbers::pi);
        }
    }
    double At(double dAngle) const
    {
        static constexpr std::array<int, 4> aHarmonic{3, 5, 7, 11};
        static constexpr std::array<double, 4> aWeight{0.45, 0.3, 0.25, 0.2};
        double dRag = 0.0;
        for (std::size_t i = 0; i < aHarmonic.size(); ++i) {
            dRag += aWeight[i] * std::sin(aHarmonic[i] * dAngle + m_aPhase[i]);
        }
        return m_dRadius + m_dRag * dRag;
    }

private:
    double m_dRadius;
    double m_dRag;
    std::array<double, 4> m_aPhase{};
};

// Single-pixel marks scattered between the ring and the edge.
void Scatter(QImage& img, int nCount, QRgb rgb, double dInner, double dOuter, Rng& rng)
{
    const double dCentre = (img.width() - 1) / 2.0;
    for (int n = 0; n < nCount; ++n) {
        const double dAngle = rng.Range(0.0, 2.0 * std::numbers::pi);
        const double dDist = rng.Range(dInner, dOuter);
        const int x = int(std::lround(dCentre + dDist * std::cos(dAngle)));
        const int y = int(std::lround(dCentre + dDist * std::sin(dAngle)));
        img.setPixel(x, y, rgb);
    }
}

// Hard pixels only: the icon maps onto a palette and the cursor onto a mask.
QImage PaintGerm(int nSize, const GermColours& colours)
{
    Rng rng(0x6E5E11);
    const double dScale = nSize / 32.0;
    const double dCentre = (nSize - 1) / 2.0;
    const RaggedEdge edge(14.6 * dScale, 1.5 * dScale, rng);
    // The ring is about 8 pixels across at 32; at 16 it keeps a visible hole.
    const bool bLarge = nSize >= 32;
    const double dRing = bLarge ? 3.6 : 2.4;
    const double dRingHalfWidth = bLarge ? 0.75 : 0.65;

    QImage img(nSize, nSize, QImage::Format_ARGB32);
    for (int y = 0; y < nSize; ++y) {
        for (int x = 0; x < nSize; ++x) {
            const double dx = x - dCentre;
            const double dy = y - dCentre;
            const double dDist = std::hypot(dx, dy);
            QRgb rgb = colours.rgbGround;
            if (dDist <= edge.At(std::atan2(dy, dx))) {
                rgb = std::abs(dDist - dRing) <= dRingHalfWidth ? colours.rgbRing : colours.rgbBody;
            }
            img.setPixel(x, y, rgb);
        }
    }
    const double dInner = dRing + (bLarge ? 2.0 : 2.4);
    const double dOuter = 12.5 * dScale;
    if (colours.rgbDot != colours.rgbBody) {
        Scatter(img, 12, colours.rgbDot, dInner, dOuter, rng);
    }
    Scatter(img, bLarge ? 14 : 5, colours.rgbSpeck, dInner, dOuter, rng);
    return img;
}

// The desktop's larger icon sizes: the 32-pixel germ with every measure
// scaled, its specks as round dots, and edges smoothed from 4 x 4 samples a
// pixel, so that it stays sharp at any size rather than growing blocks. A
// transparent ground leaves the edge's samples in the alpha alone, so the
// rim does not carry a fringe of the ground's colour.
QRgb SmoothGermPixel(int x, int y, double dScale, const RaggedEdge& edge,
                     const std::vector<QPointF>& specks, const GermColours& colours)
{
    constexpr int kSamples = 4;
    constexpr double dRing = 3.6;
    constexpr double dRingHalfWidth = 0.75;
    constexpr double dSpeckRadius = 0.7;
    int nRed = 0, nGreen = 0, nBlue = 0, nAlpha = 0, nOpaque = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            // In the 32-pixel icon's units, from its centre.
            const double dx = (x + (sx + 0.5) / kSamples) / dScale - 16.0;
            const double dy = (y + (sy + 0.5) / kSamples) / dScale - 16.0;
            const double dDist = std::hypot(dx, dy);
            QRgb rgb = colours.rgbGround;
            if (dDist <= edge.At(std::atan2(dy, dx))) {
                rgb = std::abs(dDist - dRing) <= dRingHalfWidth ? colours.rgbRing : colours.rgbBody;
                for (const QPointF& pt : specks) {
                    if (std::hypot(dx - pt.x(), dy - pt.y()) <= dSpeckRadius) {
                        rgb = colours.rgbSpeck;
                    }
                }
            }
            nAlpha += qAlpha(rgb);
            if (qAlpha(rgb)) {
                ++nOpaque;
                nRed += qRed(rgb);
                nGreen += qGreen(rgb);
                nBlue += qBlue(rgb);
            }
        }
    }
    if (nOpaque == 0) {
        return qRgba(0, 0, 0, 0);
    }
    constexpr int nCount = kSamples * kSamples;
    return qRgba((nRed + nOpaque / 2) / nOpaque, (nGreen + nOpaque / 2) / nOpaque, (nBlue + nOpaque / 2) / nOpaque,
                 (nAlpha + nCount / 2) / nCount);
}

QImage PaintSmoothGerm(int nSize, const GermColours& colours)
{
    // The same draws, in the same order, as the 32-pixel icon's, so the
    // specks stand where they stand there.
    Rng rng(0x6E5E11);
    const RaggedEdge edge(14.6, 1.5, rng);
    std::vector<QPointF> specks;
    for (int n = 0; n < 14; ++n) {
        const double dAngle = rng.Range(0.0, 2.0 * std::numbers::pi);
        const double dDist = rng.Range(3.6 + 2.0, 12.5);
        specks.emplace_back(dDist * std::cos(dAngle), dDist * std::sin(dAngle));
    }
    const double dScale = nSize / 32.0;
    QImage img(nSize, nSize, QImage::Format_ARGB32);
    for (int y = 0; y < nSize; ++y) {
        for (int x = 0; x < nSize; ++x) {
            img.setPixel(x, y, SmoothGermPixel(x, y, dScale, edge, specks, colours));
        }
    }
    return img;
}

const GermColours kIconColours{qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 0), qRgb(255, 255, 0),
                               qRgb(0, 128, 0)};

}  // namespace

QImage DrawGermIcon(int nSize)
{
    const QImage img = PaintGerm(nSize, kIconColours);
    // Every colour drawn is a palette entry, so the mapping is exact.
    return img.convertToFormat(QImage::Format_Indexed8, Palette16(), Qt::ThresholdDither);
}

QImage DrawGermDesktopIcon(int nSize)
{
    GermColours colours = kIconColours;
    colours.rgbGround = qRgba(0, 0, 0, 0);
    // The small sizes keep the window icon's hard pixels.
    return nSize <= 32 ? PaintGerm(nSize, colours) : PaintSmoothGerm(nSize, colours);
}

QImage DrawGermCursor()
{
    return PaintGerm(32, {qRgba(0, 0, 0, 0), qRgb(0, 154, 0), qRgb(198, 195, 0), qRgb(198, 195, 0),
                          qRgb(0, 130, 0)});
}
