#include "tools/DrawVessels.h"

#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The cut face of a vessel, seen a little from the front: a rim round a lumen.
void DrawCutEnd(QPainter& p, const Tube& tube, const Tissue& tissue)
{
    const double w = tube.dWidth;
    p.save();
    p.translate(tube.centre.pointAtPercent(1.0));
    p.rotate(-tube.centre.angleAtPercent(1.0) + 90.0);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(tissue.light);
    p.drawEllipse(QPointF(0, 0), w / 2, w / 5);
    p.setPen(Qt::NoPen);
    p.setBrush(tissue.shadow.darker(200));
    p.drawEllipse(QPointF(0, 0.4), w / 2 - w / 8, w / 5 - w / 14);
    p.restore();
}

struct Sample {
    QPointF at;
    double dWidth;
};

// Points along a vessel, pushed sideways by a slow wobble so it never looks ruled.
std::vector<Sample> Wander(const Tube& vessel, Rng& rng)
{
    const double dLength = vessel.centre.length();
    const int nSteps = std::max(4, int(dLength / 2.0));
    const double dPhase1 = rng.Range(0, 6.3), dPhase2 = rng.Range(0, 6.3);
    const double dEnd = vessel.dEndWidth > 0 ? vessel.dEndWidth : vessel.dWidth;
    std::vector<Sample> samples;
    for (int i = 0; i <= nSteps; ++i) {
        const double t = double(i) / nSteps;
        const double dAngle = vessel.centre.angleAtPercent(t) * std::numbers::pi / 180.0;
        const QPointF normal(std::sin(dAngle), std::cos(dAngle));  // Qt's angles run counter-clockwise
        const double dWobble = 1.3 * std::sin(t * dLength / 9.0 + dPhase1) + 0.7 * std::sin(t * dLength / 4.0 + dPhase2);
        samples.push_back({vessel.centre.pointAtPercent(t) + normal * dWobble,
                           vessel.dWidth + (dEnd - vessel.dWidth) * t});
    }
    return samples;
}

void StrokeSamples(QPainter& p, const std::vector<Sample>& samples, const QColor& colour, double dScale,
                   double dExtra, QPointF shift)
{
    for (std::size_t i = 1; i < samples.size(); ++i) {
        p.setPen(QPen(colour, samples[i].dWidth * dScale + dExtra, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(samples[i - 1].at + shift, samples[i].at + shift);
    }
}

// Short side branches leaving the vessel at a slant, alternately left and right.
std::vector<Tube> Twigs(const std::vector<Sample>& samples, Rng& rng)
{
    std::vector<Tube> twigs;
    for (std::size_t i = 6; i + 3 < samples.size(); i += std::size_t(rng.Int(5, 9))) {
        const QPointF from = samples[i].at;
        const QPointF along = samples[i + 1].at - samples[i - 1].at;
        const double dSide = (twigs.size() % 2 ? 1.0 : -1.0) * rng.Range(0.7, 1.3);
        const QPointF dir = along / std::hypot(along.x(), along.y());
        const QPointF normal(-dir.y() * dSide, dir.x() * dSide);
        const double dLength = rng.Range(5.0, 13.0);
        QPainterPath path(from);
        path.quadTo(from + (dir + normal) * dLength * 0.5, from + (dir * 0.6 + normal) * dLength);
        twigs.push_back({path, std::max(0.6, samples[i].dWidth * 0.55), 0.4});
    }
    return twigs;
}

}  // namespace

void DrawTube(QPainter& p, const Tube& tube, const Tissue& tissue, bool bCutEnd)
{
    const double w = tube.dWidth;
    const auto stroke = [&](const QColor& colour, double dWidth, double dShift) {
        p.save();
        p.translate(-dShift, -dShift);
        p.strokePath(tube.centre, QPen(colour, dWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.restore();
    };
    stroke(kOutline, w + 1.5, 0.0);
    stroke(tissue.shadow, w, 0.0);
    stroke(tissue.body, w * 0.74, w * 0.07);
    stroke(tissue.light, w * 0.36, w * 0.15);
    stroke(QColor(255, 255, 255, 90), w * 0.1, w * 0.2);
    if (bCutEnd) {
        DrawCutEnd(p, tube, tissue);
    }
}

void DrawCoronary(QPainter& p, const Tube& vessel, const Tissue& tissue, Rng& rng)
{
    const std::vector<Sample> samples = Wander(vessel, rng);
    const std::vector<Tube> twigs = vessel.dWidth >= 2.0 ? Twigs(samples, rng) : std::vector<Tube>{};
    std::vector<std::vector<Sample>> all{samples};
    for (const Tube& twig : twigs) {
        all.push_back(Wander(twig, rng));
    }
    QColor outline = tissue.shadow;
    outline.setAlpha(170);
    for (const auto& line : all) {
        StrokeSamples(p, line, outline, 1.0, 1.2, {0.5, 0.6});
    }
    for (const auto& line : all) {
        StrokeSamples(p, line, tissue.body, 1.0, 0.0, {});
    }
    QColor light = tissue.light;
    light.setAlpha(150);
    StrokeSamples(p, samples, light, 0.35, 0.0, {-0.35, -0.35});
}

void DrawFat(QPainter& p, const Tube& band, Rng& rng)
{
    p.setPen(Qt::NoPen);
    const double dEnd = band.dEndWidth > 0 ? band.dEndWidth : band.dWidth;
    for (double t = 0.0; t <= 1.0; t += 0.012) {
        const double dWidth = band.dWidth + (dEnd - band.dWidth) * t;
        const double dx = rng.Signed();  // one draw per statement: a fixed order on every compiler
        const double dy = rng.Signed();
        const QPointF at = band.centre.pointAtPercent(t) + QPointF(dx, dy) * dWidth * 0.32;
        const double r = dWidth * rng.Range(0.2, 0.42);
        QRadialGradient blob(at, r, at - QPointF(r * 0.45, r * 0.5));
        blob.setColorAt(0.0, kFat.light);
        blob.setColorAt(0.6, kFat.body);
        blob.setColorAt(1.0, kFat.shadow);
        p.setBrush(blob);
        p.drawEllipse(at, r, r);
    }
}

void DrawCastShadow(QPainter& p, const QPainterPath& path, double dWidth)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);  // on the heart only, never the ground
    p.translate(2.5, 3.0);
    for (int i = 3; i >= 1; --i) {
        p.strokePath(path, QPen(QColor(30, 0, 6, 38), dWidth + 2.5 * i, Qt::SolidLine, Qt::RoundCap));
    }
    p.restore();
}
