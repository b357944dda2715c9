#include "tools/DrawHeart.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "tools/DrawVessels.h"
#include "tools/HeartShapes.h"
#include "tools/Rng.h"

namespace {

// A chamber lit from the upper left; inside its edge the surface turns away
// and darkens, so it reads round. A dark rim keeps the outline on the red ground.
void DrawChamber(QPainter& p, const QPainterPath& path, const Tissue& tissue, QPointF lit, double dRadius)
{
    QRadialGradient gradient(lit, dRadius, lit - QPointF(dRadius * 0.15, dRadius * 0.2));
    gradient.setColorAt(0.0, tissue.light);
    gradient.setColorAt(0.4, tissue.body);
    gradient.setColorAt(1.0, tissue.shadow);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(path);
    p.save();
    p.setClipPath(path);
    for (const double dWidth : {22.0, 14.0, 8.0, 4.0}) {
        p.strokePath(path, QPen(QColor(40, 4, 14, 34), dWidth));
    }
    p.restore();
    p.strokePath(path, QPen(kOutline, 1.2));
}

// Wet glints: the surface of a fresh specimen catches the light.
void DrawGlints(QPainter& p)
{
    struct Glint {
        QPointF at;
        double rx, ry, dAngle;
        int nAlpha;
    };
    static constexpr Glint aGlints[] = {
        {{94, 142}, 18, 9, -35, 55},  {{86, 135}, 6, 2.5, -35, 210}, {{100, 150}, 3, 1.5, -35, 180},
        {{164, 134}, 10, 5, -65, 60}, {{161, 128}, 3, 1.5, -65, 170}, {{108, 176}, 8, 3, -20, 70},
        {{88, 62}, 3, 9, 12, 140},    {{110, 35}, 9, 3, -5, 130},     {{50, 120}, 5, 11, 15, 80},
        {{118, 92}, 3, 8, 22, 120},   {{160, 62}, 6, 2, -10, 110},    {{78, 92}, 5, 2, -20, 120},
        {{64, 60}, 2, 8, 0, 110},     {{160, 92}, 4, 2, -20, 110},
    };
    p.setPen(Qt::NoPen);
    for (const Glint& glint : aGlints) {
        p.save();
        p.translate(glint.at);
        p.rotate(glint.dAngle);
        p.scale(1.0, glint.ry / glint.rx);
        QRadialGradient gradient(QPointF(0, 0), glint.rx);
        gradient.setColorAt(0.0, QColor(255, 250, 240, glint.nAlpha));
        gradient.setColorAt(0.5, QColor(255, 250, 240, glint.nAlpha / 3));
        gradient.setColorAt(1.0, QColor(255, 250, 240, 0));
        p.setBrush(gradient);
        p.drawEllipse(QPointF(0, 0), glint.rx, glint.rx);
        p.restore();
    }
}

// The auricle's wrinkled wall: faint folds across it.
void DrawCreases(QPainter& p, const QPainterPath& auricle)
{
    p.save();
    p.setClipPath(auricle);
    static constexpr double aX[] = {68.0, 79.0, 93.0};
    for (const double x : aX) {
        QPainterPath crease(QPointF(x, 116));
        crease.quadTo(QPointF(x + 6, 106), QPointF(x + 1, 90));
        p.strokePath(crease, QPen(QColor(46, 8, 28, 70), 1.2));
        p.strokePath(crease.translated(-1.2, -0.6), QPen(QColor(230, 170, 190, 40), 0.8));
    }
    p.restore();
}

void DrawGreatVessels(QPainter& p, const HeartShapes& heart)
{
    for (const Tube& vessel : heart.backVessels) {
        DrawTube(p, vessel, vessel.dWidth > 15 ? kAorta : kBackVessel, true);
    }
    DrawTube(p, heart.superiorVenaCava, kVenaCava, true);
    DrawTube(p, heart.inferiorVenaCava, kVenaCava, true);
    for (const Tube& branch : heart.archBranches) {
        DrawTube(p, branch, kAorta, true);
    }
    DrawTube(p, heart.aorta, kAorta, false);
    DrawCastShadow(p, heart.leftPulmonaryArtery.centre, heart.leftPulmonaryArtery.dWidth);
    DrawTube(p, heart.leftPulmonaryArtery, kPulmonary, true);
}

void DrawAnatomy(QPainter& p, const HeartShapes& heart, Rng& rng)
{
    DrawGreatVessels(p, heart);
    DrawChamber(p, heart.leftAuricle, kAtrium, {156, 88}, 28);
    DrawCastShadow(p, heart.pulmonaryTrunk.centre, heart.pulmonaryTrunk.dWidth);
    DrawTube(p, heart.pulmonaryTrunk, kPulmonary, false);
    DrawChamber(p, heart.rightAtrium, kAtrium, {46, 112}, 64);
    DrawChamber(p, heart.ventricles, kMuscle, {96, 138}, 112);
    DrawChamber(p, heart.leftVentricle, kLeftMuscle, {156, 128}, 80);
    for (const Tube& band : heart.fat) {
        DrawCastShadow(p, band.centre, band.dWidth * 0.7);
    }
    for (const Tube& band : heart.fat) {
        DrawFat(p, band, rng);
    }
    DrawCastShadow(p, QPainterPath(heart.rightAuricle), 2.0);
    DrawChamber(p, heart.rightAuricle, kAtrium, {74, 96}, 36);
    DrawCreases(p, heart.rightAuricle);
    for (const Tube& vein : heart.veins) {
        DrawCoronary(p, vein, kVein, rng);
    }
    for (const Tube& artery : heart.arteries) {
        DrawCoronary(p, artery, kArtery, rng);
    }
    DrawGlints(p);
}

// Smooth value noise on a lattice of nCell pixels, in [-1, 1].
class Blotches {
public:
    Blotches(int nWidth, int nHeight, int nCell, Rng& rng)
        : m_nCell(nCell), m_nCols(nWidth / nCell + 2), m_values(std::size_t(m_nCols * (nHeight / nCell + 2)))
    {
        for (double& d : m_values) {
            d = rng.Signed();
        }
    }
    double At(int x, int y) const
    {
        const double fx = double(x) / m_nCell, fy = double(y) / m_nCell;
        const int ix = int(fx), iy = int(fy);
        const double ux = fx - ix, uy = fy - iy;
        const auto v = [&](int cx, int cy) { return m_values[std::size_t(cy * m_nCols + cx)]; };
        return (v(ix, iy) * (1 - ux) + v(ix + 1, iy) * ux) * (1 - uy) +
               (v(ix, iy + 1) * (1 - ux) + v(ix + 1, iy + 1) * ux) * uy;
    }

private:
    int m_nCell;
    int m_nCols;
    std::vector<double> m_values;
};

// Applies fn(rgb, x, y) to every pixel the heart covers; the ground stays untouched.
template <typename Fn>
void ForEachHeartPixel(QImage& layer, Fn fn)
{
    for (int y = 0; y < layer.height(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(pLine[x]) != 0) {
                pLine[x] = fn(pLine[x], x, y);
            }
        }
    }
}

int Channel(double d)
{
    return std::clamp(int(std::lround(d)), 0, 255);
}

// Muscle grain: soft blotches plus a fine speckle, as a photograph shows.
void AddGrain(QImage& layer, Rng& rng)
{
    const Blotches blotches(layer.width(), layer.height(), 5, rng);
    ForEachHeartPixel(layer, [&](QRgb rgb, int x, int y) {
        const double dGain = 1.0 + 0.07 * blotches.At(x, y) + 0.035 * Rng::Hash(0x6A1, x, y);
        return qRgba(Channel(qRed(rgb) * dGain), Channel(qGreen(rgb) * dGain), Channel(qBlue(rgb) * dGain),
                     qAlpha(rgb));
    });
}

// Infection: every colour keeps its lightness but turns a sickly olive green,
// mottled with darker rotten patches.
QImage Infect(const QImage& layer, Rng& rng)
{
    QImage green = layer;
    const Blotches rot(layer.width(), layer.height(), 11, rng);
    ForEachHeartPixel(green, [&](QRgb rgb, int x, int y) {
        const double dLum = 0.30 * qRed(rgb) + 0.59 * qGreen(rgb) + 0.11 * qBlue(rgb);
        const double dRot = 1.0 - 0.35 * std::max(0.0, rot.At(x, y));
        const auto mix = [&](double dFrom, double dTo) { return Channel((dFrom * 0.12 + dTo * 0.88) * dRot); };
        return qRgba(mix(qRed(rgb), dLum * 0.62 + 6), mix(qGreen(rgb), dLum * 1.22 + 30),
                     mix(qBlue(rgb), dLum * 0.38), qAlpha(rgb));
    });
    return green;
}

QImage OnGround(const QImage& layer)
{
    QImage out(layer.size(), QImage::Format_RGB32);
    out.fill(kHeartGround);
    QPainter p(&out);
    p.drawImage(0, 0, layer);
    p.end();
    return out.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

HeartImages DrawHearts()
{
    Rng rng(0x4EA27);
    QImage layer(kHeartWidth, kHeartHeight, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    DrawAnatomy(p, MakeHeartShapes(), rng);
    p.end();

    QImage straight = layer.convertToFormat(QImage::Format_ARGB32);
    AddGrain(straight, rng);
    return {OnGround(straight), OnGround(Infect(straight, rng))};
}
